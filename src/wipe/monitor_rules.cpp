#include "monitor_rules.h"

#include <cstring>

#include "../config/edges.h"
#include "../config/settings.h"
#include "edge_geometry.h"

ScreenSize SizeOf(const Rect& m) { return ScreenSize{m.right - m.left, m.bottom - m.top}; }

Rect IntoMonitor(const Rect& r, const Rect& m)
{
    return Rect{r.left - m.left, r.top - m.top, r.right - m.left, r.bottom - m.top};
}

Rect OutOfMonitor(const Rect& r, const Rect& m)
{
    return Rect{r.left + m.left, r.top + m.top, r.right + m.left, r.bottom + m.top};
}

Point OutOfMonitor(Point p, const Rect& m) { return Point{p.x + m.left, p.y + m.top}; }

static int Origin(Edge edge, const Rect& m) { return kEdges[edge].axis == AxisX ? m.left : m.top; }

int LineOutOfMonitor(Edge edge, int line, const Rect& m) { return line + Origin(edge, m); }

int LineIntoMonitor(Edge edge, int line, const Rect& m) { return line - Origin(edge, m); }

static long long SharedArea(const Rect& a, const Rect& b)
{
    const long long w = (a.right < b.right ? a.right : b.right) - (a.left > b.left ? a.left : b.left);
    const long long h = (a.bottom < b.bottom ? a.bottom : b.bottom) - (a.top > b.top ? a.top : b.top);
    return w > 0 && h > 0 ? w * h : 0;
}

static bool Covers(const Rect& window, const Rect& monitor)
{
    return window.left <= monitor.left && window.top <= monitor.top && window.right >= monitor.right &&
           window.bottom >= monitor.bottom;
}

bool LargerPartOn(const Rect& window, const Monitors& monitors, int which)
{
    if (monitors.count < 1)
        return which == 0;
    if (which < 0 || which >= monitors.count)
        return false;
    const long long mine = SharedArea(window, monitors.rects[which]);
    long long onMonitors = 0;
    for (int i = 0; i < monitors.count; ++i) {
        const long long on = SharedArea(window, monitors.rects[i]);
        if (on > mine || (on == mine && i < which && on > 0))
            return false;
        onMonitors += on;
    }
    const long long area =
        static_cast<long long>(window.right - window.left) * static_cast<long long>(window.bottom - window.top);
    return Covers(window, monitors.rects[which]) || (mine > 0 && mine >= area - onMonitors);
}

bool OnSomeMonitor(const Rect& window, const Monitors& monitors)
{
    for (int i = 0; i < monitors.count; ++i)
        if (SharedArea(window, monitors.rects[i]) > 0)
            return true;
    return false;
}

bool StaysWhereTheSystemPutIt(const Rect& home, const Rect& now, Point sent, const Monitors& monitors)
{
    return monitors.count > 0 && !(Point{now.left, now.top} == sent) && !OnSomeMonitor(home, monitors) &&
           OnSomeMonitor(now, monitors);
}

int MonitorAt(const Monitors& monitors, int count, Point p)
{
    for (int i = 0; i < count && i < monitors.count; ++i) {
        const Rect& m = monitors.rects[i];
        if (p.x >= m.left && p.x < m.right && p.y >= m.top && p.y < m.bottom)
            return i;
    }
    return 0;
}

int IndexOfMonitor(const Monitors& monitors, const Rect& monitor)
{
    for (int i = 0; i < monitors.count; ++i)
        if (monitors.rects[i] == monitor)
            return i;
    return -1;
}

bool SameMonitors(const Monitors& a, const Monitors& b)
{
    if (a.count != b.count)
        return false;
    for (int i = 0; i < a.count; ++i)
        if (!(a.rects[i] == b.rects[i]))
            return false;
    return true;
}

unsigned MonitorsCovered(const Rect& window, const Monitors& monitors, int count)
{
    unsigned covered = 0;
    for (int i = 0; i < count && i < monitors.count; ++i)
        if (Covers(window, monitors.rects[i]))
            covered |= 1u << i;
    return covered;
}

int MonitorsWithBars(const Monitors& monitors, bool everyScreen)
{
    return everyScreen && monitors.count > 1 ? monitors.count : 1;
}

int CornerMarginOn(ScreenSize monitor, int margin)
{
    const int smaller = monitor.width < monitor.height ? monitor.width : monitor.height;
    return margin < 0 || margin > smaller / 2 ? 0 : margin;
}

void FormatBarTitle(int place, char* out)
{
    const char* title = kEdges[EdgeOfBar(place)].barTitle;
    const size_t n = strlen(title);
    memcpy(out, title, n + 1);
    if (MonitorOfBar(place) == 0)
        return;
    out[n] = ' ';
    FormatDecimal(MonitorOfBar(place) + 1, out + n + 1);
}

int SpacingAtDpi(int systemSpacing, int systemDpi, int monitorDpi)
{
    if (systemDpi <= 0 || monitorDpi <= 0 || systemDpi == monitorDpi)
        return systemSpacing;
    // Spacings and DPIs are a few thousand at most, so the product fits.
    return (systemSpacing * monitorDpi + systemDpi / 2) / systemDpi;
}

Rect MonitorOfPlace(int place, const Monitors& monitors)
{
    const int m = MonitorOfBar(place);
    return m < monitors.count ? monitors.rects[m] : monitors.count ? monitors.rects[0] : Rect{0, 0, 0, 0};
}

Rect BarRestRectOn(int place, const Monitors& monitors, int t, int margin)
{
    const Rect m = MonitorOfPlace(place, monitors);
    const ScreenSize size = SizeOf(m);
    return OutOfMonitor(BarRestRect(EdgeOfBar(place), size, t, CornerMarginOn(size, margin)), m);
}

Point BarWipedCornerOn(int place, const Monitors& monitors, int margin, int d)
{
    const Rect m = MonitorOfPlace(place, monitors);
    const ScreenSize size = SizeOf(m);
    return OutOfMonitor(BarWipedCorner(EdgeOfBar(place), size, CornerMarginOn(size, margin), d), m);
}

int WipeLineOn(int place, const Monitors& monitors, int d)
{
    const Rect m = MonitorOfPlace(place, monitors);
    const Edge edge = EdgeOfBar(place);
    return LineOutOfMonitor(edge, WipeLine(edge, SizeOf(m), d), m);
}

Rect ConstrainedDragRectOn(int place, const Rect& proposed, const Monitors& monitors, int margin)
{
    const Rect m = MonitorOfPlace(place, monitors);
    const ScreenSize size = SizeOf(m);
    return OutOfMonitor(
        ConstrainedDragRect(EdgeOfBar(place), IntoMonitor(proposed, m), size, CornerMarginOn(size, margin)), m);
}
