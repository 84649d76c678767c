// Moving windows out of a wiped strip and back. The bars of every monitor
// are never moved.
#pragma once
#include <windows.h>

#include "../bars/bar.h"
#include "../common/geometry.h"
#include "../config/ignore_list.h"
#include "moved_windows.h"

// The longest Sashlet waits, as it ends or starts, for the programs to take
// the moves that send their windows home.
const DWORD kMovesLandWait = 2000;

// Moves another program's window by position only, without waiting for it.
void PostWindowMove(HWND window, Point to);

// How a window is shown, from its style: no message is sent to its program.
ShowState ShowStateOf(LONG style);

// Called, when given, with the record once it holds every window a push is
// about to move, before any move is posted.
struct BeforeMoves {
    void (*call)(void* context, const MovedWindowTable& moved);
    void* context;
};

// Slides every eligible window of `monitor` that reaches past `line` (in the
// system's coordinates) from the monitor's `edge` onto it, recording in
// `moved` where it stood the first time. Windows of programs on `ignore`,
// and windows that belong to another monitor, stay where they are.
void PushWindowsFromEdge(MovedWindowTable& moved, const IgnoreList& ignore, const BarList& bars, const Rect& monitor,
                         Edge edge, int line, BeforeMoves beforeMoves = BeforeMoves{nullptr, nullptr});

// Sends every recorded window back where it stood and empties the record.
// After a change of the displays, `monitorsNow` gives the monitors there now:
// a window whose home lies on none of them (its monitor went away while it
// was pushed) stays where the system has put it, on one of them. Without a
// change every home lies on the monitor it was pushed from, and nothing is asked.
void RestoreMovedWindows(MovedWindowTable& moved, const Monitors* monitorsNow = nullptr);

// Waits, `wait` milliseconds at most, until the programs owning `windows` have
// taken the moves posted to them.
void WaitForMovesToLand(const HWND* windows, int count, DWORD wait);
