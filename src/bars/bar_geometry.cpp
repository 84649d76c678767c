#include "bar_geometry.h"

#include <cstring>

#include "../config/edge_axis.h"
#include "../config/settings.h"
#include "../desktop/monitor_rules.h"

static Span Between(int a, int b) { return a < b ? Span{a, b} : Span{b, a}; }

Rect BarRestRect(Edge edge, ScreenSize screen, int t, int m)
{
    const Axis axis = AxisOf(edge);
    const int outer = EdgeCoordinate(edge, screen);
    return RectOf(axis, Between(outer, outer + Inward(edge) * t), Span{m, Extent(screen, OtherAxis(axis)) - m});
}

Point BarWipedCorner(Edge edge, ScreenSize screen, int m, int d)
{
    return PointOf(AxisOf(edge), WipeLine(edge, screen, d), m);
}

int WipeLine(Edge edge, ScreenSize screen, int d) { return EdgeCoordinate(edge, screen) + Inward(edge) * d; }

int BarInnerSide(Edge edge, const Rect& r) { return FarSide(edge, r); }

bool BackAtRest(Edge edge, const Rect& bar, const Rect& rest)
{
    return Inward(edge) * (FarSide(edge, bar) - FarSide(edge, rest)) <= 0;
}

Rect ConstrainedDragRect(Edge edge, const Rect& proposed, ScreenSize screen, int m)
{
    const Axis axis = AxisOf(edge);
    return RectOf(axis, SpanOf(proposed, axis), Span{m, Extent(screen, OtherAxis(axis)) - m});
}

int CornerMarginOn(ScreenSize monitor, int margin)
{
    const int smaller = monitor.width < monitor.height ? monitor.width : monitor.height;
    return margin < 0 || margin > smaller / 2 ? 0 : margin;
}

Rect BarRestRectOn(Edge edge, const Rect& m, int t, int margin)
{
    const ScreenSize size = SizeOf(m);
    return OutOfMonitor(BarRestRect(edge, size, t, CornerMarginOn(size, margin)), m);
}

Point BarWipedCornerOn(Edge edge, const Rect& m, int margin, int d)
{
    const ScreenSize size = SizeOf(m);
    return OutOfMonitor(BarWipedCorner(edge, size, CornerMarginOn(size, margin), d), m);
}

int WipeLineOn(Edge edge, const Rect& m, int d) { return LineOutOfMonitor(edge, WipeLine(edge, SizeOf(m), d), m); }

Rect ConstrainedDragRectOn(Edge edge, const Rect& proposed, const Rect& m, int margin)
{
    const ScreenSize size = SizeOf(m);
    return OutOfMonitor(ConstrainedDragRect(edge, IntoMonitor(proposed, m), size, CornerMarginOn(size, margin)), m);
}

int MonitorsWithBars(const Monitors& monitors, bool everyScreen)
{
    return everyScreen && monitors.count > 1 ? monitors.count : 1;
}

void FormatBarTitle(Edge edge, int monitor, char* out)
{
    const char* title = kEdges[edge].barTitle;
    const size_t n = strlen(title);
    memcpy(out, title, n + 1);
    if (monitor == 0)
        return;
    out[n] = ' ';
    FormatDecimal(monitor + 1, out + n + 1);
}
