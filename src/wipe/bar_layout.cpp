#include "bar_layout.h"

#include "../config/bar_look.h"

// A bit of the style word's class-specific half that the bars have always
// carried; the system gives it no meaning for a popup.
const DWORD kBarClassStyleBit = 0x80;

HWND CreateBarWindow(HINSTANCE instance, const char* className, HWND owner, Edge edge, const Rect& at)
{
    HWND bar = CreateWindowExA(WS_EX_TOOLWINDOW | WS_EX_TOPMOST, className, kEdges[edge].barTitle,
                               WS_POPUP | kBarClassStyleBit, at.left, at.top, at.right - at.left, at.bottom - at.top,
                               owner, nullptr, instance, nullptr);
    // Stored one higher, so that a window of the class that is no bar reads 0.
    if (bar)
        SetWindowLongPtrA(bar, GWLP_USERDATA, edge + 1);
    return bar;
}

bool BarEdgeOf(HWND bar, Edge* edge)
{
    const LONG_PTR stored = GetWindowLongPtrA(bar, GWLP_USERDATA);
    if (stored < 1 || stored > EdgeCount)
        return false;
    *edge = static_cast<Edge>(stored - 1);
    return true;
}

bool IsOneOfBars(const HWND* bars, HWND window)
{
    for (int e = 0; e < EdgeCount; ++e)
        if (bars[e] == window)
            return true;
    return false;
}

ScreenSize PrimaryScreenSize()
{
    const int height = GetSystemMetrics(SM_CYSCREEN);
    return ScreenSize{GetSystemMetrics(SM_CXSCREEN), height};
}

void ShowEnabledBars(const HWND* bars, const Settings& settings)
{
    for (int e = 0; e < EdgeCount; ++e) {
        ShowWindow(bars[e], EdgeEnabled(settings, static_cast<Edge>(e)) ? SW_SHOW : SW_HIDE);
        UpdateWindow(bars[e]);
    }
}

void ApplyBarLayout(const HWND* bars, const Settings& s, ScreenSize screen, HBRUSH* barBrush,
                    BarActivation activation)
{
    if (*barBrush)
        DeleteObject(*barBrush);
    *barBrush = CreateSolidBrush(BarColour(s));

    for (int e = 0; e < EdgeCount; ++e) {
        if (!EdgeEnabled(s, static_cast<Edge>(e)))
            continue;
        HWND bar = bars[e];
        // All windows of the class share one background brush.
        SetClassLongPtrA(bar, GCLP_HBRBACKGROUND, reinterpret_cast<LONG_PTR>(*barBrush));
        InvalidateRect(bar, nullptr, TRUE);
        const Rect r = BarRestRect(static_cast<Edge>(e), screen, s.width, s.offset);
        SetWindowPos(bar, HWND_TOPMOST, r.left, r.top, r.right - r.left, r.bottom - r.top,
                     SWP_SHOWWINDOW | (activation == KeepForeground ? SWP_NOACTIVATE : 0));
    }

    const BYTE opacity = BarOpacity(s.transparency);
    for (int e = 0; e < EdgeCount; ++e) {
        HWND bar = bars[e];
        SetWindowLongA(bar, GWL_EXSTYLE, GetWindowLongA(bar, GWL_EXSTYLE) | WS_EX_LAYERED);
        SetLayeredWindowAttributes(bar, 0, opacity, LWA_ALPHA);
    }
}

void MoveBarsHome(const HWND* bars, const Settings& s, ScreenSize screen)
{
    for (int e = 0; e < EdgeCount; ++e) {
        const Rect r = BarRestRect(static_cast<Edge>(e), screen, s.width, s.offset);
        SetWindowPos(bars[e], HWND_TOP, r.left, r.top, 0, 0, SWP_NOACTIVATE | SWP_NOSIZE);
    }
}

void ConstrainBarDrag(Edge edge, RECT* proposed, const Settings& settings, ScreenSize screen)
{
    const Rect r = ConstrainedDragRect(edge, Rect{proposed->left, proposed->top, proposed->right, proposed->bottom},
                                       screen, settings.offset);
    *proposed = RECT{r.left, r.top, r.right, r.bottom};
}
