// Where the bars stand and which windows a wipe moves where, as plain
// arithmetic over one screen whose top-left is 0,0 (each monitor in its own
// coordinates, monitor_rules), the settings and the table of edges. No window
// handles here, so every rule is checked natively against tables of screens.
#pragma once
#include "../common/geometry.h"

// The bar's rectangle at rest, for thickness t and corner margin m.
Rect BarRestRect(Edge edge, ScreenSize screen, int thickness, int margin);

// Top-left corner of a bar while its edge is wiped by distance d.
Point BarWipedCorner(Edge edge, ScreenSize screen, int margin, int distance);

// The screen coordinate windows are pushed to when the edge is wiped by d.
int WipeLine(Edge edge, ScreenSize screen, int distance);

// The wipe line given by a bar dropped at `barRect`: its side facing the screen's middle.
int BarInnerSide(Edge edge, const Rect& barRect);

// True when a bar at `bar` stands at its rest rectangle `rest`, or nearer
// its edge still: dragged back home.
bool BackAtRest(Edge edge, const Rect& bar, const Rect& rest);

// A bar being dragged keeps its length and margins and slides along one axis.
Rect ConstrainedDragRect(Edge edge, const Rect& proposed, ScreenSize screen, int margin);

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
