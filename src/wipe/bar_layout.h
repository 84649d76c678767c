// The bar windows on the screen: shown or hidden, sized at rest, coloured and
// made partly transparent. `bars` is the four bar windows in Edge order.
#pragma once
#include <windows.h>

#include "../config/edges.h"
#include "edge_geometry.h"

// Shows the bars of the enabled edges and hides the others.
void ShowEnabledBars(const HWND* bars, const Settings& settings);

// Whether laying the bars out also activates each enabled bar in turn, as it
// does at start-up and after the options sheet, or leaves the foreground alone.
enum BarActivation { ActivateBars, KeepForeground };

// Replaces `*barBrush` with a brush in the bar colour that paints every
// window of the class, sizes the enabled bars at rest and sets every bar's opacity.
void ApplyBarLayout(const HWND* bars, const Settings& settings, ScreenSize screen, HBRUSH* barBrush,
                    BarActivation activation);

// Moves each bar's corner to its rest position without sizing or activating it.
void MoveBarsHome(const HWND* bars, const Settings& settings, ScreenSize screen);

// Keeps a dragged bar on its axis, its length and its margins.
void ConstrainBarDrag(Edge edge, RECT* proposed, const Settings& settings, ScreenSize screen);

// Creates the hidden bar of `edge` at `at`, a window of `className` owned by
// `owner`, which keeps its edge for its window procedure.
HWND CreateBarWindow(HINSTANCE instance, const char* className, HWND owner, Edge edge, const Rect& at);

// The edge of one of our bar windows, as it was created; false for any other
// window of the class.
bool BarEdgeOf(HWND bar, Edge* edge);

// True when `window` is one of `bars`: the question asked of other programs'
// windows, whose own data means nothing to us.
bool IsOneOfBars(const HWND* bars, HWND window);

// The primary screen's size as the system reports it now.
ScreenSize PrimaryScreenSize();
