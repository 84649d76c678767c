#pragma once
#include <windows.h>

#include "bar_geometry.h"

void ShowEnabledBars();

// Whether laying the bars out also activates each enabled bar in turn, as it
// does at start-up and after the options sheet, or leaves the foreground alone.
enum BarActivation { ActivateBars, KeepForeground };

// Recreates the bar brush, sizes the enabled bars at rest and sets every bar's opacity.
void ApplyBarLayout(BarActivation activation = ActivateBars);

// The primary screen's size as the system reports it now.
ScreenSize PrimaryScreenSize();

// Moves each bar's corner to its rest position without sizing or activating it.
void MoveBarsHome();

Point BarWipedPosition(Edge edge, int distance);

// Keeps a dragged bar on its axis; other windows are left as proposed.
void ConstrainBarDrag(HWND window, RECT* proposed);

// The edge a bar window stands on; false for any other window.
bool BarEdge(HWND window, Edge* edge);

bool EdgeEnabled(Edge edge);
