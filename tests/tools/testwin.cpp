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
//               TITLE.moves in the working folder
// Options combine with commas ("caption,text").
// A window sent WM_APP stops pumping messages, as a program that has stopped
// responding does, until the event "SashletTestResume" is set.
// A press on a window holds the mouse until release, as a drag-and-drop source does.
// A layout "many:N:LEFT,TOP,WIDTH,HEIGHT[:NAME]" makes N windows titled
// NAME0..NAME(N-1), "many" when no NAME is given.
// The process runs until it is killed or one of its windows gets WM_CLOSE.
#include <windows.h>
#include <shellapi.h>
#include <windowsx.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

// Exported by user32 but left out of the SDK headers.
extern "C" BOOL WINAPI SetShellWindow(HWND window);

enum Content { ContentPlain, ContentDesktop, ContentText, ContentMemo, ContentFiles };

struct DesktopIcon {
    const char* label;
    int shellIcon;  // index into shell32.dll's icons
};

// Two columns, as the wipe distance of two icon spacings uncovers them.
static const DesktopIcon kDesktopIcons[] = {
    {"Computer", 17},   {"Documents", 5},    {"Recycle Bin", 33}, {"Network", 15},     {"Projects", 5},
    {"Photos", 5},      {"report.txt", 2},   {"budget.txt", 2},   {"Downloads", 5},    {"Music", 5},
    {"notes.txt", 2},   {"Printer", 18},
};
const int kIconRows = 6;
const int kIconCell = 75;  // the system's icon spacing under Wine and on a 96-dpi Windows desktop
const COLORREF kDesktopColour = RGB(22, 92, 148);

struct FileRow {
    const char* name;
    int shellIcon;
};

static const FileRow kFiles[] = {
    {"holiday-plan.txt", 2}, {"invoice-0412.txt", 2}, {"Presentations", 5}, {"summary.txt", 2},
    {"Archive", 5},          {"letter.txt", 2},       {"todo.txt", 2},
};
const int kRowHeight = 22;

static const char* const kDocumentLines[] = {
    "Quarterly report", "",
    "Sales grew in every region this quarter, led by",
    "the new online shop, which now brings in a third",
    "of all orders. Returns fell to their lowest level",
    "since the shop opened.", "",
    "Next steps", "",
    "- hire two more people for the warehouse",
    "- move the spring catalogue forward a month",
    "- review shipping prices with both carriers",
};

static const char* const kMemoLines[] = {
    "Monday",           "- call the printer about the flyers", "- send the report to Anna", "",
    "Tuesday",          "- team lunch at noon",                "- back up the photos",
};

static HWND g_dragImage;
static int g_dragRow = -1;

static Content ContentOf(HWND w) { return static_cast<Content>(GetWindowLongPtrA(w, GWLP_USERDATA)); }

static HICON ShellIcon(int index, bool small)
{
    HICON large = nullptr, little = nullptr;
    ExtractIconExA("shell32.dll", index, &large, &little, 1);
    if (small) {
        if (large)
            DestroyIcon(large);
        return little;
    }
    if (little)
        DestroyIcon(little);
    return large;
}

// Desktop labels: white with a dark shadow, centred under the icon, wrapped
// to the cell as Windows wraps them.
static void PaintDesktop(HDC dc, const RECT& client)
{
    HBRUSH background = CreateSolidBrush(kDesktopColour);
    FillRect(dc, &client, background);
    DeleteObject(background);
    SetBkMode(dc, TRANSPARENT);
    HGDIOBJ oldFont = SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
    const int count = static_cast<int>(sizeof kDesktopIcons / sizeof kDesktopIcons[0]);
    for (int i = 0; i < count; ++i) {
        const int x = (i / kIconRows) * kIconCell, y = (i % kIconRows) * kIconCell;
        HICON icon = ShellIcon(kDesktopIcons[i].shellIcon, false);
        if (icon) {
            DrawIconEx(dc, x + (kIconCell - 32) / 2, y + 6, icon, 32, 32, 0, nullptr, DI_NORMAL);
            DestroyIcon(icon);
        }
        RECT label = {x + 2, y + 42, x + kIconCell - 2, y + kIconCell};
        RECT shadow = {label.left + 1, label.top + 1, label.right + 1, label.bottom + 1};
        SetTextColor(dc, RGB(0, 0, 0));
        DrawTextA(dc, kDesktopIcons[i].label, -1, &shadow, DT_CENTER | DT_WORDBREAK | DT_NOPREFIX);
        SetTextColor(dc, RGB(255, 255, 255));
        DrawTextA(dc, kDesktopIcons[i].label, -1, &label, DT_CENTER | DT_WORDBREAK | DT_NOPREFIX);
    }
    SelectObject(dc, oldFont);
}

template <size_t N>
static void PaintLines(HDC dc, const RECT& client, const char* const (&lines)[N])
{
    FillRect(dc, &client, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, RGB(30, 30, 30));
    HGDIOBJ oldFont = SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
    int y = 8;
    for (const char* line : lines) {
        TextOutA(dc, 10, y, line, lstrlenA(line));
        y += 16;
    }
    SelectObject(dc, oldFont);
}

