// Which monitor owns a window, and the bars and wipes of each monitor, over
// the desks people have: side by side, stacked, of different sizes, left of
// or above the main one (negative coordinates), portrait, and three in a row.
#include <doctest/doctest.h>

#include <initializer_list>
#include <string>

#include "bars/bar_geometry.h"
#include "desktop/monitor_rules.h"
#include "wipe/push_geometry.h"

namespace {
struct Desk {
    const char* name;
    Monitors monitors;
};
const Desk kDesks[] = {
    {"side by side", {{{0, 0, 1024, 768}, {1024, 0, 2048, 768}}, 2}},
    {"stacked", {{{0, 0, 1024, 768}, {0, 768, 1024, 1536}}, 2}},
    {"different sizes", {{{0, 0, 1920, 1080}, {1920, 56, 3200, 1080}}, 2}},
    {"second on the left", {{{0, 0, 1024, 768}, {-1280, -256, 0, 768}}, 2}},
    {"second above", {{{0, 0, 1366, 768}, {0, -1080, 1920, 0}}, 2}},
    {"portrait beside", {{{0, 0, 1024, 768}, {1024, -128, 1792, 896}}, 2}},
    {"three in a row", {{{0, 0, 1024, 768}, {-1024, 0, 0, 768}, {1024, 0, 2048, 768}}, 3}},
};
const Edge kAllEdges[] = {EdgeLeft, EdgeRight, EdgeTop, EdgeBottom};

bool Inside(const Rect& r, const Rect& m)
{
    return r.left >= m.left && r.top >= m.top && r.right <= m.right && r.bottom <= m.bottom;
}

int Owners(const Rect& window, const Monitors& monitors)
{
    int owners = 0;
    for (int i = 0; i < monitors.count; ++i)
        owners += LargerPartOn(window, monitors, i) ? 1 : 0;
    return owners;
}

// What a wipe of the bar on that edge of that monitor takes, by the rules the push asks in turn.
bool Taken(int monitor, Edge edge, const Monitors& monitors, const Rect& window, int distance)
{
    const Rect m = MonitorOrPrimary(monitors, monitor);
    const Rect r = IntoMonitor(window, m);
    const int line = LineIntoMonitor(edge, WipeLineOn(edge, m, distance), m);
    return !IsBeyondEdge(edge, r, SizeOf(m)) && ReachesPastLine(edge, r, line) &&
           MeetsScreenAlongEdge(edge, r, SizeOf(m)) && LargerPartOn(window, monitors, monitor);
}
}

TEST_CASE("a window belongs to one monitor at most, and to the one that holds it whole")
{
    for (const Desk& desk : kDesks) {
        CAPTURE(desk.name);
        const Monitors& ms = desk.monitors;
        for (int i = 0; i < ms.count; ++i) {
            const Rect& m = ms.rects[i];
            const Rect inside = {m.left + 10, m.top + 10, m.left + 310, m.top + 210};
            const Rect maximised = {m.left - 8, m.top - 8, m.right + 8, m.bottom + 8};
            CHECK(LargerPartOn(inside, ms, i));
            CHECK(LargerPartOn(maximised, ms, i));
            CHECK(Owners(maximised, ms) == 1);
        }
        // Windows everywhere over the desk and beyond it, of three sizes.
        for (int x = -2600; x < 3400; x += 97)
            for (int y = -1300; y < 1700; y += 89)
                for (int size : {40, 300, 1100}) {
                    const Rect w = {x, y, x + size, y + size * 3 / 4};
                    CAPTURE(w.left);
                    CAPTURE(w.top);
                    CHECK(Owners(w, ms) <= 1);
                    if (!OnSomeMonitor(w, ms))
                        CHECK(Owners(w, ms) == 0);
                }
    }
}

TEST_CASE("across a shared edge the larger part decides, and the main screen wins a tie")
{
    const Monitors side = kDesks[0].monitors, left = kDesks[3].monitors, stacked = kDesks[1].monitors;
    struct Row {
        const char* what;
        const Monitors* monitors;
        Rect window;
        int owner;  // -1: none
    };
    const Row rows[] = {
        {"mostly on the main one", &side, {900, 100, 1100, 300}, 0},
        {"mostly on the second", &side, {1000, 100, 1200, 300}, 1},
        {"half on each", &side, {924, 100, 1124, 300}, 0},
        {"8 px on the second, the rest on none", &side, {2040, 100, 2640, 300}, -1},
        {"on the left monitor, negative coordinates", &left, {-700, -200, -100, 200}, 1},
        {"maximised on the left monitor", &left, {-1288, -264, 8, 776}, 1},
        {"over the main screen's top, beside the left monitor", &left, {100, -300, 500, 100}, -1},
        {"mostly on the monitor below", &stacked, {100, 700, 400, 1000}, 1},
    };
    for (const Row& r : rows) {
        CAPTURE(r.what);
        for (int i = 0; i < r.monitors->count; ++i)
            CHECK(LargerPartOn(r.window, *r.monitors, i) == (i == r.owner));
    }
}

