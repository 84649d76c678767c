// Which windows a push from each edge takes and where it sends them, over
// screens of both orientations and odd sizes.
#include <doctest/doctest.h>

#include "bars/bar_geometry.h"
#include "desktop/monitor_rules.h"
#include "wipe/push_geometry.h"

TEST_CASE("per-edge tests decide which windows a wipe moves and where")
{
    const ScreenSize s{1024, 768};
    const int L = 76;
    SUBCASE("left edge")
    {
        CHECK(IsBeyondEdge(EdgeLeft, Rect{-300, 0, -1, 100}, s));
        CHECK_FALSE(IsBeyondEdge(EdgeLeft, Rect{-300, 0, 0, 100}, s));
        CHECK(ReachesPastLine(EdgeLeft, Rect{76, 0, 300, 100}, L));
        CHECK_FALSE(ReachesPastLine(EdgeLeft, Rect{77, 0, 300, 100}, L));
        // A maximised window keeps its size and sticks out past the right side.
        CHECK(PushedCorner(EdgeLeft, Rect{-4, -4, 1028, 772}, L) == Point{76, -4});
    }
    SUBCASE("right edge")
    {
        const int R = 1024 - L;
        CHECK(IsBeyondEdge(EdgeRight, Rect{1025, 0, 1200, 100}, s));
        CHECK_FALSE(IsBeyondEdge(EdgeRight, Rect{1024, 0, 1200, 100}, s));
        CHECK(ReachesPastLine(EdgeRight, Rect{500, 0, R, 100}, R));
        CHECK_FALSE(ReachesPastLine(EdgeRight, Rect{500, 0, R - 1, 100}, R));
        CHECK(PushedCorner(EdgeRight, Rect{600, 10, 1024, 110}, R) == Point{600 - 76, 10});
    }
    SUBCASE("top edge")
    {
        CHECK(IsBeyondEdge(EdgeTop, Rect{0, -200, 100, -1}, s));
        CHECK(ReachesPastLine(EdgeTop, Rect{0, 76, 100, 200}, L));
        CHECK_FALSE(ReachesPastLine(EdgeTop, Rect{0, 77, 100, 200}, L));
        CHECK(PushedCorner(EdgeTop, Rect{33, 5, 133, 105}, L) == Point{33, 76});
    }
    SUBCASE("bottom edge")
    {
        const int B = 768 - L;
        CHECK(IsBeyondEdge(EdgeBottom, Rect{0, 769, 100, 900}, s));
        CHECK_FALSE(IsBeyondEdge(EdgeBottom, Rect{0, 768, 100, 900}, s));
        CHECK(ReachesPastLine(EdgeBottom, Rect{0, 100, 100, B}, B));
        CHECK_FALSE(ReachesPastLine(EdgeBottom, Rect{0, 100, 100, B - 1}, B));
        CHECK(PushedCorner(EdgeBottom, Rect{40, 600, 140, 768}, B) == Point{40, 600 - 76});
    }
}

TEST_CASE("a pushed window's near side lies on the line, its size and its other axis unchanged")
{
    const ScreenSize screens[] = {{1024, 768}, {768, 1024}, {1001, 601}};
    for (ScreenSize s : screens) {
        CAPTURE(s.width);
        const Rect windows[] = {{-4, -4, s.width + 4, s.height + 4}, {0, 10, 200, 110}, {s.width - 200, 300, s.width, 400},
                                {30, 0, 330, 90}, {500, s.height - 90, 800, s.height}, {140, 140, 160, 160}};
        const Edge edges[] = {EdgeLeft, EdgeRight, EdgeTop, EdgeBottom};
        for (Edge edge : edges) {
            const int line = edge == EdgeLeft || edge == EdgeTop ? 150
                             : edge == EdgeRight                ? s.width - 150
                                                                : s.height - 150;
            for (const Rect& w : windows) {
                CAPTURE(edge);
                CAPTURE(w.left);
                CAPTURE(w.top);
                const Point to = PushedCorner(edge, w, line);
                const Rect r{to.x, to.y, to.x + w.right - w.left, to.y + w.bottom - w.top};
                switch (edge) {
                case EdgeLeft:   CHECK(r.left == line); CHECK(r.top == w.top); break;
                case EdgeRight:  CHECK(r.right == line); CHECK(r.top == w.top); break;
                case EdgeTop:    CHECK(r.top == line); CHECK(r.left == w.left); break;
                case EdgeBottom: CHECK(r.bottom == line); CHECK(r.left == w.left); break;
                }
                // Once pushed it still counts as reaching the line, so it follows a later push.
                CHECK(ReachesPastLine(edge, r, line));
            }
        }
    }
}

TEST_CASE("a window following its bar back stops at its home and follows it out again")
{
    const ScreenSize s{1024, 768};
    const Edge edges[] = {EdgeLeft, EdgeRight, EdgeTop, EdgeBottom};
    for (Edge edge : edges) {
        CAPTURE(edge);
        // Home 10 px in from the edge, the window 100 px square.
        const bool far = edge == EdgeRight || edge == EdgeBottom;
        const int extent = edge == EdgeLeft || edge == EdgeRight ? s.width : s.height;
        const Rect home = edge == EdgeLeft   ? Rect{10, 300, 110, 400}
                          : edge == EdgeRight ? Rect{s.width - 110, 300, s.width - 10, 400}
                          : edge == EdgeTop   ? Rect{300, 10, 400, 110}
                                              : Rect{300, s.height - 110, 400, s.height - 10};
        const Point homeCorner{home.left, home.top};
        const int out = far ? extent - 600 : 600, back = far ? extent - 5 : 5;
        const Point pushed = PushedCorner(edge, home, out);
        const Rect atOut{pushed.x, pushed.y, pushed.x + 100, pushed.y + 100};
        CHECK(FollowedCorner(edge, atOut, out, homeCorner) == pushed);
        // Dragged back past where it came from: it stops there, not on the line.
        CHECK(FollowedCorner(edge, atOut, back, homeCorner) == homeCorner);
        // Part of the way back it still follows the line.
        const int half = far ? extent - 300 : 300;
        CHECK(FollowedCorner(edge, atOut, half, homeCorner) == PushedCorner(edge, atOut, half));
    }
}

