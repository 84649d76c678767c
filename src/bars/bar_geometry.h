// Where the edge bars stand and how they look, as plain arithmetic over the
// screen size and the settings. No window handles here, so every rule can be
// checked natively against tables of screens.
#pragma once
#include <cstdint>

enum Edge { EdgeLeft = 0, EdgeRight = 1, EdgeTop = 2, EdgeBottom = 3 };
const int EdgeCount = 4;

struct Point { int x; int y; };
struct Rect { int left; int top; int right; int bottom; };
struct ScreenSize { int width; int height; };

inline bool operator==(Point a, Point b) { return a.x == b.x && a.y == b.y; }
inline bool operator==(const Rect& a, const Rect& b)
{
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

// The bar's rectangle at rest, for thickness t and corner margin m.
Rect BarRestRect(Edge edge, ScreenSize screen, int thickness, int margin);

// Top-left corner of a bar while its edge is wiped by distance d.
Point BarWipedCorner(Edge edge, ScreenSize screen, int margin, int distance);

// The screen coordinate windows are pushed to when the edge is wiped by d.
int WipeLine(Edge edge, ScreenSize screen, int distance);

// The wipe line given by a bar dropped at `barRect`: its side facing the screen's middle.
int BarInnerSide(Edge edge, const Rect& barRect);

// A bar being dragged keeps its length and margins and slides along one axis.
Rect ConstrainedDragRect(Edge edge, const Rect& proposed, ScreenSize screen, int margin);

// Layered-window opacity for a transparency percentage (0 opaque).
uint8_t BarOpacity(int alphaPercent);

// 0x00BBGGRR from the low 8 bits of each component.
uint32_t BarColour(int red, int green, int blue);
