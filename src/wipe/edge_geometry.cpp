#include "edge_geometry.h"

#include "../config/edges.h"

namespace {
// A rectangle's extent along one axis.
struct Span {
    int lo, hi;
};

Axis AxisOf(Edge edge) { return kEdges[edge].axis; }
Axis Other(Axis a) { return a == AxisX ? AxisY : AxisX; }
int Inward(Edge edge) { return kEdges[edge].inward; }

Span SpanOf(const Rect& r, Axis a) { return a == AxisX ? Span{r.left, r.right} : Span{r.top, r.bottom}; }
int Extent(ScreenSize s, Axis a) { return a == AxisX ? s.width : s.height; }
int Coordinate(Point p, Axis a) { return a == AxisX ? p.x : p.y; }

// A rectangle or point from its place on an axis and on the other one.
Rect RectOf(Axis a, Span on, Span off)
{
    return a == AxisX ? Rect{on.lo, off.lo, on.hi, off.hi} : Rect{off.lo, on.lo, off.hi, on.hi};
}

Point PointOf(Axis a, int on, int off) { return a == AxisX ? Point{on, off} : Point{off, on}; }

// The screen's edge itself, as a coordinate on the edge's axis.
int EdgeCoordinate(Edge edge, ScreenSize s) { return Inward(edge) > 0 ? 0 : Extent(s, AxisOf(edge)); }

// The side of a rectangle that faces the edge, and the one that faces away.
int NearSide(Edge edge, const Rect& r)
{
    const Span s = SpanOf(r, AxisOf(edge));
    return Inward(edge) > 0 ? s.lo : s.hi;
}

int FarSide(Edge edge, const Rect& r)
{
    const Span s = SpanOf(r, AxisOf(edge));
    return Inward(edge) > 0 ? s.hi : s.lo;
}

Span Between(int a, int b) { return a < b ? Span{a, b} : Span{b, a}; }
}

Rect BarRestRect(Edge edge, ScreenSize screen, int t, int m)
{
    const Axis axis = AxisOf(edge);
    const int outer = EdgeCoordinate(edge, screen);
    return RectOf(axis, Between(outer, outer + Inward(edge) * t), Span{m, Extent(screen, Other(axis)) - m});
}

Point BarWipedCorner(Edge edge, ScreenSize screen, int m, int d)
{
    return PointOf(AxisOf(edge), WipeLine(edge, screen, d), m);
}

int WipeLine(Edge edge, ScreenSize screen, int d) { return EdgeCoordinate(edge, screen) + Inward(edge) * d; }

int BarInnerSide(Edge edge, const Rect& r) { return FarSide(edge, r); }

bool BackAtRest(Edge edge, const Rect& bar, const Rect& rest)
{
    return Inward(edge) * (FarSide(edge, bar) - FarSide(edge, rest)) <= 0;
}

Rect ConstrainedDragRect(Edge edge, const Rect& proposed, ScreenSize screen, int m)
{
    const Axis axis = AxisOf(edge);
    return RectOf(axis, SpanOf(proposed, axis), Span{m, Extent(screen, Other(axis)) - m});
}

bool IsBeyondEdge(Edge edge, const Rect& r, ScreenSize screen)
{
    return Inward(edge) * (FarSide(edge, r) - EdgeCoordinate(edge, screen)) < 0;
}

bool ReachesPastLine(Edge edge, const Rect& r, int line) { return Inward(edge) * (NearSide(edge, r) - line) <= 0; }

bool MeetsScreenAlongEdge(Edge edge, const Rect& r, ScreenSize screen)
{
    const Axis along = Other(AxisOf(edge));
    const Span s = SpanOf(r, along);
    return s.lo < Extent(screen, along) && s.hi > 0;
}

Point PushedCorner(Edge edge, const Rect& r, int line)
{
    const Axis axis = AxisOf(edge);
    const Point corner{r.left, r.top};
    return PointOf(axis, Coordinate(corner, axis) + line - NearSide(edge, r), Coordinate(corner, Other(axis)));
}

Point FollowedCorner(Edge edge, const Rect& r, int line, Point home)
{
    const Axis axis = AxisOf(edge);
    const Point to = PushedCorner(edge, r, line);
    const int on = Coordinate(to, axis), homeOn = Coordinate(home, axis);
    return Inward(edge) * (on - homeOn) < 0 ? PointOf(axis, homeOn, Coordinate(to, Other(axis))) : to;
}
