// Entry point: hand-over from a running copy, the window class, the hidden
// main window and the four bars, then the message loop.
#include <windows.h>
#include <commctrl.h>
#include <cstring>

#include "../config/edges.h"
#include "../config/ignore_list_store.h"
#include "app_state.h"
#include "bar_window.h"
#include "wipe_controller.h"


// A bit of the style word's class-specific half that the bars have always
// carried; the system gives it no meaning for a popup of this class.
const DWORD kBarClassStyleBit = 0x80;

// The English name of a locale's language fits easily.
const int kLanguageNameSize = 64;

// A running copy that answers within this time has ended its loop; one that
// does not is left behind rather than hanging this start too.
const UINT kHandOverTimeout = 2000;

// A later copy takes over: the running one ends its loop before the message
// is answered. WM_DESTROY is used rather than WM_CLOSE because every window of
// the class treats it as the quit request without being destroyed. A sent
// message that times out is withdrawn, so a copy that has stopped responding
// finds the request posted instead and quits once it recovers.
static void HandOverFromRunningCopy()
{
    HWND running = FindWindowA(kWindowClassName, nullptr);
    DWORD_PTR answer;
    if (running && !SendMessageTimeoutA(running, WM_DESTROY, 0, 0, SMTO_ABORTIFHUNG, kHandOverTimeout, &answer))
        PostMessageA(running, WM_DESTROY, 0, 0);
}

static bool RegisterBarClass(HINSTANCE instance)
{
    WNDCLASSA wc = {};
    wc.style = CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS;
    wc.lpfnWndProc = SashletWindowProc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    wc.lpszClassName = kWindowClassName;
    return RegisterClassA(&wc) != 0;
}

static UiLanguage UserLanguage()
{
    char name[kLanguageNameSize];
    if (GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SENGLANGUAGE, name, sizeof name) && strcmp(name, "Japanese") == 0)
        return LanguageJapanese;
    return LanguageEnglish;
}

// Bars start with the (still zero) thickness, so they have no area until a
// layout gives them one. A bar whose edge is never enabled stays empty and so
// never answers a hit test.
static void CreateWindows()
{
    const int w = g_app.screen.width, h = g_app.screen.height, t = g_app.settings.width;
    g_app.mainWindow = CreateWindowExA(0, kWindowClassName, "Sashlet", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                                       g_app.instance, nullptr);
    const Rect creation[EdgeCount] = {{0, 0, t, h}, {w, 0, w + t, h}, {0, 0, w, t}, {0, h, w, h + t}};
    for (int e = 0; e < EdgeCount; ++e) {
        const Rect& r = creation[e];
        g_app.bars[e] = CreateWindowExA(WS_EX_TOOLWINDOW | WS_EX_TOPMOST, kWindowClassName, kEdges[e].barTitle,
                                        WS_POPUP | kBarClassStyleBit, r.left, r.top, r.right - r.left, r.bottom - r.top,
                                        g_app.mainWindow, nullptr, g_app.instance, nullptr);
    }
}

int WINAPI WinMain(HINSTANCE instance, HINSTANCE previous, LPSTR, int)
{
    HandOverFromRunningCopy();
    if (!previous && !RegisterBarClass(instance))
        return 0;
    g_app.screen = PrimaryScreenSize();
    g_app.instance = instance;
    g_app.barBrush = nullptr;
    InitCommonControls();
    ClearMovedWindowTable(g_app.moved);
    LoadIgnoreList(g_app.ignore);
    g_app.language = UserLanguage();
    CreateWindows();
    ReloadSettings();
    LayOutBars(ActivateBars);
    StartDragHoverPoll();
    for (HWND bar : g_app.bars)
        UpdateWindow(bar);

    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    ClearIgnoreList(g_app.ignore);
    return static_cast<int>(msg.wParam);
}
