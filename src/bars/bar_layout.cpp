#include "bar_layout.h"

#include "../config/bar_look.h"
#include "../config/edges.h"
#include "../desktop/monitor_rules.h"
#include "bar_geometry.h"

// A bit of the style word's class-specific half that the bars have always
// carried; the system gives it no meaning for a popup.
const DWORD kBarClassStyleBit = 0x80;

bool BarShows(const Bar& bar, int monitorsWithBars, const Settings& s)
{
    return bar.window && bar.monitor < monitorsWithBars && EdgeEnabled(s, bar.edge);
}

Rect BarRestRectOf(const Bar& bar, const Monitors& monitors, const Settings& s)
{
    return BarRestRectOn(bar.edge, MonitorOrPrimary(monitors, bar.monitor), s.width, s.offset);
}

HWND CreateBarWindow(HINSTANCE instance, const char* className, HWND owner, const Bar& bar, const Rect& at)
{
    char title[kBarTitleSize];
    FormatBarTitle(bar.edge, bar.monitor, title);
    // Layered from the start: made layered once shown, a bar would be drawn again.
    return CreateWindowExA(WS_EX_TOOLWINDOW | WS_EX_TOPMOST | WS_EX_LAYERED, className, title,
                           WS_POPUP | kBarClassStyleBit, at.left, at.top, at.right - at.left, at.bottom - at.top,
                           owner, nullptr, instance, nullptr);
}

void HideBarsOff(const BarList& bars, int monitorsWithBars, const Settings& s)
{
    for (const Bar& bar : bars)
        if (bar.window && !BarShows(bar, monitorsWithBars, s))
            ShowWindow(bar.window, SW_HIDE);
}

void ApplyBarLayout(const BarList& bars, int monitorsWithBars, const Monitors& monitors, const Settings& s,
                    HBRUSH* barBrush, BarActivation activation)
{
    const HBRUSH oldBrush = *barBrush;
    *barBrush = CreateSolidBrush(BarColour(s));

    // Colour and opacity come before a bar shows, so it never shows without them.
    const BYTE opacity = BarOpacity(s.transparency);
    HWND anyBar = nullptr;
    for (const Bar& bar : bars) {
        if (!bar.window)
            continue;
        SetLayeredWindowAttributes(bar.window, 0, opacity, LWA_ALPHA);
        anyBar = bar.window;
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
    for (const Bar& bar : bars) {
        if (!BarShows(bar, monitorsWithBars, s))
            continue;
        InvalidateRect(bar.window, nullptr, TRUE);
        const Rect r = BarRestRectOf(bar, monitors, s);
        SetWindowPos(bar.window, HWND_TOPMOST, r.left, r.top, r.right - r.left, r.bottom - r.top,
                     SWP_SHOWWINDOW | SWP_NOACTIVATE);
    }
    // Painted at once, not when the message loop next turns: a bar never
    // stands unpainted while the others come forward.
    for (const Bar& bar : bars)
        if (BarShows(bar, monitorsWithBars, s))
            UpdateWindow(bar.window);
    for (const Bar& bar : bars)
        if (activation == ActivateBars && BarShows(bar, monitorsWithBars, s))
            SetWindowPos(bar.window, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
}

void MoveBarsHome(const BarList& bars, int monitorsWithBars, const Monitors& monitors, const Settings& s)
{
    for (const Bar& bar : bars) {
        if (!bar.window || bar.monitor >= monitorsWithBars)
            continue;
        const Rect r = BarRestRectOf(bar, monitors, s);
        SetWindowPos(bar.window, HWND_TOP, r.left, r.top, 0, 0, SWP_NOACTIVATE | SWP_NOSIZE);
    }
}

void ConstrainBarDrag(const Bar& bar, RECT* proposed, const Monitors& monitors, const Settings& settings)
{
    const Rect r = ConstrainedDragRectOn(bar.edge, Rect{proposed->left, proposed->top, proposed->right, proposed->bottom},
                                         MonitorOrPrimary(monitors, bar.monitor), settings.offset);
    *proposed = RECT{r.left, r.top, r.right, r.bottom};
}
