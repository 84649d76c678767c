#pragma once
#include <windows.h>

#include "bar_geometry.h"

void ShowEnabledBars();

// Recreates the bar brush, sizes the enabled bars at rest and sets every bar's opacity.
void ApplyBarLayout();

// Moves each bar's corner to its rest position without sizing or activating it.
void MoveBarsHome();

Point BarWipedPosition(Edge edge, int distance);

// Keeps a dragged bar on its axis; other windows are left as proposed.
void ConstrainBarDrag(HWND window, RECT* proposed);

// The edge a bar window stands on; false for any other window.
bool BarEdge(HWND window, Edge* edge);

bool EdgeEnabled(Edge edge);
