// "Sashlet.moved" beside the executable: kept while a wipe has windows out of
// their place, so that a copy killed or crashed mid-wipe loses none of them.
#pragma once
#include <windows.h>

#include "moved_windows.h"

struct KnownWindow;

// What this copy keeps of the file while it runs.
struct MovedFileStore {
    bool written;  // since the file was last removed
    // What tells each recorded window from a later one given its handle, kept
    // at the index of its entry in the record for as long as the program
    // runs: the same windows are pushed wipe after wipe, and under Wine each
    // question about another program's window is a round trip to the server.
    // A handle names one window for the life of the session, so what it says
    // never goes stale. Made on first use.
    KnownWindow* known;
};

// Writes down every window the record holds as moved and not yet sent home,
// replacing the file whole. Where the folder cannot be written the wipe goes
// on without it, and nothing is said. `store` is a MovedFileStore, as a
// push's `beforeMoves` is handed it.
void WriteDownMovedWindows(void* store, const MovedWindowTable& moved);

// The wipe has ended: the file goes, if this copy wrote it. A copy that was
// frozen while a newer one took over must not take the newer one's file away.
void ForgetMovedWindows(MovedFileStore& store);

// At start-up a file left behind means the last copy did not end in order.
// Each window it names that is still the very window pushed, where the push
// sent it, is posted home, and the programs get up to `wait` milliseconds to
// take their moves. Then the file goes, damaged or not: it is never trusted
// twice.
void PutHomeWindowsLeftPushed(DWORD wait);
