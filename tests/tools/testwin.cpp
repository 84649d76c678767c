// Test helper: a process that owns top-level windows for wipes to move, and
// the desktop they cover.
//   testwin LAYOUT...   each LAYOUT is TITLE:LEFT,TOP,WIDTH,HEIGHT[:OPTION...]
// Options:
//   hidden      created without WS_VISIBLE
//   minimized   minimised after creation
//   caption     a framed, captioned window, as applications have
//   maximized   captioned and maximised
//   progman     class "Progman", so it stands in for the desktop's "Program Manager" window
//   desktop     the desktop itself: a "Progman" window kept below every other
//               window, painting two columns of desktop icons with their labels
//   text        a document's lines in the client area
//   memo        a short list of things to do in the client area
//   files       a list of files; pressing on one drags its picture along
//   button      a push button at 10,10 in the client area; a click on it adds
//               " clicked" to the window's title
//   icons       class "WorkerW" holding a "SHELLDLL_DefView" child, as the
//               desktop icons live on Windows 7 and later
//   shell       made the shell window (SetShellWindow), as the shell's desktop is
//   tray        class "Shell_TrayWnd", a stand-in for the taskbar
//   tray2       class "Shell_SecondaryTrayWnd", a taskbar on another screen
//   topmost     always on top
//   tool        a tool window (WS_EX_TOOLWINDOW), as palettes are
//   owned       owned by the window made just before it, as a dialog is
//   log         appends each place the window is moved to, "x,y" a line, to
//               TITLE.moves in the working folder, and "ending" when it hears
//               the session end (WM_ENDSESSION), as a program saves its place then
//   menu        a right click opens a context menu, whose loop keeps the mouse
//               to itself wherever the pointer goes, until a choice or Escape
//   clickthrough  layered and transparent to the mouse, as the picture of a
//               dragged file is: the system looks through it for the window below
// Options combine with commas ("caption,text").
// Every window counts in its property "raised" the times it was activated or
// asked to take another place in the stacking order, which another process
// reads with GetProp: Wine also re-stacks windows by itself, so the order
// alone cannot tell what a program asked for.
// A window sent WM_APP stops pumping messages, as a program that has stopped
// responding does, until the event "SashletTestResume" is set.
// A press on a window holds the mouse until release, as a drag-and-drop source does.
// A layout "many:N:LEFT,TOP,WIDTH,HEIGHT[:NAME]" makes N windows titled
// NAME0..NAME(N-1), "many" when no NAME is given.
// The process runs until it is killed or one of its windows gets WM_CLOSE.
#include <windows.h>
#include <windowsx.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "testwin_content.h"

// Exported by user32 but left out of the SDK headers.
extern "C" BOOL WINAPI SetShellWindow(HWND window);

static Content ContentOf(HWND w) { return static_cast<Content>(GetWindowLongPtrA(w, GWLP_USERDATA)); }

static void ShowContextMenu(HWND w, LPARAM lp)
{
    HMENU menu = CreatePopupMenu();
    AppendMenuA(menu, MF_STRING, 1, "&Open");
    AppendMenuA(menu, MF_STRING, 2, "&Properties");
    POINT pt = {GET_X_LPARAM(lp), GET_Y_LPARAM(lp)};
    ClientToScreen(w, &pt);
    TrackPopupMenu(menu, 0, pt.x, pt.y, 0, w, nullptr);
    DestroyMenu(menu);
}

// Appends a line to TITLE.moves for a window made with "log".
static void Log(HWND w, const char* line)
{
    if (!GetPropA(w, "log"))
        return;
    char name[160];
    GetWindowTextA(w, name, 140);
    lstrcatA(name, ".moves");
    if (FILE* f = fopen(name, "a")) {
        fprintf(f, "%s\n", line);
        fclose(f);
    }
}

static void CountRaise(HWND w)
{
    const INT_PTR raised = reinterpret_cast<INT_PTR>(GetPropA(w, "raised"));
    SetPropA(w, "raised", reinterpret_cast<HANDLE>(raised + 1));
}

