// The shell's own top-level windows (the desktop, its icons, the taskbars),
// and the window Windows would bring forward instead of one that goes.
#pragma once
#include <windows.h>

// Found once per push or per look at the front, so that no window costs a
// question more than a handle comparison.
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

// The window Windows itself would bring forward when the one in front goes:
// the first, top down, that is shown and not minimised, can take the
// keyboard, is no tool window and no window of the shell or among the
// `skipCount` in `skip`. Without one, the desktop's own window.
HWND WindowToActivateInstead(const HWND* skip, int skipCount);
