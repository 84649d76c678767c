#include <doctest/doctest.h>

#include <cstdint>
#include <vector>

#include "bars/moved_windows.h"

namespace {
WindowHandle H(uintptr_t n) { return reinterpret_cast<WindowHandle>(n); }

struct Move { WindowHandle window; int left, top; };

std::vector<Move> Restore(MovedWindowTable& t)
{
    std::vector<Move> moves;
    RestoreMovedWindowTable(t, [](WindowHandle w, int l, int top, void* c) {
        static_cast<std::vector<Move>*>(c)->push_back(Move{w, l, top});
    }, &moves);
    return moves;
}
}

TEST_CASE("recorded windows are restored in order and the table empties")
{
    static MovedWindowTable t;
    ClearMovedWindowTable(t);
    RecordMovedWindow(t, H(1), 10, 20);
    RecordMovedWindow(t, H(2), -4, 30);
    CHECK(t.count == 2);
    CHECK(IsMovedWindow(t, H(1)));
    CHECK_FALSE(IsMovedWindow(t, H(3)));
    const auto moves = Restore(t);
    REQUIRE(moves.size() == 2);
    CHECK(moves[0].window == H(1));
    CHECK(moves[0].left == 10);
    CHECK(moves[0].top == 20);
    CHECK(moves[1].window == H(2));
    CHECK(moves[1].left == -4);
    CHECK(t.count == 0);
    CHECK_FALSE(IsMovedWindow(t, H(1)));
    CHECK(Restore(t).empty());
}

TEST_CASE("records of a later wipe join those of an earlier one and every home is restored once")
{
    static MovedWindowTable t;
    ClearMovedWindowTable(t);
    // The first press of a double-click pushes onto the bar at rest...
    RecordMovedWindow(t, H(1), -4, -4);
    RecordMovedWindow(t, H(2), 0, 300);
    // ...and the wipe that follows finds them recorded and adds the others.
    for (uintptr_t w : {1u, 2u})
        CHECK(IsMovedWindow(t, H(w)));
    RecordMovedWindow(t, H(3), 60, 10);
    CHECK(t.count == 3);
    const auto moves = Restore(t);
    REQUIRE(moves.size() == 3);
    CHECK(moves[0].window == H(1));
    CHECK(moves[0].left == -4);
    CHECK(moves[0].top == -4);
    CHECK(moves[1].window == H(2));
    CHECK(moves[1].top == 300);
    CHECK(moves[2].window == H(3));
    CHECK(moves[2].left == 60);
    for (uintptr_t w : {1u, 2u, 3u})
        CHECK_FALSE(IsMovedWindow(t, H(w)));
}

TEST_CASE("the table holds 256 windows and no more")
{
    static MovedWindowTable t;
    ClearMovedWindowTable(t);
    for (uintptr_t i = 1; i <= 256; ++i) {
        CHECK_FALSE(MovedWindowTableFull(t));
        RecordMovedWindow(t, H(i), 0, 0);
    }
    CHECK(MovedWindowTableFull(t));
    RecordMovedWindow(t, H(999), 0, 0);
    CHECK_FALSE(IsMovedWindow(t, H(999)));
    CHECK(t.count == 256);
    CHECK(Restore(t).size() == 256);
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
