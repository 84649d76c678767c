// Which windows a wipe moves and where, as plain arithmetic over the edge
// table on one screen whose top-left is 0,0 (each monitor in its own
// coordinates). No window handles here, so every rule is checked natively
// against tables of screens.
#pragma once
#include "../common/geometry.h"

// True when the window lies wholly beyond the edge.
bool IsBeyondEdge(Edge edge, const Rect& window, ScreenSize screen);

// True when the window reaches into the strip between the edge and the line.
bool ReachesPastLine(Edge edge, const Rect& window, int line);

// True when the window meets the screen along the edge's length. One wholly
// above or below the screen (for the Left and Right edges) or wholly beside
// it (Top and Bottom) stands on another monitor, however near the edge it is.
bool MeetsScreenAlongEdge(Edge edge, const Rect& window, ScreenSize screen);

// The window's new top-left corner: its near side on the line, size unchanged.
Point PushedCorner(Edge edge, const Rect& window, int line);

// Where a window moved by an earlier push goes for a new line: onto it when
// the line moves out, and back with it as far as its home, never nearer the
// edge than it stood before the wipe.
Point FollowedCorner(Edge edge, const Rect& window, int line, Point home);
