#pragma once
#include <windows.h>

// Replaces the ignore list with what "ignore.lst" holds; empty on any failure.
void LoadIgnoreList();

// Writes the paths, in order, as "ignore.lst". The file is replaced whole or
// not at all: a failed save leaves the old file as it was.
void SaveIgnoreList(const char* const* paths, int count);

void FreeIgnoreList();

// True when the window's executable is on the list. Makes one process lookup,
// and none while the list is empty.
bool IsIgnoredWindow(HWND window);

bool IgnoreListFilePath(char* out);
