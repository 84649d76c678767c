// What the system says about other programs' windows that decides whether a
// wipe may move them, and whether one in front keeps a wipe: the shell's own
// windows, cloaking, and how a window is shown.
#pragma once
#include <windows.h>

#include "../common/geometry.h"
#include "moved_windows.h"

// The shell's own top-level windows, found once per push or per look at the
// front, so that no window costs a question more than a handle comparison.
const int kMaxShellWindows = 32;

struct ShellWindows {
    HWND shell;           // GetShellWindow(); none where no shell runs
    HWND programManager;  // the desktop's "Program Manager" window
    HWND desktops[kMaxShellWindows];  // windows showing the desktop: the icons' WorkerW and the shell's others
    int desktopCount;
    HWND taskbars[kMaxShellWindows];  // Shell_TrayWnd and Shell_SecondaryTrayWnd
    int taskbarCount;
};

void FindShellWindows(ShellWindows& shell);

// The desktop itself: the shell window, "Program Manager", a window holding
// the desktop icons (Windows moves them into a WorkerW after a wallpaper
// change or Win+D), and the shell's other WorkerW windows.
bool IsDesktopOfShell(const ShellWindows& shell, HWND window);

// The desktop or a taskbar on any screen: a wipe never pushes them.
bool IsShellsOwnWindow(const ShellWindows& shell, HWND window);

typedef HRESULT(WINAPI* DwmGetWindowAttributeFn)(HWND, DWORD, PVOID, DWORD);

// The window Windows itself would bring forward when the one in front goes:
// the first, top down, that is shown and not minimised, can take the
// keyboard, is no tool window and no window of the shell or among the
// `skipCount` in `skip`. Without one, the desktop's own window.
HWND WindowToActivateInstead(const HWND* skip, int skipCount);

// One push's questions about cloaking: dwmapi.dll is loaded at most once.
struct CloakQuery {
    bool tried;
    HMODULE dwmapi;
    DwmGetWindowAttributeFn getAttribute;
};

void BeginCloakQuery(CloakQuery& query);
void EndCloakQuery(CloakQuery& query);

// True for a window Windows hides by cloaking (another virtual desktop, a
// suspended app). Without DWM (Windows XP) or an answer (Wine), not cloaked.
bool IsCloaked(CloakQuery& query, HWND window);

// Lets a test declare windows cloaked, as Wine never does; none restores the
// system's answer.
void SetCloakedWindowTest(bool (*isCloaked)(HWND window));

// How a window is shown, from its style: no message is sent to its program.
ShowState ShowStateOf(LONG style);

// The monitors, the primary first: found once per push, at start-up and
// when the displays change, and nowhere else.
void FindMonitors(Monitors& monitors);

// A monitor's DPI, the system's own where Windows cannot tell one monitor's
// (before 8.1), and the system's.
int DpiOfMonitor(const Rect& monitor);
int SystemDpi();

// Lets a test give monitors DPIs of their own, as Wine shows every monitor
// at the system's; none restores the system's answer.
void SetMonitorDpiForTests(int (*dpiOf)(const Rect& monitor));

// Lets a test declare the monitors, the primary first, as Wine under Xvfb
// shows only one; none restores the system's answer.
void SetMonitorsForTests(const Rect* monitors, int count);

typedef HRESULT(WINAPI* QueryNotificationStateFn)(int* state);

// What was last seen in front, so that the full-screen question costs a
// look at the window in front and nothing more while nothing changes.
struct FrontWindowLook {
    HWND window;
    RECT rect;
    LONG style;
    unsigned fullScreenOn;  // one bit per monitor
    bool shellTried;  // shell32.dll's notification state, looked up once, when first needed
    QueryNotificationStateFn queryNotificationState;
};

// The monitors among the first `count` on which a program shows full
// screen, one bit each: the window in front covers the whole monitor and is
// neither the desktop nor one of the `barCount` bars, and has no caption and
// is not maximised, or Windows says a full-screen program, a game or a
// presentation runs. A maximised window covers its monitor too where the
// taskbar hides itself; it is no full-screen program.
unsigned FullScreenInFront(FrontWindowLook& look, const HWND* bars, int barCount, const Monitors& monitors,
                           int count);
