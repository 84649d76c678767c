// The record of windows a wipe has moved, and the per-edge rules that decide
// which windows a wipe moves and where. Windows are opaque handles here.
#pragma once
#include "bar_geometry.h"

struct HWND__;
typedef HWND__* WindowHandle;  // the platform's HWND under STRICT

struct MovedWindowEntry {
    WindowHandle window;  // none marks a free entry and ends the restore walk
    int left;
    int top;
};

const int kMovedWindowCapacity = 256;

struct MovedWindowTable {
    MovedWindowEntry entries[kMovedWindowCapacity];
    int count;
};

void ClearMovedWindowTable(MovedWindowTable& table);

// Searches all entries, not just those below the count, so a window recorded
// by an earlier wipe keeps its first home.
bool IsMovedWindow(const MovedWindowTable& table, WindowHandle window);

bool MovedWindowTableFull(const MovedWindowTable& table);

// Records a window at the count and marks the next entry free.
void RecordMovedWindow(MovedWindowTable& table, WindowHandle window, int left, int top);

// Calls `moveBack` for each recorded window in order, frees its entry, and
// sets the count to 0.
void RestoreMovedWindowTable(MovedWindowTable& table,
                             void (*moveBack)(WindowHandle window, int left, int top, void* context),
                             void* context);

// True when the window lies wholly beyond the edge.
bool IsBeyondEdge(Edge edge, const Rect& window, ScreenSize screen);

// True when the window reaches into the strip between the edge and the line.
bool ReachesPastLine(Edge edge, const Rect& window, int line);

// The window's new top-left corner: its near side on the line, size unchanged.
Point PushedCorner(Edge edge, const Rect& window, int line);
