#include "bar_layout.h"

#include "../config/bar_look.h"

// A bit of the style word's class-specific half that the bars have always
// carried; the system gives it no meaning for a popup.
const DWORD kBarClassStyleBit = 0x80;

HWND CreateBarWindow(HINSTANCE instance, const char* className, HWND owner, int place, const Rect& at)
{
    char title[kBarTitleSize];
    FormatBarTitle(place, title);
    // Layered from the start: made layered once shown, a bar would be drawn again.
    HWND bar = CreateWindowExA(WS_EX_TOOLWINDOW | WS_EX_TOPMOST | WS_EX_LAYERED, className, title,
                               WS_POPUP | kBarClassStyleBit, at.left, at.top, at.right - at.left, at.bottom - at.top,
                               owner, nullptr, instance, nullptr);
    // Stored one higher, so that a window of the class that is no bar reads 0.
    if (bar)
        SetWindowLongPtrA(bar, GWLP_USERDATA, place + 1);
    return bar;
}

bool BarPlaceOf(HWND bar, int* place)
{
    const LONG_PTR stored = GetWindowLongPtrA(bar, GWLP_USERDATA);
    if (stored < 1 || stored > kMaxBars)
        return false;
    *place = static_cast<int>(stored - 1);
    return true;
}

bool IsOneOfBars(const HWND* bars, int count, HWND window)
{
    for (int i = 0; i < count; ++i)
        if (bars[i] == window)
            return true;
    return false;
}

ScreenSize PrimaryScreenSize()
{
    const int height = GetSystemMetrics(SM_CYSCREEN);
    return ScreenSize{GetSystemMetrics(SM_CXSCREEN), height};
}

static bool Shows(int place, int inUse, const Settings& s) { return place < inUse && EdgeEnabled(s, EdgeOfBar(place)); }

void HideBarsOff(const HWND* bars, int count, int inUse, const Settings& settings)
{
    for (int i = 0; i < count; ++i)
        if (bars[i] && !Shows(i, inUse, settings))
            ShowWindow(bars[i], SW_HIDE);
}

void ApplyBarLayout(const HWND* bars, int count, int inUse, const Monitors& monitors, const Settings& s,
                    HBRUSH* barBrush, BarActivation activation)
{
    const HBRUSH oldBrush = *barBrush;
    *barBrush = CreateSolidBrush(BarColour(s));

    // Colour and opacity come before a bar shows, so it never shows without them.
    const BYTE opacity = BarOpacity(s.transparency);
    HWND anyBar = nullptr;
    for (int i = 0; i < count; ++i) {
        if (!bars[i])
            continue;
        SetLayeredWindowAttributes(bars[i], 0, opacity, LWA_ALPHA);
        anyBar = bars[i];
    }
    // All windows of the class share one background brush, set through any of
    // them; the old one is deleted only once the class has let it go.
    if (anyBar)
        SetClassLongPtrA(anyBar, GCLP_HBRBACKGROUND, reinterpret_cast<LONG_PTR>(*barBrush));
    if (oldBrush)
        DeleteObject(oldBrush);

    // Activated one by one, the bars would hand the foreground on from bar to
    // bar, each hand-over delaying the next bar's showing: every bar shows
    // first, then each takes the foreground in turn.
    for (int i = 0; i < inUse && i < count; ++i) {
        HWND bar = bars[i];
        if (!bar || !Shows(i, inUse, s))
            continue;
        InvalidateRect(bar, nullptr, TRUE);
        const Rect r = BarRestRectOn(i, monitors, s.width, s.offset);
        SetWindowPos(bar, HWND_TOPMOST, r.left, r.top, r.right - r.left, r.bottom - r.top,
                     SWP_SHOWWINDOW | SWP_NOACTIVATE);
    }
    // Painted at once, not when the message loop next turns: a bar never
    // stands unpainted while the others come forward.
    for (int i = 0; i < inUse && i < count; ++i)
        if (bars[i] && Shows(i, inUse, s))
            UpdateWindow(bars[i]);
    for (int i = 0; i < inUse && i < count && activation == ActivateBars; ++i)
        if (bars[i] && Shows(i, inUse, s))
            SetWindowPos(bars[i], HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
}

void MoveBarsHome(const HWND* bars, int inUse, const Monitors& monitors, const Settings& s)
{
    for (int i = 0; i < inUse; ++i) {
        if (!bars[i])
            continue;
        const Rect r = BarRestRectOn(i, monitors, s.width, s.offset);
        SetWindowPos(bars[i], HWND_TOP, r.left, r.top, 0, 0, SWP_NOACTIVATE | SWP_NOSIZE);
    }
}

void ConstrainBarDrag(int place, RECT* proposed, const Monitors& monitors, const Settings& settings)
{
    const Rect r = ConstrainedDragRectOn(place, Rect{proposed->left, proposed->top, proposed->right, proposed->bottom},
                                         monitors, settings.offset);
    *proposed = RECT{r.left, r.top, r.right, r.bottom};
}
