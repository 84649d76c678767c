// One bar: a window along one edge of one monitor, and what a wipe from it
// keeps. Every bar made is a record in one list, each monitor's in Edge
// order, the primary's first.
#pragma once
#include <windows.h>

#include "../common/geometry.h"

struct Bar {
    // Made the first time its edge shows on its monitor, and only hidden
    // after that: destroying a window of the class would end the program.
    HWND window;
    Edge edge;
    int monitor;  // its monitor's index, the primary 0
    bool wiped;   // its restore watch runs
    // Besides the bar, the one window that keeps its wipe in front: the one
    // left there when the bar was refused the foreground, as a drag's source
    // is, then the last desktop or ignored window found there.
    HWND allowedInFront;
    // That window was in front as the wipe began, the drag's source: it
    // keeps the wipe only until it is pressed on after the drop.
    bool allowedUntilPressed;
    Rect moveStart;  // the bar's rectangle as the system's move loop began
    bool resting;    // the pointer is on the bar, and its rest is being timed
    // The pointer's rest wiped the bar, or a wipe of it ended with the pointer
    // on it: it rests there again only once it has left and come back.
    bool restSpent;
};

const int kMaxBars = kMaxMonitors * EdgeCount;

struct BarList {
    Bar items[kMaxBars];
    int count;
};

inline Bar* begin(BarList& bars) { return bars.items; }
inline Bar* end(BarList& bars) { return bars.items + bars.count; }
inline const Bar* begin(const BarList& bars) { return bars.items; }
inline const Bar* end(const BarList& bars) { return bars.items + bars.count; }

// The bar whose window this is, or none: other windows of the class, the
// main window among them, are no bar.
inline Bar* FindBar(BarList& bars, HWND window)
{
    for (Bar& bar : bars)
        if (window && bar.window == window)
            return &bar;
    return nullptr;
}

inline bool IsOneOfBars(const BarList& bars, HWND window)
{
    return FindBar(const_cast<BarList&>(bars), window) != nullptr;
}

// The bar of that edge on that monitor, or none while it has not been made.
inline Bar* BarAt(BarList& bars, int monitor, Edge edge)
{
    for (Bar& bar : bars)
        if (bar.monitor == monitor && bar.edge == edge)
            return &bar;
    return nullptr;
}
