#include "monitor_rules.h"

#include "../config/edges.h"

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

unsigned MonitorsCovered(const Rect& window, const Monitors& monitors, int count)
{
    unsigned covered = 0;
    for (int i = 0; i < count && i < monitors.count; ++i)
        if (Covers(window, monitors.rects[i]))
            covered |= 1u << i;
    return covered;
}

int SpacingAtDpi(int systemSpacing, int systemDpi, int monitorDpi)
{
    if (systemDpi <= 0 || monitorDpi <= 0 || systemDpi == monitorDpi)
        return systemSpacing;
    // Spacings and DPIs are a few thousand at most, so the product fits.
    return (systemSpacing * monitorDpi + systemDpi / 2) / systemDpi;
}

Rect MonitorOrPrimary(const Monitors& monitors, int index)
{
    return index < monitors.count ? monitors.rects[index] : monitors.count ? monitors.rects[0] : Rect{0, 0, 0, 0};
}