// A press starts what a drag source does: it keeps the mouse until release,
// so windows it passes over get no mouse messages.
static LRESULT CALLBACK TestWindowProc(HWND w, UINT msg, WPARAM wp, LPARAM lp)
{
    switch (msg) {
    case WM_CLOSE:
        PostQuitMessage(0);
        return 0;
    case WM_PAINT: {
        const Content content = ContentOf(w);
        if (content == ContentPlain)
            break;
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(w, &ps);
        RECT client;
        GetClientRect(w, &client);
        if (content == ContentDesktop)
            PaintDesktop(dc, client);
        else if (content == ContentText)
            PaintDocument(dc, client);
        else if (content == ContentMemo)
            PaintMemo(dc, client);
        else
            PaintFiles(dc, client);
        EndPaint(w, &ps);
        return 0;
    }
    case WM_WINDOWPOSCHANGING: {
        WINDOWPOS* pos = reinterpret_cast<WINDOWPOS*>(lp);
        if (!(pos->flags & SWP_NOZORDER))
            CountRaise(w);
        // The desktop stays below everything, however it is activated.
        if (ContentOf(w) == ContentDesktop)
            pos->hwndInsertAfter = HWND_BOTTOM;
        break;
    }
    case WM_ACTIVATE:
        if (LOWORD(wp) != WA_INACTIVE)
            CountRaise(w);
        break;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
        SetCapture(w);
        if (ContentOf(w) == ContentFiles)
            StartDrag(w, lp);
        return 0;
    case WM_MOUSEMOVE:
        if (GetCapture() == w)
            MoveDragImage(w, lp);
        return 0;
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
        ReleaseCapture();
        EndDrag(w);
        if (msg == WM_RBUTTONUP && GetPropA(w, "menu"))
            ShowContextMenu(w, lp);
        return 0;
    case WM_WINDOWPOSCHANGED: {
        const WINDOWPOS* pos = reinterpret_cast<const WINDOWPOS*>(lp);
        if (!(pos->flags & SWP_NOMOVE)) {
            char line[32];
            snprintf(line, sizeof line, "%d,%d", pos->x, pos->y);
            Log(w, line);
        }
        break;
    }
    case WM_ENDSESSION:
        if (wp)
            Log(w, "ending");
        return 0;
    case WM_COMMAND:
        if (HIWORD(wp) == BN_CLICKED) {
            char title[128];
            GetWindowTextA(w, title, sizeof title - 10);
            lstrcatA(title, " clicked");
            SetWindowTextA(w, title);
        }
        return 0;
    case WM_APP: {
        // A plain wait, not a message wait: sent messages queue up unanswered.
        HANDLE resume = CreateEventA(nullptr, FALSE, FALSE, "SashletTestResume");
        WaitForSingleObject(resume, INFINITE);
        CloseHandle(resume);
        return 0;
    }
    }
    return DefWindowProcA(w, msg, wp, lp);
}

static void Register(const char* name, WNDPROC proc, HBRUSH background, HINSTANCE inst)
{
    WNDCLASSA wc = {};
    wc.lpfnWndProc = proc;
    wc.hInstance = inst;
    wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    wc.hbrBackground = background;
    wc.lpszClassName = name;
    RegisterClassA(&wc);
}

static bool Has(const char* options, const char* option)
{
    const size_t n = strlen(option);
    for (const char* p = strstr(options, option); p; p = strstr(p + 1, option))
        if ((p == options || p[-1] == ',') && (p[n] == '\0' || p[n] == ','))
            return true;
    return false;
}

static HWND g_lastCreated;

