// Test helper: reports on and pokes at another process's windows from inside
// Wine, where the end-to-end tests cannot see window state from X alone.
//   probe windows CLASS           one line per window of the class
//   probe find TITLE              the line of the first window with that title
//   probe destroy TITLE           sends WM_DESTROY to it
//   probe activate TITLE          makes it the foreground window
//   probe show TITLE CMD          asks its program to show it so (ShowWindowAsync, SW_* number)
//   probe metrics                 icon spacing|screen width|screen height|DPI
//   probe hang TITLE              makes testwin's process stop responding
//   probe resume                  lets it respond again
//   probe answers TITLE           exit code 0 when its program answers a message within 200 ms
//   probe resolution W H          changes the screen size (virtual desktop mode)
//   probe foreground              the line of the foreground window
//   probe font FACE POINTS        the face, height and average width the system gives that font
//   probe sheet                   every control of the open property sheet:
//                                 handle|parent handle|id|class|visible|rect|text
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
#include <psapi.h>
#include <winternl.h>
#include <cstdio>
#include <cstdlib>
#include <cstring>

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

static HWND FindDialogWindow(bool wantBox)
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

static bool WaitFor(bool (*condition)(HWND), HWND w)
{
    for (int i = 0; i < 400; ++i) {
        if (condition(w))
            return true;
        Sleep(5);
    }
    return false;
}

static bool BarOut(HWND bar)
{
    RECT r;
    return GetWindowRect(bar, &r) && r.left != 0;
}

static bool BarHome(HWND bar) { return !BarOut(bar); }

static bool SheetOpen(HWND) { return FindDialogWindow(false) != nullptr; }

static bool SheetClosed(HWND) { return FindDialogWindow(false) == nullptr; }

static int SoakWipes(int n, const char* otherTitle)
{
    HWND bar = FindWindowA(nullptr, "SashletLeft"), other = FindWindowA(nullptr, otherTitle);
    if (!bar || !other)
        return 1;
    int failures = 0;
    for (int i = 0; i < n; ++i) {
        // A real double-click activates the bar first.
        SetForegroundWindow(bar);
        PostMessageA(bar, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(0, 10));
        bool ok = WaitFor(BarOut, bar);
        // No one clicks elsewhere within milliseconds of a double-click; the
        // bar moves out before the wipe has finished taking the foreground.
        Sleep(100);
        SetForegroundWindow(other);
        ok = WaitFor(BarHome, bar) && ok;
        failures += ok ? 0 : 1;
    }
    printf("%d|%d\n", n, failures);
    return 0;
}

static int SoakOptions(int n)
{
    HWND bar = FindWindowA(nullptr, "SashletLeft");
    if (!bar)
        return 1;
    int failures = 0;
    for (int i = 0; i < n; ++i) {
        PostMessageA(bar, WM_COMMAND, IDM_OPTIONS, 0);
        bool ok = WaitFor(SheetOpen, nullptr);
        PostMessageA(FindDialogWindow(false), WM_COMMAND, IDOK, 0);
        ok = WaitFor(SheetClosed, nullptr) && ok;
        failures += ok ? 0 : 1;
    }
    printf("%d|%d\n", n, failures);
    return 0;
}

// Wine answers GetGuiResources with 0, but its USER handles come from one
// table per session that hands out freed slots first and grows only when
// none is left. So take slots until the table grows steadily: the size it
// has then, less the slots taken, is the number in use by every program.
static int UserObjects()
{
    const int most = 30000, steady = 64;
    static HMENU taken[most];
    int count = 0, highest = -1, run = 0;
    while (count < most && run < steady) {
        HMENU menu = CreatePopupMenu();
        if (!menu)
            break;
        taken[count++] = menu;
        const int slot = (LOWORD(reinterpret_cast<UINT_PTR>(menu)) - 0x20) / 2;
        run = slot == highest + 1 ? run + 1 : 0;
        if (slot > highest)
            highest = slot;
    }
    for (int i = 0; i < count; ++i)
        DestroyMenu(taken[i]);
    if (run < steady)
        return 1;
    printf("%d\n", highest + 1 - count);
    return 0;
}

// Wine keeps each process's GDI handles in a table that the process's PEB
// points to, as Windows once did; a slot in use has a non-zero type. The
// table's entries are Wine's: 24 bytes whatever the process's bitness.
struct GdiHandleEntry {
    unsigned long long object;
    unsigned long owner;
    unsigned short unique;
    unsigned char type, flags;
    unsigned long long userPointer;
};
static_assert(sizeof(GdiHandleEntry) == 24, "Wine's GDI handle entry");
const int kGdiHandleCount = 0x10000;
const SIZE_T kPebGdiTableOffset = sizeof(void*) == 8 ? 0xF8 : 0x94;

static int GdiObjects(HWND w)
{
    typedef LONG(WINAPI * QueryProcess)(HANDLE, PROCESSINFOCLASS, void*, ULONG, ULONG*);
    const QueryProcess query =
        reinterpret_cast<QueryProcess>(GetProcAddress(GetModuleHandleA("ntdll.dll"), "NtQueryInformationProcess"));
    DWORD pid = 0;
    GetWindowThreadProcessId(w, &pid);
    HANDLE process = OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, pid);
    if (!process || !query)
        return 1;
    PROCESS_BASIC_INFORMATION info = {};
    void* table = nullptr;
    static GdiHandleEntry entries[kGdiHandleCount];
    SIZE_T read = 0;
    const bool ok = query(process, ProcessBasicInformation, &info, sizeof info, nullptr) == 0 &&
                    ReadProcessMemory(process, reinterpret_cast<char*>(info.PebBaseAddress) + kPebGdiTableOffset,
                                      &table, sizeof table, nullptr) &&
                    table && ReadProcessMemory(process, table, entries, sizeof entries, &read);
    CloseHandle(process);
    if (!ok)
        return 1;
    int byType[256] = {};
    for (const GdiHandleEntry& e : entries)
        ++byType[e.type];
    for (int type = 1; type < 256; ++type)
        if (byType[type])
            printf("%x:%d ", type, byType[type]);
    printf("\n");
    return 0;
}

