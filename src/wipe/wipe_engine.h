// Moving windows out of a wiped strip and back. `bars` is the four bar
// windows in Edge order; they are never moved.
#pragma once
#include <windows.h>

#include "../common/geometry.h"
#include "../config/ignore_list.h"
#include "moved_windows.h"

// Slides every eligible window that reaches past `line` from `edge` onto it,
// recording in `moved` where it stood the first time. Windows of programs on
// `ignore` stay where they are.
void PushWindowsFromEdge(MovedWindowTable& moved, const IgnoreList& ignore, const HWND* bars, ScreenSize screen,
                         Edge edge, int line);

// Sends every recorded window back where it stood and empties the record.
void RestoreMovedWindows(MovedWindowTable& moved);
