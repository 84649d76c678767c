// The keys that wipe an edge, registered on the main window for the edges
// that have a bar. WM_HOTKEY names the edge by the identifier it was given.
#pragma once
#include <windows.h>

#include "../common/geometry.h"
#include "../config/settings.h"

// Releases every edge's key, then registers the key of each enabled edge
// that has one. Returns the edges whose key could not be had, one bit per
// edge (1 << edge): another program holds it, or another edge took it first.
int RegisterEdgeKeys(HWND window, const Settings& settings);

void ReleaseEdgeKeys(HWND window);

// The edge whose key a WM_HOTKEY's identifier names.
bool EdgeOfHotKey(int id, Edge* edge);