TEST_CASE("a wipe takes only windows in its strip on the primary screen, in both axes")
{
    struct Row {
        const char* what;
        ScreenSize screen;
        Edge edge;
        Rect window;
        bool second;  // a second monitor stands where `monitor` says
        Rect monitor;
        bool taken;
    };
    const Rect leftOf1024 = {-1280, 0, 0, 1024}, belowOf1024 = {0, 768, 1024, 1536}, rightOf768 = {768, 0, 1792, 768};
    const Row rows[] = {
        {"in the strip", {1024, 768}, EdgeLeft, {20, 100, 220, 250}, false, {}, true},
        {"wholly below the screen", {1024, 768}, EdgeLeft, {20, 818, 220, 968}, false, {}, false},
        {"wholly above the screen", {1024, 768}, EdgeRight, {900, -300, 1010, -1}, false, {}, false},
        {"touching the screen's bottom from below", {1024, 768}, EdgeLeft, {20, 768, 220, 900}, false, {}, false},
        {"one row on the screen, the rest on no monitor", {1024, 768}, EdgeLeft, {20, 767, 220, 900}, false, {},
         false},
        {"wholly right of the screen", {1024, 768}, EdgeTop, {1064, 10, 1264, 160}, false, {}, false},
        {"wholly left of the screen", {1024, 768}, EdgeBottom, {-400, 700, -10, 760}, false, {}, false},
        {"8 px over the Left edge, alone", {1024, 768}, EdgeLeft, {-600, 100, 8, 400}, false, {}, false},
        {"half over the Left edge, alone", {1024, 768}, EdgeLeft, {-300, 100, 300, 400}, false, {}, true},
        {"most over the Left edge, alone", {1024, 768}, EdgeLeft, {-100, 100, 500, 400}, false, {}, true},
        {"8 px over the Right edge, alone", {1024, 768}, EdgeRight, {1016, 100, 1624, 400}, false, {}, false},
        {"half over the Right edge, alone", {1024, 768}, EdgeRight, {724, 100, 1324, 400}, false, {}, true},
        {"most over the Right edge, alone", {1024, 768}, EdgeRight, {624, 100, 1124, 400}, false, {}, true},
        {"8 px over the Top edge, alone", {1024, 768}, EdgeTop, {100, -392, 500, 8}, false, {}, false},
        {"half over the Top edge, alone", {1024, 768}, EdgeTop, {100, -200, 500, 200}, false, {}, true},
        {"most over the Top edge, alone", {1024, 768}, EdgeTop, {100, -100, 500, 300}, false, {}, true},
        {"8 px over the Bottom edge, alone", {1024, 768}, EdgeBottom, {100, 760, 500, 1160}, false, {}, false},
        {"half over the Bottom edge, alone", {1024, 768}, EdgeBottom, {100, 568, 500, 968}, false, {}, true},
        {"most over the Bottom edge, alone", {1024, 768}, EdgeBottom, {100, 468, 500, 868}, false, {}, true},
        {"maximised, 8 px over each side", {1024, 768}, EdgeTop, {-8, -8, 1032, 776}, false, {}, true},
        {"larger than the screen, mostly off it", {1024, 768}, EdgeLeft, {-2000, -1000, 1500, 1500}, false, {}, true},
        {"larger than the screen, but short of its bottom", {1024, 768}, EdgeLeft, {-2000, -1000, 1500, 700}, false,
         {}, false},
        {"portrait, maximised", {768, 1024}, EdgeBottom, {-8, -8, 776, 1032}, false, {}, true},
        {"8 px over the edge from a monitor to the left", {1024, 768}, EdgeLeft, {-600, 100, 8, 300}, true, leftOf1024,
         false},
        {"maximised on the monitor to the left", {1024, 768}, EdgeLeft, {-1288, -8, 8, 1032}, true, leftOf1024, false},
        {"mostly ours, overhanging the monitor to the left", {1024, 768}, EdgeLeft, {-100, 100, 300, 300}, true,
         leftOf1024, true},
        {"maximised on the monitor below", {1024, 768}, EdgeBottom, {-8, 760, 1032, 1544}, true, belowOf1024, false},
        {"half on each, ours wins the tie", {1024, 768}, EdgeBottom, {100, 668, 300, 868}, true, belowOf1024, true},
        {"portrait, wholly below", {768, 1024}, EdgeRight, {700, 1030, 760, 1100}, false, {}, false},
        {"portrait, in the strip", {768, 1024}, EdgeRight, {700, 900, 760, 1020}, false, {}, true},
        {"portrait, 8 px over from the right", {768, 1024}, EdgeRight, {760, 200, 1500, 600}, true, rightOf768, false},
    };
    for (const Row& r : rows) {
        CAPTURE(r.what);
        const Monitors monitors = {{{0, 0, r.screen.width, r.screen.height}, r.monitor}, r.second ? 2 : 1};
        const int line = WipeLine(r.edge, r.screen, 150);
        const bool taken = !IsBeyondEdge(r.edge, r.window, r.screen) && ReachesPastLine(r.edge, r.window, line) &&
                           MeetsScreenAlongEdge(r.edge, r.window, r.screen) &&
                           LargerPartOn(r.window, monitors, 0);
        CHECK(taken == r.taken);
    }
}
