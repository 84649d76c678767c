// Plain screen geometry shared by every part of the program: the four edges,
// points, rectangles, the screen's size and the set of monitors. No window handles here, so the
// rules built on them compile and are tested natively.
#pragma once

// Every per-edge sequence (creation, layout, hit tests, moving home) runs in this order.
enum Edge { EdgeLeft = 0, EdgeRight = 1, EdgeTop = 2, EdgeBottom = 3 };
const int EdgeCount = 4;

struct Point {
    int x;
    int y;
};

struct Rect {
    int left;
    int top;
    int right;
    int bottom;
};

struct ScreenSize {
    int width;
    int height;
};

// The monitors as the system lays them out, the primary first, in its
// coordinates: the primary's top-left is 0,0, and a monitor left of or above
// it has negative ones.
const int kMaxMonitors = 16;

struct Monitors {
    Rect rects[kMaxMonitors];
    int count;
};

inline bool operator==(Point a, Point b) { return a.x == b.x && a.y == b.y; }
inline bool operator==(const Rect& a, const Rect& b)
{
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}
