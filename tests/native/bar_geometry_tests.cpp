#include <doctest/doctest.h>

#include <initializer_list>

#include "bars/bar_geometry.h"

namespace {
struct Screen { const char* name; ScreenSize size; };
const Screen kScreens[] = {
    {"1024x768", {1024, 768}},
    {"768x1024 portrait", {768, 1024}},
    {"1366x768", {1366, 768}},
    {"1001x601 odd", {1001, 601}},
    {"3840x2160", {3840, 2160}},
};
}

TEST_CASE("a bar at rest lies on its edge, t thick, m short of both corners")
{
    for (const Screen& s : kScreens) {
        CAPTURE(s.name);
        const int W = s.size.width, H = s.size.height;
        for (int t : {1, 2, 10}) {
            for (int m : {0, 1, 100}) {
                CAPTURE(t);
                CAPTURE(m);
                CHECK(BarRestRect(EdgeLeft, s.size, t, m) == Rect{0, m, t, H - m});
                CHECK(BarRestRect(EdgeRight, s.size, t, m) == Rect{W - t, m, W, H - m});
                CHECK(BarRestRect(EdgeTop, s.size, t, m) == Rect{m, 0, W - m, t});
                CHECK(BarRestRect(EdgeBottom, s.size, t, m) == Rect{m, H - t, W - m, H});
            }
        }
    }
}

TEST_CASE("four bars with margin 100, width 5 on 1024x768")
{
    const ScreenSize s{1024, 768};
    CHECK(BarRestRect(EdgeLeft, s, 5, 100) == Rect{0, 100, 5, 668});
    CHECK(BarRestRect(EdgeRight, s, 5, 100) == Rect{1019, 100, 1024, 668});
    CHECK(BarRestRect(EdgeTop, s, 5, 100) == Rect{100, 0, 924, 5});
    CHECK(BarRestRect(EdgeBottom, s, 5, 100) == Rect{100, 763, 924, 768});
}

TEST_CASE("wiped bar corner and wipe line move by d away from the edge")
{
    for (const Screen& s : kScreens) {
        CAPTURE(s.name);
        const int W = s.size.width, H = s.size.height;
        for (int d : {0, 75, 150, 750}) {
            CAPTURE(d);
            CHECK(BarWipedCorner(EdgeLeft, s.size, 7, d) == Point{d, 7});
            CHECK(BarWipedCorner(EdgeRight, s.size, 7, d) == Point{W - d, 7});
            CHECK(BarWipedCorner(EdgeTop, s.size, 7, d) == Point{7, d});
            CHECK(BarWipedCorner(EdgeBottom, s.size, 7, d) == Point{7, H - d});
            CHECK(WipeLine(EdgeLeft, s.size, d) == d);
            CHECK(WipeLine(EdgeRight, s.size, d) == W - d);
            CHECK(WipeLine(EdgeTop, s.size, d) == d);
            CHECK(WipeLine(EdgeBottom, s.size, d) == H - d);
        }
    }
}

TEST_CASE("a dropped bar's inner side faces the middle of the screen")
{
    const Rect bar{300, 40, 302, 728};
    CHECK(BarInnerSide(EdgeLeft, bar) == 302);
    CHECK(BarInnerSide(EdgeRight, bar) == 300);
    CHECK(BarInnerSide(EdgeTop, bar) == 728);
    CHECK(BarInnerSide(EdgeBottom, bar) == 40);
}

TEST_CASE("a dragged bar slides along one axis only and keeps its margins")
{
    for (const Screen& s : kScreens) {
        CAPTURE(s.name);
        const int W = s.size.width, H = s.size.height;
        const Rect proposed{150, 20, 152, 500};
        CHECK(ConstrainedDragRect(EdgeLeft, proposed, s.size, 30) == Rect{150, 30, 152, H - 30});
        CHECK(ConstrainedDragRect(EdgeRight, proposed, s.size, 0) == Rect{150, 0, 152, H});
        const Rect across{-5, 300, 700, 303};
        CHECK(ConstrainedDragRect(EdgeTop, across, s.size, 30) == Rect{30, 300, W - 30, 303});
        CHECK(ConstrainedDragRect(EdgeBottom, across, s.size, 0) == Rect{0, 300, W, 303});
    }
}

TEST_CASE("opacity falls with the transparency percentage but never reaches 0")
{
    CHECK(BarOpacity(0) == 255);
    CHECK(BarOpacity(10) == 229);
    CHECK(BarOpacity(50) == 127);
    CHECK(BarOpacity(99) == 2);
    CHECK(BarOpacity(100) == 1);
    for (int a = 0; a < 100; ++a) {
        CAPTURE(a);
        CHECK(BarOpacity(a) >= BarOpacity(a + 1));
        CHECK(BarOpacity(a) > 0);
    }
}

TEST_CASE("bar colour takes the low 8 bits of each component")
{
    CHECK(BarColour(255, 255, 0) == 0x00FFFFu);
    CHECK(BarColour(0, 0, 255) == 0xFF0000u);
    CHECK(BarColour(300, 0, 0) == 44u);
    CHECK(BarColour(-1, 0, 0) == 255u);
    CHECK(BarColour(1, 2, 3) == 0x030201u);
    CHECK(BarColour(256, 512, -256) == 0u);
}
