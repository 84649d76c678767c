// The record of windows a wipe has moved: where each stood and where it was
// sent. Windows are opaque handles here.
#pragma once
#include "../common/geometry.h"

struct HWND__;
typedef HWND__* WindowHandle;  // the platform's HWND under STRICT

// How a window was shown when it was first pushed. A window maximised or
// minimised since, or restored from maximised, is not put back by position.
enum ShowState { ShownNormal, ShownMaximised, ShownMinimised };

// Moves of other programs' windows are posted to them, so a window may not
// have taken the last move yet when it is looked at again. Its entry keeps
// where it was last sent, so that a stale position is never taken for a home.
struct MovedWindowEntry {
    WindowHandle window;  // none marks a free entry
    Point home;           // where the window stood before its first move
    Point sent;           // where the last push sent it
    ShowState state;      // as shown when first pushed
    bool returning;       // sent home by a restore, which may still be on its way
};

const int kMovedWindowCapacity = 256;

struct MovedWindowTable {
    MovedWindowEntry entries[kMovedWindowCapacity];
    int count;  // windows moved and not yet sent home
};

void ClearMovedWindowTable(MovedWindowTable& table);

// True for a window moved by a push and not yet sent home: it follows the line.
bool IsMovedWindow(const MovedWindowTable& table, WindowHandle window);

// The entry of a window moved and not yet sent home, or none.
const MovedWindowEntry* MovedEntryOf(const MovedWindowTable& table, WindowHandle window);

bool MovedWindowTableFull(const MovedWindowTable& table);

// Where a window stands once the moves it was sent have landed. Read at
// home or where it was last sent, it is on its way: to that place while it is
// moved, home once it was sent back. Read anywhere else, someone else moved
// it, and that place is the truth.
Point SettledCorner(const MovedWindowTable& table, WindowHandle window, Point current);

// Records a window's home and how it is shown. Takes the window's own entry
// from an earlier wipe, else a free one, else one whose window was sent home.
// Does nothing when the table is full.
void RecordMovedWindow(MovedWindowTable& table, WindowHandle window, Point home, ShowState state);

// Notes where a push sent a recorded window.
void NoteWindowSent(MovedWindowTable& table, WindowHandle window, Point to);

// Calls `moveBack` with each moved window's entry, in the order of the table,
// marks it as sent home, and sets the count to 0.
void RestoreMovedWindowTable(MovedWindowTable& table, void (*moveBack)(const MovedWindowEntry& entry, void* context),
                             void* context);
