// Test helper: reports on and pokes at another process's windows from inside
// Wine, where the end-to-end tests cannot see window state from X alone.
//   probe windows CLASS           one line per window of the class
//   probe find TITLE              the line of the first window with that title
//   probe destroy TITLE           sends WM_DESTROY to it
//   probe activate TITLE          makes it the foreground window
//   probe show TITLE CMD          asks its program to show it so (ShowWindowAsync, SW_* number)
//   probe metrics                 icon spacing|screen width|screen height|DPI|vertical icon spacing
//   probe hang TITLE              makes testwin's process stop responding
//   probe resume                  lets it respond again
//   probe answers TITLE           exit code 0 when its program answers a message within 200 ms
//   probe load-in TITLE NAME      has the process owning that window load NAME by its bare name,
//                                 as its own code would; the path it got, or an empty line
//   probe resolution W H          changes the screen size (virtual desktop mode)
//   probe foreground              the line of the foreground window
//   probe focus                   the line of the top-level window with the keyboard focus
//   probe at X Y                  the line of the top-level window the system finds at that point
//   probe end-session             ends the session as Windows does: WM_QUERYENDSESSION to every
//                                 top-level window, then WM_ENDSESSION to every one; the
//                                 windows that did not agree, one title a line
//   probe font FACE POINTS        the face, height and average width the system gives that font
//   probe sheet                   every control of the open property sheet:
//                                 handle|parent handle|id|class|visible|rect|text
//   probe controls TITLE          the window with that title, then each of its controls as for sheet
//   probe box                     caption|text of the open message box
//   probe resources TITLE         gdi|user|handles|private bytes of the process owning that window
//   probe soak-wipes N OTHER      N double-click wipes of the Left bar, each ended by activating OTHER
//   probe soak-options N          N openings of the options sheet, each closed with OK
//   probe user-objects            USER objects (windows, menus, cursors...) in use in the session
//   probe gdi-objects TITLE       GDI objects in use by the process owning that window,
//                                 as type:count pairs (Wine's type numbers, in hex)
//   probe serve                   answers commands, one per line of standard input with
//                                 tab-separated arguments, each answer ending in a line
//                                 "\x1e" and the exit code: one process for a whole test
// The soak commands print "done|failures".
// A line reads: title|visible|left top right bottom|opacity|state
// (opacity -1: not layered; state: normal, maximized or minimized)
#include <windows.h>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "probe.h"
#include "resource.h"

static void PrintWindow(HWND w)
{
    char title[256] = "";
    GetWindowTextA(w, title, sizeof title);
    RECT r = {};
    GetWindowRect(w, &r);
    int opacity = -1;
    BYTE alpha = 0;
    DWORD flags = 0;
    if ((GetWindowLongA(w, GWL_EXSTYLE) & WS_EX_LAYERED) && GetLayeredWindowAttributes(w, nullptr, &alpha, &flags) &&
        (flags & LWA_ALPHA))
        opacity = alpha;
    const char* state = IsZoomed(w) ? "maximized" : IsIconic(w) ? "minimized" : "normal";
    printf("%s|%d|%ld %ld %ld %ld|%d|%s\n", title, IsWindowVisible(w) ? 1 : 0, r.left, r.top, r.right, r.bottom,
           opacity, state);
}

static const char* g_class;

static BOOL CALLBACK PrintIfClass(HWND w, LPARAM)
{
    char name[256];
    if (GetClassNameA(w, name, sizeof name) && strcmp(name, g_class) == 0)
        PrintWindow(w);
    return TRUE;
}

struct Search {
    bool wantBox;
    HWND found;
};

// Property sheets and message boxes are both dialogs; a message box has the
// static 0xFFFF, a sheet has a tab control.
static BOOL CALLBACK FindDialog(HWND w, LPARAM param)
{
    Search& search = *reinterpret_cast<Search*>(param);
    char cls[32];
    if (!IsWindowVisible(w) || !GetClassNameA(w, cls, sizeof cls) || strcmp(cls, "#32770") != 0)
        return TRUE;
    const bool isBox = GetDlgItem(w, 0xFFFF) != nullptr;
    const bool isSheet = FindWindowExA(w, nullptr, "SysTabControl32", nullptr) != nullptr;
    if ((search.wantBox && isBox) || (!search.wantBox && isSheet)) {
        search.found = w;
        return FALSE;
    }
    return TRUE;
}

