// "ignore.lst" beside the executable.
#pragma once
#include "ignore_list.h"

// Replaces `list` with what "ignore.lst" holds; empty on any failure.
void LoadIgnoreList(IgnoreList& list);

// Writes the paths, in order, as "ignore.lst". The file is replaced whole or
// not at all: a failed save leaves the old file as it was, and says false.
bool SaveIgnoreList(const char* const* paths, int count);

bool IgnoreListFilePath(char* out);
