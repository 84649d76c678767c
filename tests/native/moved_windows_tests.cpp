#include <doctest/doctest.h>

#include <cstdint>
#include <vector>

#include "wipe/moved_windows.h"

namespace {
WindowHandle H(uintptr_t n) { return reinterpret_cast<WindowHandle>(n); }

struct Move { WindowHandle window; Point home; };

std::vector<Move> Restore(MovedWindowTable& t)
{
    std::vector<Move> moves;
    RestoreMovedWindowTable(t, [](const MovedWindowEntry& e, void* c) {
        static_cast<std::vector<Move>*>(c)->push_back(Move{e.window, e.home});
    }, &moves);
    return moves;
}

// One push's bookkeeping for a window read at `current` and sent to `to`.
void Push(MovedWindowTable& t, WindowHandle w, Point current, Point to)
{
    const Point at = SettledCorner(t, w, current);
    if (!IsMovedWindow(t, w))
        RecordMovedWindow(t, w, at, ShownNormal);
    NoteWindowSent(t, w, to);
}
}

TEST_CASE("recorded windows are sent home in order and the count empties")
{
    static MovedWindowTable t;
    ClearMovedWindowTable(t);
    Push(t, H(1), Point{10, 20}, Point{150, 20});
    Push(t, H(2), Point{-4, 30}, Point{150, 30});
    CHECK(t.count == 2);
    CHECK(IsMovedWindow(t, H(1)));
    CHECK_FALSE(IsMovedWindow(t, H(3)));
    const auto moves = Restore(t);
    REQUIRE(moves.size() == 2);
    CHECK(moves[0].window == H(1));
    CHECK(moves[0].home == Point{10, 20});
    CHECK(moves[1].window == H(2));
    CHECK(moves[1].home == Point{-4, 30});
    CHECK(t.count == 0);
    CHECK_FALSE(IsMovedWindow(t, H(1)));
    CHECK(Restore(t).empty());
}

TEST_CASE("records of a later wipe join those of an earlier one and every home is restored once")
{
    static MovedWindowTable t;
    ClearMovedWindowTable(t);
    // The first press of a double-click pushes onto the bar at rest...
    Push(t, H(1), Point{-4, -4}, Point{2, -4});
    Push(t, H(2), Point{0, 300}, Point{2, 300});
    // ...and the wipe that follows moves them on and adds the others.
    Push(t, H(1), Point{2, -4}, Point{150, -4});
    Push(t, H(2), Point{2, 300}, Point{150, 300});
    Push(t, H(3), Point{60, 10}, Point{150, 10});
    CHECK(t.count == 3);
    const auto moves = Restore(t);
    REQUIRE(moves.size() == 3);
    CHECK(moves[0].home == Point{-4, -4});
    CHECK(moves[1].home == Point{0, 300});
    CHECK(moves[2].home == Point{60, 10});
}

TEST_CASE("a window slow to take its moves keeps its home")
{
    static MovedWindowTable t;
    ClearMovedWindowTable(t);
    const Point home{10, 100}, out{150, 100};
    Push(t, H(1), home, out);
    SUBCASE("pushed again before the first push landed, it follows from where it was sent")
    {
        CHECK(SettledCorner(t, H(1), home) == out);
        Push(t, H(1), home, Point{60, 100});
        CHECK(SettledCorner(t, H(1), home) == Point{60, 100});
        REQUIRE(Restore(t).at(0).home == home);
    }
    Restore(t);
    SUBCASE("wiped again before the way home landed, it still belongs at home")
    {
        for (Point stale : {out, home}) {
            CAPTURE(stale.x);
            CHECK(SettledCorner(t, H(1), stale) == home);
        }
        Push(t, H(1), out, out);
        CHECK(t.count == 1);
        REQUIRE(Restore(t).at(0).home == home);
    }
    SUBCASE("moved by someone else since, its new place is its home")
    {
        const Point elsewhere{40, 500};
        CHECK(SettledCorner(t, H(1), elsewhere) == elsewhere);
        Push(t, H(1), elsewhere, Point{150, 500});
        REQUIRE(Restore(t).at(0).home == elsewhere);
    }
    SUBCASE("a window never moved is where it reads")
    {
        CHECK(SettledCorner(t, H(2), out) == out);
    }
}

TEST_CASE("the table holds 256 moved windows; windows sent home give way to new ones")
{
    static MovedWindowTable t;
    ClearMovedWindowTable(t);
    for (uintptr_t i = 1; i <= 256; ++i) {
        CHECK_FALSE(MovedWindowTableFull(t));
        Push(t, H(i), Point{0, 0}, Point{150, 0});
    }
    CHECK(MovedWindowTableFull(t));
    Push(t, H(999), Point{0, 0}, Point{150, 0});
    CHECK_FALSE(IsMovedWindow(t, H(999)));
    CHECK(t.count == 256);
    CHECK(Restore(t).size() == 256);
    for (uintptr_t i = 1001; i <= 1256; ++i)
        Push(t, H(i), Point{5, 5}, Point{150, 5});
    CHECK(t.count == 256);
    const auto moves = Restore(t);
    REQUIRE(moves.size() == 256);
    for (const Move& m : moves)
        CHECK(m.home == Point{5, 5});
}

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
