// What the system says about other programs' windows that decides whether a
// wipe may move them, and whether one in front keeps a wipe: the shell's own
// windows, cloaking, and how a window is shown.
#pragma once
#include <windows.h>

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
