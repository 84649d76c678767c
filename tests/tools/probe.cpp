// Test helper: reports on and pokes at another process's windows from inside
// Wine, where the end-to-end tests cannot see window state from X alone.
//   probe windows CLASS           one line per window of the class
//   probe find TITLE              the line of the first window with that title
//   probe destroy TITLE           sends WM_DESTROY to it
//   probe activate TITLE          makes it the foreground window
//   probe foreground              the line of the foreground window
//   probe font FACE POINTS        the face, height and average width the system gives that font
//   probe sheet                   every control of the open property sheet: id|class|visible|rect|text
//   probe box                     caption|text of the open message box
// A line reads: title|visible|left top right bottom|opacity  (opacity -1: not layered)
#include <windows.h>
#include <cstdio>
#include <cstdlib>
#include <cstring>

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
    printf("%s|%d|%ld %ld %ld %ld|%d\n", title, IsWindowVisible(w) ? 1 : 0, r.left, r.top, r.right, r.bottom, opacity);
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
    printf("%d|%s|%d|%ld %ld %ld %ld|%s\n", GetDlgCtrlID(w), cls, IsWindowVisible(w) ? 1 : 0, r.left, r.top, r.right,
           r.bottom, text);
    return TRUE;
}

int main(int argc, char** argv)
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
    if (strcmp(cmd, "find") == 0)
        PrintWindow(w);
    else if (strcmp(cmd, "destroy") == 0)
        SendMessageA(w, WM_DESTROY, 0, 0);
    else if (strcmp(cmd, "activate") == 0)
        return SetForegroundWindow(w) ? 0 : 1;
    else
        return 2;
    fflush(stdout);
    return 0;
}