static void PaintFiles(HDC dc, const RECT& client)
{
    FillRect(dc, &client, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    SetBkMode(dc, TRANSPARENT);
    HGDIOBJ oldFont = SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
    int y = 6;
    int row = 0;
    for (const FileRow& f : kFiles) {
        if (row == g_dragRow) {
            RECT band = {client.left + 2, y - 2, client.right - 2, y + kRowHeight - 4};
            HBRUSH selection = CreateSolidBrush(RGB(204, 228, 247));
            FillRect(dc, &band, selection);
            DeleteObject(selection);
        }
        HICON icon = ShellIcon(f.shellIcon, true);
        if (icon) {
            DrawIconEx(dc, 8, y, icon, 16, 16, 0, nullptr, DI_NORMAL);
            DestroyIcon(icon);
        }
        SetTextColor(dc, RGB(30, 30, 30));
        TextOutA(dc, 32, y + 1, f.name, lstrlenA(f.name));
        y += kRowHeight;
        ++row;
    }
    SelectObject(dc, oldFont);
}

static LRESULT CALLBACK DragImageProc(HWND w, UINT msg, WPARAM wp, LPARAM lp)
{
    if (msg == WM_PAINT && g_dragRow >= 0) {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(w, &ps);
        RECT client;
        GetClientRect(w, &client);
        // Windows shows a dragged file on a pale selection-blue tile.
        HBRUSH tile = CreateSolidBrush(RGB(204, 228, 247));
        HBRUSH edge = CreateSolidBrush(RGB(132, 172, 221));
        FillRect(dc, &client, tile);
        FrameRect(dc, &client, edge);
        DeleteObject(tile);
        DeleteObject(edge);
        HICON icon = ShellIcon(kFiles[g_dragRow].shellIcon, false);
        if (icon) {
            DrawIconEx(dc, (client.right - 32) / 2, 2, icon, 32, 32, 0, nullptr, DI_NORMAL);
            DestroyIcon(icon);
        }
        SetBkMode(dc, TRANSPARENT);
        HGDIOBJ oldFont = SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
        RECT label = {0, 36, client.right, client.bottom};
        DrawTextA(dc, kFiles[g_dragRow].name, -1, &label, DT_CENTER | DT_SINGLELINE | DT_NOPREFIX);
        SelectObject(dc, oldFont);
        EndPaint(w, &ps);
        return 0;
    }
    return DefWindowProcA(w, msg, wp, lp);
}

// What a file manager shows while a file is dragged: its picture at the pointer.
static void MoveDragImage(HWND source, LPARAM lp)
{
    if (!g_dragImage)
        return;
    POINT pt = {GET_X_LPARAM(lp), GET_Y_LPARAM(lp)};
    ClientToScreen(source, &pt);
    SetWindowPos(g_dragImage, HWND_TOPMOST, pt.x + 6, pt.y + 10, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE);
}

static void StartDrag(HWND source, LPARAM lp)
{
    const int row = (GET_Y_LPARAM(lp) - 4) / kRowHeight;
    if (row < 0 || row >= static_cast<int>(sizeof kFiles / sizeof kFiles[0]))
        return;
    g_dragRow = row;
    InvalidateRect(source, nullptr, TRUE);
    g_dragImage = CreateWindowExA(WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE, "SashletTestDragImage",
                                  "drag image", WS_POPUP, 0, 0, 110, 54, nullptr, nullptr, nullptr, nullptr);
    MoveDragImage(source, lp);
    ShowWindow(g_dragImage, SW_SHOWNOACTIVATE);
}

static void EndDrag(HWND source)
{
    if (g_dragImage)
        DestroyWindow(g_dragImage);
    g_dragImage = nullptr;
    g_dragRow = -1;
    InvalidateRect(source, nullptr, TRUE);
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
            PaintLines(dc, client, kDocumentLines);
        else if (content == ContentMemo)
            PaintLines(dc, client, kMemoLines);
        else
            PaintFiles(dc, client);
        EndPaint(w, &ps);
        return 0;
    }
    case WM_WINDOWPOSCHANGING:
        // The desktop stays below everything, however it is activated.
        if (ContentOf(w) == ContentDesktop) {
            WINDOWPOS* pos = reinterpret_cast<WINDOWPOS*>(lp);
            pos->hwndInsertAfter = HWND_BOTTOM;
        }
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
        return 0;
    case WM_WINDOWPOSCHANGED: {
        const WINDOWPOS* pos = reinterpret_cast<const WINDOWPOS*>(lp);
        if (GetPropA(w, "log") && !(pos->flags & SWP_NOMOVE)) {
            char name[160];
            GetWindowTextA(w, name, 140);
            lstrcatA(name, ".moves");
            if (FILE* f = fopen(name, "a")) {
                fprintf(f, "%d,%d\n", pos->x, pos->y);
                fclose(f);
            }
        }
        break;
    }
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
    const DWORD exStyle = (desktop || Has(options, "tool") ? WS_EX_TOOLWINDOW : 0) |
                          (Has(options, "topmost") ? WS_EX_TOPMOST : 0);
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
