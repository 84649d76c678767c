#include "bar_geometry.h"

Rect BarRestRect(Edge edge, ScreenSize screen, int t, int m)
{
    const int w = screen.width, h = screen.height;
    switch (edge) {
    case EdgeLeft:   return Rect{0, m, t, h - m};
    case EdgeRight:  return Rect{w - t, m, w, h - m};
    case EdgeTop:    return Rect{m, 0, w - m, t};
    case EdgeBottom: return Rect{m, h - t, w - m, h};
    }
    return Rect{0, 0, 0, 0};
}

Point BarWipedCorner(Edge edge, ScreenSize screen, int m, int d)
{
    switch (edge) {
    case EdgeLeft:   return Point{d, m};
    case EdgeRight:  return Point{screen.width - d, m};
    case EdgeTop:    return Point{m, d};
    case EdgeBottom: return Point{m, screen.height - d};
    }
    return Point{0, 0};
}

int WipeLine(Edge edge, ScreenSize screen, int d)
{
    switch (edge) {
    case EdgeLeft:
    case EdgeTop:    return d;
    case EdgeRight:  return screen.width - d;
    case EdgeBottom: return screen.height - d;
    }
    return 0;
}

int BarInnerSide(Edge edge, const Rect& r)
{
    switch (edge) {
    case EdgeLeft:   return r.right;
    case EdgeRight:  return r.left;
    case EdgeTop:    return r.bottom;
    case EdgeBottom: return r.top;
    }
    return 0;
}

Rect ConstrainedDragRect(Edge edge, const Rect& proposed, ScreenSize screen, int m)
{
    Rect r = proposed;
    if (edge == EdgeLeft || edge == EdgeRight) {
        r.top = m;
        r.bottom = screen.height - m;
    } else {
        r.left = m;
        r.right = screen.width - m;
    }
    return r;
}

uint8_t BarOpacity(int transparency)
{
    // 0 would make the bar vanish and stop taking clicks; the nearly invisible 1 keeps it usable.
    if (transparency == 100)
        return 1;
    return static_cast<uint8_t>((100 - transparency) * 255 / 100);
}

uint32_t BarColour(int red, int green, int blue)
{
    return (static_cast<uint32_t>(red) & 0xFF) | ((static_cast<uint32_t>(green) & 0xFF) << 8) |
           ((static_cast<uint32_t>(blue) & 0xFF) << 16);
}
