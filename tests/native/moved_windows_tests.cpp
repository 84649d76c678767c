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
