// The bar windows on the screen: shown or hidden, sized at rest, coloured and
// made partly transparent. `bars` is the four bar windows in Edge order.
#pragma once
#include <windows.h>

#include "../config/edges.h"
#include "bar_geometry.h"

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

// The edge a bar window stands on; false for any other window.
bool FindBarEdge(const HWND* bars, HWND window, Edge* edge);

// The primary screen's size as the system reports it now.
ScreenSize PrimaryScreenSize();
