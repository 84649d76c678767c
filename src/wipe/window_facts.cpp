#include "window_facts.h"

#include "../processes/system_library.h"

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
            query.getAttribute = reinterpret_cast<DwmGetWindowAttributeFn>(
                reinterpret_cast<void*>(GetProcAddress(query.dwmapi, "DwmGetWindowAttribute")));
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
