#include "window_facts.h"

#include "../processes/system_library.h"
#include "monitor_rules.h"

// Cloaked windows keep WS_VISIBLE; only DWM tells.
const DWORD kDwmCloaked = 14;  // DWMWA_CLOAKED, which older SDKs lack

static bool (*s_cloakedTest)(HWND);

// Every top-level window of a class, up to the room left.
static void Collect(const char* className, HWND* into, int& count, DWORD shellProcess, bool onlyDesktops)
{
    for (HWND w = FindWindowExA(nullptr, nullptr, className, nullptr); w && count < kMaxShellWindows;
         w = FindWindowExA(nullptr, w, className, nullptr)) {
        DWORD process = 0;
        GetWindowThreadProcessId(w, &process);
        const bool shells = shellProcess && process == shellProcess;
        if (!onlyDesktops || shells || FindWindowExA(w, nullptr, "SHELLDLL_DefView", nullptr))
            into[count++] = w;
    }
}

void FindShellWindows(ShellWindows& shell)
{
    shell.shell = GetShellWindow();
    shell.programManager = FindWindowA("Progman", "Program Manager");
    DWORD shellProcess = 0;
    if (shell.shell)
        GetWindowThreadProcessId(shell.shell, &shellProcess);
    shell.desktopCount = shell.taskbarCount = 0;
    Collect("WorkerW", shell.desktops, shell.desktopCount, shellProcess, true);
    Collect("Progman", shell.desktops, shell.desktopCount, shellProcess, true);
    Collect("Shell_TrayWnd", shell.taskbars, shell.taskbarCount, 0, false);
    Collect("Shell_SecondaryTrayWnd", shell.taskbars, shell.taskbarCount, 0, false);
}

static bool Among(const HWND* windows, int count, HWND window)
{
    for (int i = 0; i < count; ++i)
        if (windows[i] == window)
            return true;
    return false;
}

bool IsDesktopOfShell(const ShellWindows& shell, HWND window)
{
    return window == shell.shell || window == shell.programManager ||
           Among(shell.desktops, shell.desktopCount, window);
}

bool IsShellsOwnWindow(const ShellWindows& shell, HWND window)
{
    return IsDesktopOfShell(shell, window) || Among(shell.taskbars, shell.taskbarCount, window);
}

struct ActivationSearch {
    const HWND* skip;
    int skipCount;
    ShellWindows shell;
    CloakQuery cloak;
    HWND found;
};

static BOOL CALLBACK TakeIfOrdinary(HWND window, LPARAM param)
{
    ActivationSearch& search = *reinterpret_cast<ActivationSearch*>(param);
    const LONG style = GetWindowLongA(window, GWL_STYLE);
    const LONG exStyle = GetWindowLongA(window, GWL_EXSTYLE);
    if (!(style & WS_VISIBLE) || (style & (WS_MINIMIZE | WS_DISABLED)) ||
        (exStyle & (WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE)) || Among(search.skip, search.skipCount, window) ||
        IsShellsOwnWindow(search.shell, window) || IsCloaked(search.cloak, window))
        return TRUE;
    search.found = window;
    return FALSE;
}

HWND WindowToActivateInstead(const HWND* skip, int skipCount)
{
    ActivationSearch search = {skip, skipCount, {}, {}, nullptr};
    FindShellWindows(search.shell);
    BeginCloakQuery(search.cloak);
    EnumWindows(TakeIfOrdinary, reinterpret_cast<LPARAM>(&search));
    EndCloakQuery(search.cloak);
    if (search.found)
        return search.found;
    const ShellWindows& shell = search.shell;
    return shell.shell            ? shell.shell
           : shell.programManager ? shell.programManager
           : shell.desktopCount   ? shell.desktops[0]
                                  : GetDesktopWindow();
}

void BeginCloakQuery(CloakQuery& query) { query = CloakQuery{false, nullptr, nullptr}; }

void EndCloakQuery(CloakQuery& query)
{
    if (query.dwmapi)
        FreeLibrary(query.dwmapi);
    BeginCloakQuery(query);
}

bool IsCloaked(CloakQuery& query, HWND window)
{
    if (s_cloakedTest)
        return s_cloakedTest(window);
    if (!query.tried) {
        query.tried = true;
        query.dwmapi = LoadSystemLibrary("dwmapi.dll");
        if (query.dwmapi)
            query.getAttribute = LibraryFunction<DwmGetWindowAttributeFn>(query.dwmapi, "DwmGetWindowAttribute");
    }
    DWORD cloaked = 0;
    return query.getAttribute && SUCCEEDED(query.getAttribute(window, kDwmCloaked, &cloaked, sizeof cloaked)) &&
           cloaked != 0;
}

void SetCloakedWindowTest(bool (*isCloaked)(HWND)) { s_cloakedTest = isCloaked; }

ShowState ShowStateOf(LONG style)
{
    return (style & WS_MINIMIZE) ? ShownMinimised : (style & WS_MAXIMIZE) ? ShownMaximised : ShownNormal;
}

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

// SHQueryUserNotificationState's answers for a full-screen program, a
// Direct3D game and presentation mode; Windows XP has no such question.
const int kNotificationBusy = 2, kNotificationFullScreenGame = 3, kNotificationPresentation = 4;

static bool WindowsSaysFullScreen(FrontWindowLook& look)
{
    if (!look.shellTried) {
        look.shellTried = true;
        if (HMODULE shell32 = LoadSystemLibrary("shell32.dll"))
            look.queryNotificationState =
                LibraryFunction<QueryNotificationStateFn>(shell32, "SHQueryUserNotificationState");
    }
    int state = 0;
    return look.queryNotificationState && SUCCEEDED(look.queryNotificationState(&state)) &&
           (state == kNotificationBusy || state == kNotificationFullScreenGame || state == kNotificationPresentation);
}

static unsigned JudgeFullScreen(FrontWindowLook& look, const HWND* bars, int barCount, const Monitors& monitors,
                                int count)
{
    const RECT& r = look.rect;
    if (!look.window || look.window == GetDesktopWindow())
        return 0;
    const unsigned covered = MonitorsCovered(Rect{r.left, r.top, r.right, r.bottom}, monitors, count);
    if (!covered)
        return 0;
    for (int i = 0; i < barCount; ++i)
        if (bars[i] == look.window)
            return 0;
    ShellWindows shell;
    FindShellWindows(shell);
    if (IsDesktopOfShell(shell, look.window))
        return 0;
    const bool looksLikeAnApplication = (look.style & WS_MAXIMIZE) || (look.style & WS_CAPTION) == WS_CAPTION;
    return !looksLikeAnApplication || WindowsSaysFullScreen(look) ? covered : 0;
}

unsigned FullScreenInFront(FrontWindowLook& look, const HWND* bars, int barCount, const Monitors& monitors,
                           int count)
{
    HWND front = GetForegroundWindow();
    RECT rect = {};
    if (front && !GetWindowRect(front, &rect))
        front = nullptr;
    const LONG style = front ? GetWindowLongA(front, GWL_STYLE) : 0;
    if (front == look.window && EqualRect(&rect, &look.rect) && style == look.style)
        return look.fullScreenOn;
    look.window = front;
    look.rect = rect;
    look.style = style;
    look.fullScreenOn = JudgeFullScreen(look, bars, barCount, monitors, count);
    return look.fullScreenOn;
}