TEST_CASE("each monitor's bars lie along its own edges, and wipe only what belongs to it")
{
    const int t = 3, margin = 20, d = 150;
    for (const Desk& desk : kDesks) {
        CAPTURE(desk.name);
        const Monitors& ms = desk.monitors;
        for (int i = 0; i < ms.count; ++i) {
            const Rect& m = ms.rects[i];
            for (Edge edge : kAllEdges) {
                CAPTURE(i);
                CAPTURE(edge);
                const Rect bar = BarRestRectOn(edge, m, t, margin);
                CHECK(Inside(bar, m));
                const bool across = edge == EdgeLeft || edge == EdgeRight;
                CHECK((across ? bar.right - bar.left : bar.bottom - bar.top) == t);
                CHECK((across ? bar.bottom - bar.top : bar.right - bar.left) ==
                      (across ? m.bottom - m.top : m.right - m.left) - 2 * margin);
                const int outer = edge == EdgeLeft ? bar.left : edge == EdgeRight ? bar.right
                                  : edge == EdgeTop ? bar.top : bar.bottom;
                const int monitorEdge = edge == EdgeLeft ? m.left : edge == EdgeRight ? m.right
                                        : edge == EdgeTop ? m.top : m.bottom;
                CHECK(outer == monitorEdge);
                // Wiped, the bar stands on the line, d in from the monitor's edge,
                // on its outer side for the Left and Top edges (as at rest).
                const int line = WipeLineOn(edge, m, d);
                CHECK(line == monitorEdge + (edge == EdgeLeft || edge == EdgeTop ? d : -d));
                const Point corner = BarWipedCornerOn(edge, m, margin, d);
                const Rect wiped = {corner.x, corner.y, corner.x + bar.right - bar.left,
                                    corner.y + bar.bottom - bar.top};
                CHECK(BarInnerSide(edge, wiped) == line + (edge == EdgeLeft || edge == EdgeTop ? t : 0));
                CHECK(Inside(wiped, m));
                // A drag far past the monitor keeps the bar's length and its margins there.
                const Rect far = {bar.left - 5000, bar.top - 5000, bar.right - 5000, bar.bottom - 5000};
                const Rect dragged = ConstrainedDragRectOn(edge, far, m, margin);
                CHECK((across ? dragged.top : dragged.left) == (across ? bar.top : bar.left));
                CHECK((across ? dragged.bottom : dragged.right) == (across ? bar.bottom : bar.right));
                // A window in the strip of this monitor is taken by this bar
                // alone of all the bars on the desk.
                const int midX = (m.left + m.right) / 2, midY = (m.top + m.bottom) / 2;
                const Rect inStrip = edge == EdgeLeft    ? Rect{m.left + 10, midY, m.left + 210, midY + 100}
                                     : edge == EdgeRight ? Rect{m.right - 210, midY, m.right - 10, midY + 100}
                                     : edge == EdgeTop   ? Rect{midX, m.top + 10, midX + 200, m.top + 110}
                                                         : Rect{midX, m.bottom - 110, midX + 200, m.bottom - 10};
                for (int other = 0; other < ms.count; ++other)
                    for (Edge otherEdge : kAllEdges)
                        CHECK(Taken(other, otherEdge, ms, inStrip, d) == (other == i && otherEdge == edge));
            }
        }
    }
}

TEST_CASE("the two bars of a shared edge each wipe their own side")
{
    const Monitors& ms = kDesks[0].monitors;
    const Rect a = BarRestRectOn(EdgeRight, ms.rects[0], 2, 0), b = BarRestRectOn(EdgeLeft, ms.rects[1], 2, 0);
    CHECK(a.right == 1024);
    CHECK(b.left == 1024);
    const Rect nearOnMain = {900, 100, 1020, 300}, nearOnSecond = {1030, 100, 1150, 300};
    const Rect across = {990, 400, 1090, 500};  // more on the second
    CHECK(Taken(0, EdgeRight, ms, nearOnMain, 150));
    CHECK_FALSE(Taken(1, EdgeLeft, ms, nearOnMain, 150));
    CHECK(Taken(1, EdgeLeft, ms, nearOnSecond, 150));
    CHECK_FALSE(Taken(0, EdgeRight, ms, nearOnSecond, 150));
    CHECK(Taken(1, EdgeLeft, ms, across, 150));
    CHECK_FALSE(Taken(0, EdgeRight, ms, across, 150));
}

TEST_CASE("the monitor at a point, the ones covered whole, and the bars' monitors")
{
    const Monitors& three = kDesks[6].monitors;
    CHECK(MonitorAt(three, 3, Point{-1, 10}) == 1);
    CHECK(MonitorAt(three, 3, Point{1024, 767}) == 2);
    CHECK(MonitorAt(three, 3, Point{0, 0}) == 0);
    CHECK(MonitorAt(three, 3, Point{500, 900}) == 0);   // on none: the main one
    CHECK(MonitorAt(three, 1, Point{-500, 10}) == 0);   // the left one has no bars
    CHECK(MonitorsCovered(Rect{-1024, 0, 2048, 768}, three, 3) == 7u);
    CHECK(MonitorsCovered(Rect{1024, 0, 2048, 768}, three, 3) == 4u);
    CHECK(MonitorsCovered(Rect{1024, 0, 2048, 768}, three, 2) == 0u);
    CHECK(MonitorsCovered(Rect{1025, 0, 2048, 768}, three, 3) == 0u);
    CHECK(MonitorsWithBars(three, true) == 3);
    CHECK(MonitorsWithBars(three, false) == 1);
    CHECK(MonitorsWithBars(Monitors{{}, 0}, true) == 1);
    CHECK(IndexOfMonitor(three, Rect{1024, 0, 2048, 768}) == 2);
    CHECK(IndexOfMonitor(three, Rect{1024, 0, 2048, 769}) == -1);
    // A bar on a monitor the list no longer has falls back to the main one.
    CHECK(MonitorOrPrimary(three, 5) == three.rects[0]);
    CHECK(MonitorOrPrimary(Monitors{{}, 0}, 0) == Rect{0, 0, 0, 0});
}

