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

// While a button is held, as in the middle of a drag, each registered key is
// registered also with Ctrl and with Shift added, where it lacks them and no
// other program holds that combination, since a drag keeps them down to copy
// or to move; released again when the button comes up, so that the rest of
// the time no combination is taken from other programs.
void RegisterHeldKeys(HWND window, const Settings& settings);
void ReleaseHeldKeys(HWND window);

// The edge whose key, alone or with a held button's Ctrl or Shift, a
// WM_HOTKEY's identifier names.
bool EdgeOfHotKey(int id, Edge* edge);
