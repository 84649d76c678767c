// Which monitor a window or a point belongs to, and the move between a
// monitor's own coordinates and the system's. The per-edge rules work on one
// screen whose top-left is 0,0; every monitor is such a screen once a
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

// The first of the first `count` monitors holding the point; the primary when none does.
int MonitorAt(const Monitors& monitors, int count, Point p);

// The monitor with exactly this rectangle, or -1.
int IndexOfMonitor(const Monitors& monitors, const Rect& monitor);

// Monitor `index`; one the list no longer has gives the primary, and no
// monitor at all an empty rectangle.
Rect MonitorOrPrimary(const Monitors& monitors, int index);

// One bit per monitor among the first `count` that the window covers whole.
unsigned MonitorsCovered(const Rect& window, const Monitors& monitors, int count);

// The icon spacing at a monitor's DPI, from the one the system reports at its own.
int SpacingAtDpi(int systemSpacing, int systemDpi, int monitorDpi);