HWND FindDialogWindow(bool wantBox)
{
    Search search = {wantBox, nullptr};
    EnumWindows(FindDialog, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

static BOOL CALLBACK PrintControl(HWND w, LPARAM)
{
    char cls[64] = "", text[256] = "";
    GetClassNameA(w, cls, sizeof cls);
    GetWindowTextA(w, text, sizeof text);
    RECT r = {};
    GetWindowRect(w, &r);
    printf("%llu|%llu|%d|%s|%d|%ld %ld %ld %ld|%s\n", static_cast<unsigned long long>(reinterpret_cast<UINT_PTR>(w)),
           static_cast<unsigned long long>(reinterpret_cast<UINT_PTR>(GetParent(w))), GetDlgCtrlID(w), cls,
           IsWindowVisible(w) ? 1 : 0, r.left, r.top, r.right, r.bottom, text);
    return TRUE;
}

static int ListWindows(char** argv, HWND)
{
    g_class = argv[2];
    EnumWindows(PrintIfClass, 0);
    return 0;
}

static int FontMetrics(char** argv, HWND)
{
    HDC dc = GetDC(nullptr);
    HFONT font = CreateFontA(-MulDiv(atoi(argv[3]), GetDeviceCaps(dc, LOGPIXELSY), 72), 0, 0, 0, FW_NORMAL, 0, 0, 0,
                             DEFAULT_CHARSET, 0, 0, 0, 0, argv[2]);
    HGDIOBJ old = SelectObject(dc, font);
    char face[64] = "";
    GetTextFaceA(dc, sizeof face, face);
    TEXTMETRICA tm = {};
    GetTextMetricsA(dc, &tm);
    printf("%s|%ld|%ld\n", face, tm.tmHeight, tm.tmAveCharWidth);
    SelectObject(dc, old);
    DeleteObject(font);
    ReleaseDC(nullptr, dc);
    return 0;
}

static int PrintSheet(char**, HWND)
{
    HWND w = FindDialogWindow(false);
    if (!w)
        return 1;
    PrintWindow(w);
    EnumChildWindows(w, PrintControl, 0);
    return 0;
}

static int PrintControls(char**, HWND w)
{
    PrintWindow(w);
    EnumChildWindows(w, PrintControl, 0);
    return 0;
}

static int PrintBox(char**, HWND)
{
    HWND w = FindDialogWindow(true);
    if (!w)
        return 1;
    char caption[128] = "", text[512] = "";
    GetWindowTextA(w, caption, sizeof caption);
    GetDlgItemTextA(w, 0xFFFF, text, sizeof text);
    printf("%s|%s\n", caption, text);
    return 0;
}

static int Resume(char**, HWND)
{
    HANDLE resume = OpenEventA(EVENT_MODIFY_STATE, FALSE, "SashletTestResume");
    const bool ok = resume && SetEvent(resume);
    if (resume)
        CloseHandle(resume);
    return ok ? 0 : 1;
}

static int ChangeResolution(char** argv, HWND)
{
    DEVMODEA mode = {};
    mode.dmSize = sizeof mode;
    mode.dmPelsWidth = static_cast<DWORD>(atoi(argv[2]));
    mode.dmPelsHeight = static_cast<DWORD>(atoi(argv[3]));
    mode.dmFields = DM_PELSWIDTH | DM_PELSHEIGHT;
    const LONG result = ChangeDisplaySettingsA(&mode, 0);
    printf("%ld\n", result);
    return result == DISP_CHANGE_SUCCESSFUL ? 0 : 1;
}

static int Metrics(char**, HWND)
{
    HDC dc = GetDC(nullptr);
    printf("%d|%d|%d|%d|%d\n", GetSystemMetrics(SM_CXICONSPACING), GetSystemMetrics(SM_CXSCREEN),
           GetSystemMetrics(SM_CYSCREEN), GetDeviceCaps(dc, LOGPIXELSY), GetSystemMetrics(SM_CYICONSPACING));
    ReleaseDC(nullptr, dc);
    return 0;
}

static int Show(char** argv, HWND w) { return ShowWindowAsync(w, atoi(argv[3])) ? 0 : 1; }

static int Foreground(char**, HWND)
{
    HWND w = GetForegroundWindow();
    if (w)
        PrintWindow(w);
    return 0;
}

// The top-level window holding the keyboard focus, which the next keys reach.
static int Focus(char**, HWND)
{
    GUITHREADINFO info = {};
    info.cbSize = sizeof info;
    if (!GetGUIThreadInfo(0, &info) || !info.hwndFocus)
        return 1;
    PrintWindow(GetAncestor(info.hwndFocus, GA_ROOT));
    return 0;
}

static int WindowAt(char** argv, HWND)
{
    const POINT pt = {atoi(argv[2]), atoi(argv[3])};
    HWND w = WindowFromPoint(pt);
    if (!w)
        return 1;
    PrintWindow(GetAncestor(w, GA_ROOT));
    return 0;
}

static int Find(char**, HWND w)
{
    PrintWindow(w);
    return 0;
}

static int Destroy(char**, HWND w)
{
    SendMessageA(w, WM_DESTROY, 0, 0);
    return 0;
}

// As the user or the window's own program moves it: argv[3] is "LEFT,TOP".
static int Move(char** argv, HWND w)
{
    int x, y;
    return sscanf(argv[3], "%d,%d", &x, &y) == 2 &&
                   SetWindowPos(w, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE)
               ? 0
               : 1;
}

// What tells a window from a later one given the same handle.
static int Identity(char**, HWND w)
{
    DWORD pid = 0;
    GetWindowThreadProcessId(w, &pid);
    char cls[257] = "";
    GetClassNameA(w, cls, sizeof cls);
    printf("%lx %lu %s\n", static_cast<unsigned long>(reinterpret_cast<UINT_PTR>(w)), pid, cls);
    return 0;
}

// As the task list's End task and taskkill without /F ask a program to end.
static int Close(char**, HWND w) { return PostMessageA(w, WM_CLOSE, 0, 0) ? 0 : 1; }

static int Hang(char**, HWND w) { return PostMessageA(w, WM_APP, 0, 0) ? 0 : 1; }

static int Answers(char**, HWND w)
{
    DWORD_PTR answer;
    return SendMessageTimeoutA(w, WM_NULL, 0, 0, SMTO_NORMAL, 200, &answer) ? 0 : 1;
}

static int Activate(char**, HWND w) { return SetForegroundWindow(w) ? 0 : 1; }

static int SoakWipesCommand(char** argv, HWND) { return SoakWipes(atoi(argv[2]), argv[3]); }
static int SoakOptionsCommand(char** argv, HWND) { return SoakOptions(atoi(argv[2])); }
static int UserObjectsCommand(char**, HWND) { return UserObjects(); }
static int GdiObjectsCommand(char**, HWND w) { return GdiObjects(w); }

struct Command {
    const char* name;
    int argc;            // the whole command line's, the program and the name included
    bool titleFirst;     // argv[2] names a window that must exist; it is handed in
    int (*run)(char** argv, HWND window);
};

static const Command kCommands[] = {
    {"windows", 3, false, ListWindows},
    {"font", 4, false, FontMetrics},
    {"sheet", 2, false, PrintSheet},
    {"box", 2, false, PrintBox},
    {"soak-wipes", 4, false, SoakWipesCommand},
    {"soak-options", 3, false, SoakOptionsCommand},
    {"user-objects", 2, false, UserObjectsCommand},
    {"resume", 2, false, Resume},
    {"resolution", 4, false, ChangeResolution},
    {"metrics", 2, false, Metrics},
    {"foreground", 2, false, Foreground},
    {"focus", 2, false, Focus},
    {"at", 4, false, WindowAt},
    {"end-session", 2, false, EndSession},
    {"show", 4, true, Show},
    {"resources", 3, true, Resources},
    {"gdi-objects", 3, true, GdiObjectsCommand},
    {"find", 3, true, Find},
    {"controls", 3, true, PrintControls},
    {"destroy", 3, true, Destroy},
    {"close", 3, true, Close},
    {"move", 4, true, Move},
    {"identity", 3, true, Identity},
    {"hang", 3, true, Hang},
    {"answers", 3, true, Answers},
    {"load-in", 4, true, LoadIn},
    {"activate", 3, true, Activate},
};

// Exit codes: 0 done, 1 failed or the window is missing, 2 no such command.
static int Run(int argc, char** argv)
{
    for (const Command& c : kCommands) {
        if (argc < 2 || strcmp(argv[1], c.name) != 0 || argc != c.argc)
            continue;
        HWND w = nullptr;
        if (c.titleFirst && !(w = FindWindowA(nullptr, argv[2])))
            return 1;
        const int code = c.run(argv, w);
        fflush(stdout);
        return code;
    }
    return 2;
}

// Starting a Windows program under Wine takes a good part of a second; a
// test asks hundreds of questions, so one process answers them all.
static int Serve()
{
    char line[2048];
    while (fgets(line, sizeof line, stdin)) {
        line[strcspn(line, "\r\n")] = '\0';
        char* args[16] = {const_cast<char*>("probe")};
        int argc = 1;
        for (char* p = line; p && argc < 16;) {
            args[argc++] = p;
            p = strchr(p, '\t');
            if (p)
                *p++ = '\0';
        }
        const int code = Run(argc, args);
        printf("\x1e%d\n", code);
        fflush(stdout);
    }
    return 0;
}

int main(int argc, char** argv)
{
    if (argc == 2 && strcmp(argv[1], "serve") == 0)
        return Serve();
    return Run(argc, argv);
}
