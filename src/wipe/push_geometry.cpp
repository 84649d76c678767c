#include "push_geometry.h"

#include "../config/edge_axis.h"

bool IsBeyondEdge(Edge edge, const Rect& r, ScreenSize screen)
{
    return Inward(edge) * (FarSide(edge, r) - EdgeCoordinate(edge, screen)) < 0;
}

bool ReachesPastLine(Edge edge, const Rect& r, int line) { return Inward(edge) * (NearSide(edge, r) - line) <= 0; }

bool MeetsScreenAlongEdge(Edge edge, const Rect& r, ScreenSize screen)
{
    const Axis along = OtherAxis(AxisOf(edge));
    const Span s = SpanOf(r, along);
    return s.lo < Extent(screen, along) && s.hi > 0;
}

Point PushedCorner(Edge edge, const Rect& r, int line)
{
    const Axis axis = AxisOf(edge);
    const Point corner{r.left, r.top};
    return PointOf(axis, Coordinate(corner, axis) + line - NearSide(edge, r), Coordinate(corner, OtherAxis(axis)));
}

Point FollowedCorner(Edge edge, const Rect& r, int line, Point home)
{
    const Axis axis = AxisOf(edge);
    const Point to = PushedCorner(edge, r, line);
    const int on = Coordinate(to, axis), homeOn = Coordinate(home, axis);
    return Inward(edge) * (on - homeOn) < 0 ? PointOf(axis, homeOn, Coordinate(to, OtherAxis(axis))) : to;
}
