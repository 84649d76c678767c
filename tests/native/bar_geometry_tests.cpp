// Properties every bar position must have, checked over screens people use:
// both orientations, odd sizes, small and large.
#include <doctest/doctest.h>

#include <cstdlib>
#include <initializer_list>
#include <string>

#include "bars/bar_geometry.h"
#include "desktop/monitor_rules.h"

namespace {
struct Screen {
    const char* name;
    ScreenSize size;
};
const Screen kScreens[] = {
    {"1024x768", {1024, 768}},        {"768x1024 portrait", {768, 1024}}, {"1366x768 laptop", {1366, 768}},
    {"1001x601 odd", {1001, 601}},    {"601x1001 odd portrait", {601, 1001}},
    {"3840x2160", {3840, 2160}},      {"800x600", {800, 600}},
};
const Edge kEdges[] = {EdgeLeft, EdgeRight, EdgeTop, EdgeBottom};

bool Vertical(Edge edge) { return edge == EdgeLeft || edge == EdgeRight; }

// The side of the screen a bar runs along.
int SideLength(Edge edge, ScreenSize s) { return Vertical(edge) ? s.height : s.width; }

int Across(const Rect& r, Edge edge) { return Vertical(edge) ? r.right - r.left : r.bottom - r.top; }
int Along(const Rect& r, Edge edge) { return Vertical(edge) ? r.bottom - r.top : r.right - r.left; }
int AlongStart(const Rect& r, Edge edge) { return Vertical(edge) ? r.top : r.left; }

// How far a rectangle's outer side lies from the edge it belongs to.
int GapToEdge(const Rect& r, Edge edge, ScreenSize s)
{
    switch (edge) {
    case EdgeLeft:   return r.left;
    case EdgeRight:  return s.width - r.right;
    case EdgeTop:    return r.top;
    case EdgeBottom: return s.height - r.bottom;
    }
    return -1;
}

// The largest margin the load rules let through on this screen.
int LargestMargin(ScreenSize s) { return (s.width < s.height ? s.width : s.height) / 2; }
}

TEST_CASE("a bar at rest lies inside the screen on its edge, t thick, its side less twice the margin long")
{
    for (const Screen& s : kScreens) {
        CAPTURE(s.name);
        for (Edge edge : kEdges) {
            CAPTURE(edge);
            for (int t : {1, 2, 10}) {
                for (int m : {0, 1, 100, LargestMargin(s.size)}) {
                    CAPTURE(t);
                    CAPTURE(m);
                    const Rect r = BarRestRect(edge, s.size, t, m);
                    CHECK(r.left >= 0);
                    CHECK(r.top >= 0);
                    CHECK(r.right <= s.size.width);
                    CHECK(r.bottom <= s.size.height);
                    CHECK(GapToEdge(r, edge, s.size) == 0);
                    CHECK(Across(r, edge) == t);
                    CHECK(Along(r, edge) == SideLength(edge, s.size) - 2 * m);
                    CHECK(AlongStart(r, edge) == m);
                }
            }
        }
    }
}

TEST_CASE("a wiped bar stands on the wipe line, d from its edge, and keeps its margin")
{
    for (const Screen& s : kScreens) {
        CAPTURE(s.name);
        for (Edge edge : kEdges) {
            CAPTURE(edge);
            for (int d : {0, 75, 150, 750}) {
                CAPTURE(d);
                const int line = WipeLine(edge, s.size, d);
                const Rect edgeLine = Vertical(edge) ? Rect{line, 0, line, s.size.height}
                                                     : Rect{0, line, s.size.width, line};
                CHECK(GapToEdge(edgeLine, edge, s.size) == d);
                const Point corner = BarWipedCorner(edge, s.size, 7, d);
                CHECK((Vertical(edge) ? corner.x : corner.y) == line);
                CHECK((Vertical(edge) ? corner.y : corner.x) == 7);
            }
        }
    }
}

TEST_CASE("a bar's inner side faces the middle, and a bar dragged back is home at rest or past it, not short")
{
    for (const Screen& s : kScreens) {
        CAPTURE(s.name);
        for (Edge edge : kEdges) {
            CAPTURE(edge);
            const Rect bar = BarRestRect(edge, s.size, 4, 20);
            const int inner = BarInnerSide(edge, bar);
            const int middle = Vertical(edge) ? s.size.width / 2 : s.size.height / 2;
            const int outer = Vertical(edge) ? (inner == bar.right ? bar.left : bar.right)
                                             : (inner == bar.bottom ? bar.top : bar.bottom);
            CHECK(abs(inner - middle) < abs(outer - middle));
            CHECK(abs(inner - outer) == 4);
            // One pixel toward the middle, then at rest, then one past the edge.
            for (int step : {1, 0, -1}) {
                const int dx = edge == EdgeLeft ? step : edge == EdgeRight ? -step : 0;
                const int dy = edge == EdgeTop ? step : edge == EdgeBottom ? -step : 0;
                CAPTURE(step);
                CHECK(BackAtRest(edge, Rect{bar.left + dx, bar.top + dy, bar.right + dx, bar.bottom + dy}, bar) ==
                      (step <= 0));
            }
        }
    }
}

TEST_CASE("a dragged bar slides along one axis only and keeps its length and margins")
{
    for (const Screen& s : kScreens) {
        CAPTURE(s.name);
        for (Edge edge : kEdges) {
            CAPTURE(edge);
            for (int m : {0, 30}) {
                CAPTURE(m);
                // The system proposes the bar anywhere the pointer took it, even off its axis.
                const Rect proposed = Vertical(edge) ? Rect{150, -40, 154, s.size.height - 90}
                                                     : Rect{-40, 150, s.size.width - 90, 154};
                const Rect r = ConstrainedDragRect(edge, proposed, s.size, m);
                CHECK(Across(r, edge) == 4);
                CHECK((Vertical(edge) ? r.left : r.top) == 150);
                CHECK(AlongStart(r, edge) == m);
                CHECK(Along(r, edge) == SideLength(edge, s.size) - 2 * m);
            }
        }
    }
}

TEST_CASE("titles name the edge, and the monitor past the first")
{
    char title[kBarTitleSize];
    const struct {
        Edge edge;
        int monitor;
        const char* title;
    } rows[] = {{EdgeLeft, 0, "SashletLeft"},
                {EdgeBottom, 0, "SashletBottom"},
                {EdgeLeft, 1, "SashletLeft 2"},
                {EdgeBottom, 1, "SashletBottom 2"},
                {EdgeBottom, kMaxMonitors - 1, "SashletBottom 16"}};
    for (const auto& r : rows) {
        FormatBarTitle(r.edge, r.monitor, title);
        CHECK(std::string(title) == r.title);
    }
}

TEST_CASE("a small monitor drops a margin it cannot keep, and the spacing follows its DPI")
{
    CHECK(CornerMarginOn(ScreenSize{1024, 768}, 384) == 384);
    CHECK(CornerMarginOn(ScreenSize{1024, 768}, 385) == 0);
    CHECK(CornerMarginOn(ScreenSize{600, 800}, 301) == 0);
    CHECK(CornerMarginOn(ScreenSize{600, 800}, -1) == 0);
    CHECK(SpacingAtDpi(75, 96, 96) == 75);
    CHECK(SpacingAtDpi(75, 96, 144) == 113);
    CHECK(SpacingAtDpi(113, 144, 96) == 75);
    CHECK(SpacingAtDpi(75, 96, 120) == 94);
    CHECK(SpacingAtDpi(75, 0, 144) == 75);
}
