#include "window_facts.h"

#include <cstring>

#include "../config/config_path.h"

// Cloaked windows keep WS_VISIBLE; only DWM tells.
const DWORD kDwmCloaked = 14;  // DWMWA_CLOAKED, which older SDKs lack

// Long enough for every class name compared here.
const int kClassNameSize = 32;

static bool (*s_cloakedTest)(HWND);

ShellWindows FindShellWindows()
{
    ShellWindows shell = {GetShellWindow(), FindWindowA("Progman", "Program Manager"), 0};
    if (shell.shell)
        GetWindowThreadProcessId(shell.shell, &shell.shellProcess);
    return shell;
}

static bool ClassIs(const char* name, const char* expected) { return strcmp(name, expected) == 0; }

static bool IsShellProcess(const ShellWindows& shell, HWND window)
{
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    return shell.shellProcess && process == shell.shellProcess;
}

static bool IsDesktop(const ShellWindows& shell, HWND window, const char* className)
{
    if (window == shell.shell || window == shell.programManager)
        return true;
    if (ClassIs(className, "WorkerW") && IsShellProcess(shell, window))
        return true;
    return FindWindowExA(window, nullptr, "SHELLDLL_DefView", nullptr) != nullptr;
}

bool IsDesktopOfShell(const ShellWindows& shell, HWND window)
{
    char name[kClassNameSize] = "";
    GetClassNameA(window, name, sizeof name);
    return IsDesktop(shell, window, name);
}

bool IsShellsOwnWindow(const ShellWindows& shell, HWND window)
{
    char name[kClassNameSize] = "";
    GetClassNameA(window, name, sizeof name);
    return ClassIs(name, "Shell_TrayWnd") || ClassIs(name, "Shell_SecondaryTrayWnd") ||
           IsDesktop(shell, window, name);
}

// Loaded from the system folder by full path, never from the program's own.
static HMODULE LoadSystemDwmapi()
{
    char dir[MAX_PATH], path[MAX_PATH];
    const UINT n = GetSystemDirectoryA(dir, sizeof dir);
    if (n == 0 || n >= sizeof dir || !JoinConfigPath(dir, "dwmapi.dll", path, sizeof path))
        return nullptr;
    return LoadLibraryA(path);
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
        query.dwmapi = LoadSystemDwmapi();
        if (query.dwmapi)
            query.getAttribute = reinterpret_cast<DwmGetWindowAttributeFn>(
                reinterpret_cast<void*>(GetProcAddress(query.dwmapi, "DwmGetWindowAttribute")));
    }
    DWORD cloaked = 0;
    return query.getAttribute && SUCCEEDED(query.getAttribute(window, kDwmCloaked, &cloaked, sizeof cloaked)) &&
           cloaked != 0;
}

void SetCloakedWindowTest(bool (*isCloaked)(HWND)) { s_cloakedTest = isCloaked; }

ShowState ShowStateOf(HWND window)
{
    const LONG style = GetWindowLongA(window, GWL_STYLE);
    return (style & WS_MINIMIZE) ? ShownMinimised : (style & WS_MAXIMIZE) ? ShownMaximised : ShownNormal;
}
