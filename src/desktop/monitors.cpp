#include "monitors.h"

#include "../processes/system_library.h"

static bool s_monitorsDeclared;
static Monitors s_declaredMonitors;

void SetMonitorsForTests(const Rect* monitors, int count)
{
    s_monitorsDeclared = monitors != nullptr;
    s_declaredMonitors.count = 0;
    for (int i = 0; monitors && i < count && i < kMaxMonitors; ++i)
        s_declaredMonitors.rects[s_declaredMonitors.count++] = monitors[i];
}

static BOOL CALLBACK AddMonitor(HMONITOR monitor, HDC, LPRECT, LPARAM param)
{
    Monitors& monitors = *reinterpret_cast<Monitors*>(param);
    MONITORINFO info = {};
    info.cbSize = sizeof info;
    if (monitors.count == kMaxMonitors || !GetMonitorInfoA(monitor, &info))
        return TRUE;
    const Rect r = {info.rcMonitor.left, info.rcMonitor.top, info.rcMonitor.right, info.rcMonitor.bottom};
    // The primary goes first.
    if (info.dwFlags & MONITORINFOF_PRIMARY) {
        monitors.rects[monitors.count++] = monitors.rects[0];
        monitors.rects[0] = r;
    } else {
        monitors.rects[monitors.count++] = r;
    }
    return TRUE;
}

void FindMonitors(Monitors& monitors)
{
    if (s_monitorsDeclared) {
        monitors = s_declaredMonitors;
        return;
    }
    monitors.count = 0;
    EnumDisplayMonitors(nullptr, nullptr, AddMonitor, reinterpret_cast<LPARAM>(&monitors));
}

ScreenSize PrimaryScreenSize()
{
    const int height = GetSystemMetrics(SM_CYSCREEN);
    return ScreenSize{GetSystemMetrics(SM_CXSCREEN), height};
}

static int (*s_dpiTest)(const Rect&);

void SetMonitorDpiForTests(int (*dpiOf)(const Rect& monitor)) { s_dpiTest = dpiOf; }

int SystemDpi()
{
    HDC screen = GetDC(nullptr);
    const int dpi = screen ? GetDeviceCaps(screen, LOGPIXELSX) : 0;
    if (screen)
        ReleaseDC(nullptr, screen);
    return dpi;
}

typedef HRESULT(WINAPI* GetDpiForMonitorFn)(HMONITOR, int, UINT*, UINT*);
const int kEffectiveDpi = 0;  // MDT_EFFECTIVE_DPI

// shcore.dll answers from Windows 8.1 on; it is loaded once, when first needed.
int DpiOfMonitor(const Rect& monitor)
{
    if (s_dpiTest)
        return s_dpiTest(monitor);
    static bool tried;
    static GetDpiForMonitorFn getDpiForMonitor;
    if (!tried) {
        tried = true;
        if (HMODULE shcore = LoadSystemLibrary("shcore.dll"))
            getDpiForMonitor = LibraryFunction<GetDpiForMonitorFn>(shcore, "GetDpiForMonitor");
    }
    const POINT middle = {(monitor.left + monitor.right) / 2, (monitor.top + monitor.bottom) / 2};
    UINT x = 0, y = 0;
    if (getDpiForMonitor &&
        SUCCEEDED(getDpiForMonitor(MonitorFromPoint(middle, MONITOR_DEFAULTTONEAREST), kEffectiveDpi, &x, &y)) && x)
        return static_cast<int>(x);
    return SystemDpi();
}
