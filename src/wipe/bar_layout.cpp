#include "bar_layout.h"

#include "../config/bar_look.h"

// A bit of the style word's class-specific half that the bars have always
// carried; the system gives it no meaning for a popup.
const DWORD kBarClassStyleBit = 0x80;

HWND CreateBarWindow(HINSTANCE instance, const char* className, HWND owner, int place, const Rect& at)
{
    char title[kBarTitleSize];
    FormatBarTitle(place, title);
    HWND bar = CreateWindowExA(WS_EX_TOOLWINDOW | WS_EX_TOPMOST, className, title, WS_POPUP | kBarClassStyleBit,
                               at.left, at.top, at.right - at.left, at.bottom - at.top, owner, nullptr, instance,
                               nullptr);
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

void ShowEnabledBars(const HWND* bars, int count, int inUse, const Settings& settings)
{
    for (int i = 0; i < count; ++i) {
        ShowWindow(bars[i], Shows(i, inUse, settings) ? SW_SHOW : SW_HIDE);
        UpdateWindow(bars[i]);
    }
}

void ApplyBarLayout(const HWND* bars, int count, int inUse, const Monitors& monitors, const Settings& s,
                    HBRUSH* barBrush, BarActivation activation)
{
    if (*barBrush)
        DeleteObject(*barBrush);
    *barBrush = CreateSolidBrush(BarColour(s));

    for (int i = 0; i < inUse && i < count; ++i) {
        if (!Shows(i, inUse, s))
            continue;
        HWND bar = bars[i];
        // All windows of the class share one background brush.
        SetClassLongPtrA(bar, GCLP_HBRBACKGROUND, reinterpret_cast<LONG_PTR>(*barBrush));
        InvalidateRect(bar, nullptr, TRUE);
        const Rect r = BarRestRectOn(i, monitors, s.width, s.offset);
        SetWindowPos(bar, HWND_TOPMOST, r.left, r.top, r.right - r.left, r.bottom - r.top,
                     SWP_SHOWWINDOW | (activation == KeepForeground ? SWP_NOACTIVATE : 0));
    }

    const BYTE opacity = BarOpacity(s.transparency);
    for (int i = 0; i < count; ++i) {
        HWND bar = bars[i];
        SetWindowLongA(bar, GWL_EXSTYLE, GetWindowLongA(bar, GWL_EXSTYLE) | WS_EX_LAYERED);
        SetLayeredWindowAttributes(bar, 0, opacity, LWA_ALPHA);
    }
}

void MoveBarsHome(const HWND* bars, int inUse, const Monitors& monitors, const Settings& s)
{
    for (int i = 0; i < inUse; ++i) {
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
