// Where a bar stands, as plain arithmetic over the edge table: at rest, wiped
// and dragged, on one screen whose top-left is 0,0, and on a monitor given by
// its rectangle in the system's coordinates. No window handles here, so every
// rule is checked natively against tables of screens and monitor layouts.
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

// The corner margin a monitor keeps: one more than half its smaller side
// would leave a bar no length, so there it is none, as the file's rule has it.
int CornerMarginOn(ScreenSize monitor, int margin);

// The rules above along the edge of `monitor`, in the system's coordinates:
// the bar's rest rectangle for thickness t and corner margin m, its corner
// and the wipe line while wiped by distance d, and where a drag may take it.
Rect BarRestRectOn(Edge edge, const Rect& monitor, int thickness, int margin);
Point BarWipedCornerOn(Edge edge, const Rect& monitor, int margin, int distance);
int WipeLineOn(Edge edge, const Rect& monitor, int distance);
Rect ConstrainedDragRectOn(Edge edge, const Rect& proposed, const Rect& monitor, int margin);

// How many monitors carry bars, the first ones: every one, or the primary alone.
int MonitorsWithBars(const Monitors& monitors, bool everyScreen);

// The title of a bar: the edge's own for the primary's (monitor 0), which
// other programs may look for, and "SashletLeft 2" for the second monitor's.
// At least kBarTitleSize bytes.
const int kBarTitleSize = 32;
void FormatBarTitle(Edge edge, int monitor, char* out);
