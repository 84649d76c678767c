// Moving windows out of a wiped strip and back. `bars` is every bar window
// of every monitor; they are never moved.
#pragma once
#include <windows.h>

#include "../common/geometry.h"
#include "../config/ignore_list.h"
#include "moved_windows.h"

// The longest Sashlet waits, as it ends or starts, for the programs to take
// the moves that send their windows home.
const DWORD kMovesLandWait = 2000;

// Moves another program's window by position only, without waiting for it.
void PostWindowMove(HWND window, Point to);

// Slides every eligible window of `monitor` that reaches past `line` (in the
// system's coordinates) from the monitor's `edge` onto it, recording in
// `moved` where it stood the first time. Windows of programs on `ignore`,
// and windows that belong to another monitor, stay where they are.
// `beforeMoves`, when given, is handed the record once it holds every window
// about to move, before any move is posted.
void PushWindowsFromEdge(MovedWindowTable& moved, const IgnoreList& ignore, const HWND* bars, int barCount,
                         const Rect& monitor, Edge edge, int line,
                         void (*beforeMoves)(const MovedWindowTable& moved) = nullptr);

// Sends every recorded window back where it stood and empties the record.
// After a change of the displays, `monitorsNow` gives the monitors there now:
// a window whose home lies on none of them (its monitor went away while it
// was pushed) stays where the system has put it, on one of them. Without a
// change every home lies on the monitor it was pushed from, and nothing is asked.
void RestoreMovedWindows(MovedWindowTable& moved, const Monitors* monitorsNow = nullptr);

// Waits, `wait` milliseconds at most, until the programs owning `windows` have
// taken the moves posted to them.
void WaitForMovesToLand(const HWND* windows, int count, DWORD wait);