static void Create(const char* title, int x, int y, int w, int h, const char* options, HINSTANCE inst)
{
    const bool hidden = Has(options, "hidden");
    const bool desktop = Has(options, "desktop");
    const bool progman = desktop || Has(options, "progman");
    const bool maximized = Has(options, "maximized");
    const bool framed = maximized || Has(options, "caption");
    const DWORD style = (framed ? WS_OVERLAPPEDWINDOW : WS_POPUP | (desktop ? 0 : WS_BORDER)) |
                        (hidden || maximized ? 0 : WS_VISIBLE);
    const Content content = desktop ? ContentDesktop
                            : Has(options, "text") ? ContentText
                            : Has(options, "memo") ? ContentMemo
                            : Has(options, "files") ? ContentFiles
                                                    : ContentPlain;
    const bool icons = Has(options, "icons");
    const char* cls = progman                ? "Progman"
                      : icons                ? "WorkerW"
                      : Has(options, "tray")  ? "Shell_TrayWnd"
                      : Has(options, "tray2") ? "Shell_SecondaryTrayWnd"
                                              : "SashletTestWindow";
    const bool clickThrough = Has(options, "clickthrough");
    const DWORD exStyle = (desktop || Has(options, "tool") ? WS_EX_TOOLWINDOW : 0) |
                          (Has(options, "topmost") ? WS_EX_TOPMOST : 0) |
                          (clickThrough ? WS_EX_LAYERED | WS_EX_TRANSPARENT : 0);
    HWND owner = Has(options, "owned") ? g_lastCreated : nullptr;
    HWND hwnd = CreateWindowExA(exStyle, cls, title, desktop ? style & ~WS_VISIBLE : style, x, y, w, h, owner, nullptr,
                                inst, nullptr);
    g_lastCreated = hwnd;
    SetWindowLongPtrA(hwnd, GWLP_USERDATA, content);
    if (icons)
        CreateWindowExA(0, "SHELLDLL_DefView", "", WS_CHILD | WS_VISIBLE, 0, 0, w, h, hwnd, nullptr, inst, nullptr);
    if (Has(options, "button"))
        CreateWindowExA(0, "BUTTON", "Press", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 10, 10, 80, 24, hwnd, nullptr,
                        inst, nullptr);
    if (Has(options, "shell"))
        SetShellWindow(hwnd);
    if (Has(options, "log"))
        SetPropA(hwnd, "log", reinterpret_cast<HANDLE>(1));
    if (Has(options, "menu"))
        SetPropA(hwnd, "menu", reinterpret_cast<HANDLE>(1));
    if (clickThrough)
        SetLayeredWindowAttributes(hwnd, 0, 160, LWA_ALPHA);
    if (desktop) {
        SetWindowPos(hwnd, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        if (!hidden)
            ShowWindow(hwnd, SW_SHOWNOACTIVATE);
    }
    if (Has(options, "minimized"))
        ShowWindow(hwnd, SW_MINIMIZE);
    else if (maximized && !hidden)
        ShowWindow(hwnd, SW_MAXIMIZE);
}

int WINAPI WinMain(HINSTANCE inst, HINSTANCE, LPSTR, int)
{
    HBRUSH plain = CreateSolidBrush(RGB(90, 90, 110));
    Register("SashletTestWindow", TestWindowProc, plain, inst);
    static const char* const kShellClasses[] = {"Progman", "WorkerW", "SHELLDLL_DefView", "Shell_TrayWnd",
                                                "Shell_SecondaryTrayWnd"};
    for (const char* shellClass : kShellClasses)
        Register(shellClass, TestWindowProc, plain, inst);
    Register("SashletTestDragImage", DragImageProc, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)), inst);
    for (int i = 1; i < __argc; ++i) {
        char layout[512];
        snprintf(layout, sizeof layout, "%s", __argv[i]);
        int x, y, w, h, n;
        char options[128] = "";
        char name[32] = "many";
        if (sscanf(layout, "many:%d:%d,%d,%d,%d:%31s", &n, &x, &y, &w, &h, name) >= 5) {
            for (int k = 0; k < n; ++k) {
                char title[48];
                snprintf(title, sizeof title, "%s%d", name, k);
                Create(title, x, y, w, h, "", inst);
            }
            continue;
        }
        char* colon = strchr(layout, ':');
        if (!colon)
            return 2;
        *colon = '\0';
        if (sscanf(colon + 1, "%d,%d,%d,%d:%127s", &x, &y, &w, &h, options) < 4)
            return 2;
        Create(layout, x, y, w, h, options, inst);
    }
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return 0;
}
