// The questions a wipe asks of the ignore list about other programs' windows.
#pragma once
#include <windows.h>

#include "../config/ignore_list.h"
#include "process_image_path.h"
#include "process_verdicts.h"

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
