#pragma once
#include "bar_geometry.h"

void ClearMovedWindows();

// Slides every eligible window that reaches past `line` from `edge` onto it,
// recording where it stood the first time.
void PushWindowsFromEdge(Edge edge, int line);

// Puts every recorded window back where it stood and empties the list.
void RestoreMovedWindows();
