// "ignore.lst" beside the executable, and the questions a wipe asks of the list.
#pragma once
#include <windows.h>

#include "ignore_list.h"
#include "../processes/process_image_path.h"
#include "../processes/process_verdicts.h"

// Replaces `list` with what "ignore.lst" holds; empty on any failure.
void LoadIgnoreList(IgnoreList& list);

// Writes the paths, in order, as "ignore.lst". The file is replaced whole or
// not at all: a failed save leaves the old file as it was.
void SaveIgnoreList(const char* const* paths, int count);

// True when the window's executable is on the list. Makes one process lookup,
// and none while the list is empty.
bool IsIgnoredWindow(const IgnoreList& list, HWND window);

// A run of questions about many windows (one wipe): each process is looked up
// at most once and the lookup library loaded at most once. Nothing outlives
// the run, so a list edited or a program started later is seen next time.
struct IgnoreQuery {
    const IgnoreList* list;
    ImageLookups lookups;
    ProcessVerdicts verdicts;
};

void BeginIgnoreQuery(IgnoreQuery& query, const IgnoreList& list);
bool IsIgnoredWindowIn(IgnoreQuery& query, HWND window);
void EndIgnoreQuery(IgnoreQuery& query);

bool IgnoreListFilePath(char* out);