static int Run(int argc, char** argv)
{
    if (argc < 2)
        return 2;
    const char* cmd = argv[1];
    if (strcmp(cmd, "windows") == 0 && argc == 3) {
        g_class = argv[2];
        EnumWindows(PrintIfClass, 0);
        return 0;
    }
    if (strcmp(cmd, "font") == 0 && argc == 4) {
        HDC dc = GetDC(nullptr);
        HFONT font = CreateFontA(-MulDiv(atoi(argv[3]), GetDeviceCaps(dc, LOGPIXELSY), 72), 0, 0, 0, FW_NORMAL, 0, 0,
                                 0, DEFAULT_CHARSET, 0, 0, 0, 0, argv[2]);
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
    if (strcmp(cmd, "sheet") == 0 || strcmp(cmd, "box") == 0) {
        const bool box = strcmp(cmd, "box") == 0;
        HWND w = FindDialogWindow(box);
        if (!w)
            return 1;
        if (box) {
            char caption[128] = "", text[512] = "";
            GetWindowTextA(w, caption, sizeof caption);
            GetDlgItemTextA(w, 0xFFFF, text, sizeof text);
            printf("%s|%s\n", caption, text);
        } else {
            PrintWindow(w);
            EnumChildWindows(w, PrintControl, 0);
        }
        return 0;
    }
    if (strcmp(cmd, "soak-wipes") == 0 && argc == 4)
        return SoakWipes(atoi(argv[2]), argv[3]);
    if (strcmp(cmd, "user-objects") == 0)
        return UserObjects();
    if (strcmp(cmd, "soak-options") == 0 && argc == 3)
        return SoakOptions(atoi(argv[2]));
    if (strcmp(cmd, "resume") == 0) {
        HANDLE resume = OpenEventA(EVENT_MODIFY_STATE, FALSE, "SashletTestResume");
        const bool ok = resume && SetEvent(resume);
        if (resume)
            CloseHandle(resume);
        return ok ? 0 : 1;
    }
    if (strcmp(cmd, "resolution") == 0 && argc == 4) {
        DEVMODEA mode = {};
        mode.dmSize = sizeof mode;
        mode.dmPelsWidth = static_cast<DWORD>(atoi(argv[2]));
        mode.dmPelsHeight = static_cast<DWORD>(atoi(argv[3]));
        mode.dmFields = DM_PELSWIDTH | DM_PELSHEIGHT;
        const LONG result = ChangeDisplaySettingsA(&mode, 0);
        printf("%ld\n", result);
        return result == DISP_CHANGE_SUCCESSFUL ? 0 : 1;
    }
    if (strcmp(cmd, "metrics") == 0) {
        HDC dc = GetDC(nullptr);
        printf("%d|%d|%d|%d\n", GetSystemMetrics(SM_CXICONSPACING), GetSystemMetrics(SM_CXSCREEN),
               GetSystemMetrics(SM_CYSCREEN), GetDeviceCaps(dc, LOGPIXELSY));
        ReleaseDC(nullptr, dc);
        return 0;
    }
    if (strcmp(cmd, "show") == 0 && argc == 4) {
        HWND w = FindWindowA(nullptr, argv[2]);
        return w && ShowWindowAsync(w, atoi(argv[3])) ? 0 : 1;
    }
    if (strcmp(cmd, "foreground") == 0) {
        HWND w = GetForegroundWindow();
        if (w)
            PrintWindow(w);
        return 0;
    }
    if (argc != 3)
        return 2;
    HWND w = FindWindowA(nullptr, argv[2]);
    if (!w)
        return 1;
    if (strcmp(cmd, "resources") == 0) {
        DWORD pid = 0;
        GetWindowThreadProcessId(w, &pid);
        HANDLE process = OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, pid);
        if (!process)
            return 1;
        DWORD handles = 0;
        GetProcessHandleCount(process, &handles);
        PROCESS_MEMORY_COUNTERS_EX memory = {};
        memory.cb = sizeof memory;
        GetProcessMemoryInfo(process, reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&memory), sizeof memory);
        printf("%lu|%lu|%lu|%lu\n", GetGuiResources(process, GR_GDIOBJECTS), GetGuiResources(process, GR_USEROBJECTS),
               handles, static_cast<unsigned long>(memory.PrivateUsage));
        CloseHandle(process);
        return 0;
    }
    if (strcmp(cmd, "gdi-objects") == 0)
        return GdiObjects(w);
    if (strcmp(cmd, "find") == 0)
        PrintWindow(w);
    else if (strcmp(cmd, "destroy") == 0)
        SendMessageA(w, WM_DESTROY, 0, 0);
    else if (strcmp(cmd, "hang") == 0)
        return PostMessageA(w, WM_APP, 0, 0) ? 0 : 1;
    else if (strcmp(cmd, "answers") == 0) {
        DWORD_PTR answer;
        return SendMessageTimeoutA(w, WM_NULL, 0, 0, SMTO_NORMAL, 200, &answer) ? 0 : 1;
    }
    else if (strcmp(cmd, "activate") == 0)
        return SetForegroundWindow(w) ? 0 : 1;
    else
        return 2;
    fflush(stdout);
    return 0;
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
