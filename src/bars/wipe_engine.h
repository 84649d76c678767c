#pragma once
#include <windows.h>

#include "bar_geometry.h"

void ClearMovedWindows();

// The desktop's "Program Manager" window, which shows the desktop icons; none
// where the shell has no such window.
HWND ProgramManagerWindow();

// Slides every eligible window that reaches past `line` from `edge` onto it,
// recording where it stood the first time.
void PushWindowsFromEdge(Edge edge, int line);

// Puts every recorded window back where it stood and empties the list.
void RestoreMovedWindows();
