// What Windows 10 and 11 put on a desktop that Wine does not, made here with
// stand-ins and seams: the shell's own windows, cloaked windows, and a
// foreground refused to the bar during a drag.
#include <doctest/doctest.h>

#include "app/app_state.h"
#include "app/bar_window.h"
#include "wipe/window_facts.h"
#include "app/wipe_controller.h"
#include "test_windows.h"

namespace {
// The program's own windows: a main window for the poll timers and a shown
// Left bar, laid out as at start-up.
struct ShownLeftBar {
    ShownLeftBar()
    {
        ResetWipeState();
        g_app.instance = GetModuleHandleA(nullptr);
        WNDCLASSA wc = {};
        wc.lpfnWndProc = SashletWindowProc;
        wc.hInstance = g_app.instance;
        wc.lpszClassName = "SashletTodaysDesktopBar";
        RegisterClassA(&wc);
        g_app.mainWindow = CreateWindowExA(0, wc.lpszClassName, "main", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                                           g_app.instance, nullptr);
        for (HWND& bar : g_app.bars)
            bar = CreateWindowExA(WS_EX_TOOLWINDOW | WS_EX_TOPMOST, wc.lpszClassName, "bar", WS_POPUP, 0, 0, 0, 0,
                                  g_app.mainWindow, nullptr, g_app.instance, nullptr);
        g_app.settings = Settings{1, 0, 0, 0, 2, 0, 255, 255, 0, 0, 2};
        ShowEnabledBars(g_app.bars, g_app.settings);
        LayOutBars(KeepForeground);
    }
    ~ShownLeftBar()
    {
        SetForegroundRequestForTests(nullptr);
        KillTimer(g_app.mainWindow, TimerDragHover);
        KillTimer(g_app.mainWindow, TimerDragConfirm);
        KillTimer(g_app.bars[EdgeLeft], TimerWatchLeft);
        // The button presses sent here queued mouse messages for the bar; none may start its move loop.
        MSG msg;
        while (PeekMessageA(&msg, nullptr, WM_MOUSEFIRST, WM_MOUSELAST, PM_REMOVE)) {
        }
        for (HWND& bar : g_app.bars)
            DestroyWindow(bar);
        DestroyWindow(g_app.mainWindow);
        ResetWipeState();
    }
    TestWindows windows;
};

void Button(DWORD flags)
{
    INPUT input = {};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = flags;
    SendInput(1, &input, sizeof input);
    for (int i = 0; i < 100 && ((GetAsyncKeyState(VK_LBUTTON) & 0x8000) != 0) != (flags == MOUSEEVENTF_LEFTDOWN); ++i)
        Sleep(10);
}

BOOL WINAPI RefuseForeground(HWND) { return FALSE; }

// Another process's window takes the front when its thread gets to it.
bool BringForward(const char* title)
{
    HWND w = Find(title);
    if (!SetForegroundWindow(w))
        return false;
    for (int i = 0; i < 200 && GetForegroundWindow() != w; ++i)
        Sleep(10);
    return GetForegroundWindow() == w;
}

void Watch() { RestoreWatch(g_app.bars[EdgeLeft], WM_TIMER, TimerWatchLeft, 0); }

HWND s_cloaked;
bool DeclaredCloaked(HWND window) { return window == s_cloaked; }
}

TEST_CASE_FIXTURE(ShownLeftBar, "the desktop's icon window and the taskbars are never pushed, and the icons keep a wipe")
{
    const int w = g_app.screen.width, h = g_app.screen.height;
    REQUIRE(windows.Start("\"icons:0,0," + std::to_string(w) + "," + std::to_string(h) +
                              ":icons,shell\" tray:0,0,40,300:tray tray2:0,300,40,300:tray2 a:10,100,200,100 "
                              "other:500,300,100,100",
                          "other"));
    REQUIRE(GetShellWindow() == Find("icons"));
    WipeEdgeBy(g_app.bars[EdgeLeft], 150);
    REQUIRE(windows.Settle());
    CHECK(IsAt("a", 150, 100));
    CHECK(IsAt("icons", 0, 0));
    CHECK(IsAt("tray", 0, 0));
    CHECK(IsAt("tray2", 0, 300));
    CHECK(g_app.moved.count == 1);
    // Clicking the uncovered icons keeps the wipe; another window ends it.
    REQUIRE(BringForward("icons"));
    Watch();
    CHECK(IsMovedWindow(g_app.moved, Find("a")));
    REQUIRE(BringForward("other"));
    Watch();
    CHECK(ArrivesAt("a", 10, 100));
}

TEST_CASE_FIXTURE(ShownLeftBar, "a cloaked window stays where it is and costs no record")
{
    REQUIRE(windows.Start("cloaked:10,100,200,100 shown:20,300,200,100", "shown"));
    s_cloaked = Find("cloaked");
    SetCloakedWindowTest(DeclaredCloaked);
    Push(EdgeLeft, 150);
    SetCloakedWindowTest(nullptr);
    REQUIRE(windows.Settle());
    CHECK(IsAt("cloaked", 10, 100));
    CHECK(IsAt("shown", 150, 300));
    CHECK(g_app.moved.count == 1);
}

TEST_CASE_FIXTURE(ShownLeftBar, "a held file wipes though Windows refuses the bar the foreground")
{
    REQUIRE(windows.Start("source:400,300,200,150 a:10,100,200,100 other:700,500,100,100", "other"));
    REQUIRE(BringForward("source"));
    SetForegroundRequestForTests(RefuseForeground);
    SetCursorPos(1, 400);
    Button(MOUSEEVENTF_LEFTDOWN);
    REQUIRE((GetAsyncKeyState(VK_LBUTTON) & 0x8000) != 0);
    DragHoverPoll(g_app.mainWindow, WM_TIMER, TimerDragHover, 0);
    DragConfirm(g_app.mainWindow, WM_TIMER, TimerDragConfirm, 0);
    REQUIRE(windows.Settle());
    CHECK(IsAt("a", 150, 100));
    CHECK(GetForegroundWindow() == Find("source"));
    // The source staying in front keeps the wipe, the drop included.
    Watch();
    Button(MOUSEEVENTF_LEFTUP);
    Watch();
    CHECK(IsMovedWindow(g_app.moved, Find("a")));
    REQUIRE(BringForward("other"));
    Watch();
    CHECK(ArrivesAt("a", 10, 100));
}
