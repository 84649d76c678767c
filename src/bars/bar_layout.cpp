#include "bar_layout.h"

#include "../app/app_state.h"

bool EdgeEnabled(Edge edge)
{
    const Settings& s = g_app.settings;
    const int flags[EdgeCount] = {s.left, s.right, s.top, s.bottom};
    return flags[edge] != 0;
}

bool BarEdge(HWND window, Edge* edge)
{
    for (int e = 0; e < EdgeCount; ++e) {
        if (g_app.bars[e] == window) {
            *edge = static_cast<Edge>(e);
            return true;
        }
    }
    return false;
}

void ShowEnabledBars()
{
    for (int e = 0; e < EdgeCount; ++e) {
        ShowWindow(g_app.bars[e], EdgeEnabled(static_cast<Edge>(e)) ? SW_SHOW : SW_HIDE);
        UpdateWindow(g_app.bars[e]);
    }
}

ScreenSize PrimaryScreenSize()
{
    const int height = GetSystemMetrics(SM_CYSCREEN);
    return ScreenSize{GetSystemMetrics(SM_CXSCREEN), height};
}

void ApplyBarLayout(BarActivation activation)
{
    const Settings& s = g_app.settings;
    if (g_app.barBrush)
        DeleteObject(g_app.barBrush);
    g_app.barBrush = CreateSolidBrush(BarColour(s.red, s.green, s.blue));

    for (int e = 0; e < EdgeCount; ++e) {
        if (!EdgeEnabled(static_cast<Edge>(e)))
            continue;
        HWND bar = g_app.bars[e];
        // All windows of the class share one background brush.
        SetClassLongPtrA(bar, GCLP_HBRBACKGROUND, reinterpret_cast<LONG_PTR>(g_app.barBrush));
        InvalidateRect(bar, nullptr, TRUE);
        const Rect r = BarRestRect(static_cast<Edge>(e), g_app.screen, s.width, s.offset);
        SetWindowPos(bar, HWND_TOPMOST, r.left, r.top, r.right - r.left, r.bottom - r.top,
                     SWP_SHOWWINDOW | (activation == KeepForeground ? SWP_NOACTIVATE : 0));
    }

    const BYTE opacity = BarOpacity(s.alpha);
    for (int e = 0; e < EdgeCount; ++e) {
        HWND bar = g_app.bars[e];
        SetWindowLongA(bar, GWL_EXSTYLE, GetWindowLongA(bar, GWL_EXSTYLE) | WS_EX_LAYERED);
        SetLayeredWindowAttributes(bar, 0, opacity, LWA_ALPHA);
    }
}

void MoveBarsHome()
{
    const Settings& s = g_app.settings;
    for (int e = 0; e < EdgeCount; ++e) {
        const Rect r = BarRestRect(static_cast<Edge>(e), g_app.screen, s.width, s.offset);
        SetWindowPos(g_app.bars[e], HWND_TOP, r.left, r.top, 0, 0, SWP_NOACTIVATE | SWP_NOSIZE);
    }
}

Point BarWipedPosition(Edge edge, int distance)
{
    return BarWipedCorner(edge, g_app.screen, g_app.settings.offset, distance);
}

void ConstrainBarDrag(HWND window, RECT* proposed)
{
    Edge edge;
    if (!BarEdge(window, &edge))
        return;
    const Rect r = ConstrainedDragRect(edge, Rect{proposed->left, proposed->top, proposed->right, proposed->bottom},
                                       g_app.screen, g_app.settings.offset);
    *proposed = RECT{r.left, r.top, r.right, r.bottom};
}
