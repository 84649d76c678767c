// The bar windows on the screen: shown or hidden, sized at rest, coloured and
// made partly transparent. `bars` holds each monitor's bars in their places
// (monitor_rules' BarPlace), `count` of them, the primary's four first; a
// place whose bar has not been made holds none, and is passed over.
#pragma once
#include <windows.h>

#include "../config/edges.h"
#include "edge_geometry.h"
#include "monitor_rules.h"

// Hides every one of the `count` bars but those in `inUse` places of an enabled edge.
void HideBarsOff(const HWND* bars, int count, int inUse, const Settings& settings);

// Whether laying the bars out also activates each enabled bar in turn, as it
// does at start-up and after the options sheet, or leaves the foreground alone.
enum BarActivation { ActivateBars, KeepForeground };

// Replaces `*barBrush` with a brush in the bar colour that paints every
// window of the class, sets every bar's opacity, and shows and paints the
// enabled bars among the first `inUse` at rest along their monitors' edges.
void ApplyBarLayout(const HWND* bars, int count, int inUse, const Monitors& monitors, const Settings& settings,
                    HBRUSH* barBrush, BarActivation activation);

// Moves each of the first `inUse` bars' corner to its rest position without
// sizing or activating it.
void MoveBarsHome(const HWND* bars, int inUse, const Monitors& monitors, const Settings& settings);

// Keeps a dragged bar on its axis, its length and its margins, on its monitor.
void ConstrainBarDrag(int place, RECT* proposed, const Monitors& monitors, const Settings& settings);

// Creates the hidden bar for `place` at `at`, a window of `className` owned
// by `owner`, which keeps its place for its window procedure.
HWND CreateBarWindow(HINSTANCE instance, const char* className, HWND owner, int place, const Rect& at);

// The place of one of our bar windows, as it was created; false for any
// other window of the class.
bool BarPlaceOf(HWND bar, int* place);

// True when `window` is one of the `count` bars: the question asked of
// other programs' windows, whose own data means nothing to us.
bool IsOneOfBars(const HWND* bars, int count, HWND window);

// The primary screen's size as the system reports it now.
ScreenSize PrimaryScreenSize();
