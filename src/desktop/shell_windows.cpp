#include "shell_windows.h"

#include "cloaking.h"

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
