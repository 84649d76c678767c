// The edge table's arithmetic: every per-edge rule is written once, along the
// axis its edge pushes on and the one the edge runs along, and reads the
// edge's axis and direction from the table.
#pragma once
#include "../common/geometry.h"
#include "edges.h"

// A rectangle's extent along one axis.
struct Span {
    int lo, hi;
};

inline Axis AxisOf(Edge edge) { return kEdges[edge].axis; }
inline Axis OtherAxis(Axis a) { return a == AxisX ? AxisY : AxisX; }
inline int Inward(Edge edge) { return kEdges[edge].inward; }

inline Span SpanOf(const Rect& r, Axis a) { return a == AxisX ? Span{r.left, r.right} : Span{r.top, r.bottom}; }
inline int Extent(ScreenSize s, Axis a) { return a == AxisX ? s.width : s.height; }
inline int Coordinate(Point p, Axis a) { return a == AxisX ? p.x : p.y; }

// A rectangle or point from its place on an axis and on the other one.
inline Rect RectOf(Axis a, Span on, Span off)
{
    return a == AxisX ? Rect{on.lo, off.lo, on.hi, off.hi} : Rect{off.lo, on.lo, off.hi, on.hi};
}

inline Point PointOf(Axis a, int on, int off) { return a == AxisX ? Point{on, off} : Point{off, on}; }

// The screen's edge itself, as a coordinate on the edge's axis.
inline int EdgeCoordinate(Edge edge, ScreenSize s) { return Inward(edge) > 0 ? 0 : Extent(s, AxisOf(edge)); }

// The side of a rectangle that faces the edge, and the one that faces away.
inline int NearSide(Edge edge, const Rect& r)
{
    const Span s = SpanOf(r, AxisOf(edge));
    return Inward(edge) > 0 ? s.lo : s.hi;
}

inline int FarSide(Edge edge, const Rect& r)
{
    const Span s = SpanOf(r, AxisOf(edge));
    return Inward(edge) > 0 ? s.hi : s.lo;
}
