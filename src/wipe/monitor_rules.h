// Which monitor a window, a point or a bar belongs to, and the move between
// a monitor's own coordinates and the system's. The per-edge rules work on
// one screen whose top-left is 0,0; every monitor is such a screen once a
// rectangle is taken into it. No window handles here, so every rule is
// checked natively against tables of monitor layouts.
#pragma once
#include "../common/geometry.h"

ScreenSize SizeOf(const Rect& monitor);

// A rectangle or point taken into the monitor's own coordinates, and back out.
Rect IntoMonitor(const Rect& r, const Rect& monitor);
Rect OutOfMonitor(const Rect& r, const Rect& monitor);
Point OutOfMonitor(Point p, const Rect& monitor);

// A wipe line, a coordinate on its edge's axis, in the system's coordinates
// from the monitor's own, and back.
int LineOutOfMonitor(Edge edge, int line, const Rect& monitor);
int LineIntoMonitor(Edge edge, int line, const Rect& monitor);

// True when the window's larger part lies on monitor `which`: more of it
// than on any other monitor (of two with as much, the one first in the
// list), and at least as much as on no monitor at all, since a part that no
// monitor shows counts against each of them. A window that covers the whole
// monitor, as one maximised there does, overhanging each side, belongs to it.
// With no monitor known, every window belongs to the primary.
bool LargerPartOn(const Rect& window, const Monitors& monitors, int which);

// True when some part of the window lies on some monitor.
bool OnSomeMonitor(const Rect& window, const Monitors& monitors);

// A pushed window whose home lies on no monitor now, its monitor gone, and
// which the system has moved from where the push sent it onto a monitor,
// stays there: sent home it would leave the screen. One still where it was
// sent goes home, as after a change of resolution that comes back: its
// place shows again with the display that holds it.
bool StaysWhereTheSystemPutIt(const Rect& home, const Rect& now, Point sent, const Monitors& monitors);

// The first of the first `count` monitors holding the point; the primary when none does.
int MonitorAt(const Monitors& monitors, int count, Point p);

// The monitor with exactly this rectangle, or -1.
int IndexOfMonitor(const Monitors& monitors, const Rect& monitor);

bool SameMonitors(const Monitors& a, const Monitors& b);

// One bit per monitor among the first `count` that the window covers whole.
unsigned MonitorsCovered(const Rect& window, const Monitors& monitors, int count);

// How many monitors carry bars: every one, or the primary alone.
int MonitorsWithBars(const Monitors& monitors, bool everyScreen);

// Each monitor's bars take EdgeCount places in a row, in Edge order, the
// primary's first, so the primary's bars keep the places they always had.
const int kMaxBars = kMaxMonitors * EdgeCount;
inline int BarPlace(int monitor, Edge edge) { return monitor * EdgeCount + edge; }
inline Edge EdgeOfBar(int place) { return static_cast<Edge>(place % EdgeCount); }
inline int MonitorOfBar(int place) { return place / EdgeCount; }

// The monitor of the bar in `place`; one the list no longer has gives the
// primary, and no monitor at all an empty rectangle.
Rect MonitorOfPlace(int place, const Monitors& monitors);

// The per-edge rules for the bar in `place`, along its own monitor's edges
// and in the system's coordinates: its rest rectangle for thickness t and
// corner margin m, its corner and the wipe line while wiped by distance d,
// and where a drag may take it.
Rect BarRestRectOn(int place, const Monitors& monitors, int thickness, int margin);
Point BarWipedCornerOn(int place, const Monitors& monitors, int margin, int distance);
int WipeLineOn(int place, const Monitors& monitors, int distance);
Rect ConstrainedDragRectOn(int place, const Rect& proposed, const Monitors& monitors, int margin);

// The corner margin a monitor keeps: one more than half its smaller side
// would leave a bar no length, so there it is none, as the file's rule has it.
int CornerMarginOn(ScreenSize monitor, int margin);

// The title of the bar in `place`: the edge's own for the primary's bars,
// which other programs may look for, and "SashletLeft 2" for the second
// monitor's. At least kBarTitleSize bytes.
const int kBarTitleSize = 32;
void FormatBarTitle(int place, char* out);

// The icon spacing at a monitor's DPI, from the one the system reports at its own.
int SpacingAtDpi(int systemSpacing, int systemDpi, int monitorDpi);
