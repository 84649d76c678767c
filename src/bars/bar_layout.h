// The bar windows on the screen: made, shown or hidden, sized at rest,
// coloured and made partly transparent. A bar shows while its edge is
// enabled and its monitor among the first `monitorsWithBars`.
#pragma once
#include <windows.h>

#include "../config/settings.h"
#include "bar.h"

bool BarShows(const Bar& bar, int monitorsWithBars, const Settings& settings);

// The bar's rectangle at rest along its monitor's edge.
Rect BarRestRectOf(const Bar& bar, const Monitors& monitors, const Settings& settings);

// Makes the hidden bar window for `bar`, a window of `className` owned by
// `owner`, at its rest rectangle; none where it could not be made.
HWND CreateBarWindow(HINSTANCE instance, const char* className, HWND owner, const Bar& bar, const Rect& at);

// Hides every bar that does not show.
void HideBarsOff(const BarList& bars, int monitorsWithBars, const Settings& settings);

// Whether laying the bars out also activates each shown bar in turn, as it
// does at start-up and after the options sheet, or leaves the foreground alone.
enum BarActivation { ActivateBars, KeepForeground };

// Replaces `*barBrush` with a brush in the bar colour that paints every
// window of the class, sets every bar's opacity, and shows and paints the
// bars that show, at rest along their monitors' edges.
void ApplyBarLayout(const BarList& bars, int monitorsWithBars, const Monitors& monitors, const Settings& settings,
                    HBRUSH* barBrush, BarActivation activation);

// Moves the corner of each bar on a monitor with bars to its rest position
// without sizing or activating it.
void MoveBarsHome(const BarList& bars, int monitorsWithBars, const Monitors& monitors, const Settings& settings);

// Keeps a dragged bar on its axis, its length and its margins, on its monitor.
void ConstrainBarDrag(const Bar& bar, RECT* proposed, const Monitors& monitors, const Settings& settings);
