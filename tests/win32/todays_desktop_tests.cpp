// What Windows 10 and 11 put on a desktop that Wine does not, made here with
// stand-ins and seams: the shell's own windows, cloaked windows, and a
// foreground refused to the bar during a drag.
#include <doctest/doctest.h>

#include "resource.h"
#include "wipe/window_facts.h"
#include "test_windows.h"

namespace {
// The program's own windows: a main window for the poll timers and a shown
// Left bar, laid out as at start-up. The timers are never left to fire: the
// test ticks them itself.
LRESULT CALLBACK PlainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    return DefWindowProcA(window, message, wParam, lParam);
}

struct ShownLeftBar : WipeScene {
    ShownLeftBar()
    {
        HINSTANCE instance = GetModuleHandleA(nullptr);
        WNDCLASSA wc = {};
        wc.lpfnWndProc = PlainWindowProc;
        wc.hInstance = instance;
        wc.lpszClassName = "SashletTodaysDesktopBar";
        RegisterClassA(&wc);
        wipe.mainWindow = CreateWindowExA(0, wc.lpszClassName, "main", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                                          instance, nullptr);
        for (int e = 0; e < EdgeCount; ++e)
            wipe.bars[e] = CreateBarWindow(instance, wc.lpszClassName, wipe.mainWindow, static_cast<Edge>(e),
                                           Rect{0, 0, 0, 0});
        ApplySettingsToBars(wipe, KeepForeground);
    }
    ~ShownLeftBar()
    {
        SetForegroundRequestForTests(nullptr);
        KillTimer(wipe.mainWindow, IDT_DRAG_HOVER);
        KillTimer(wipe.mainWindow, IDT_DRAG_CONFIRM);
        KillTimer(wipe.bars[EdgeLeft], IDT_WATCH_LEFT);
        for (HWND& bar : wipe.bars)
            DestroyWindow(bar);
        DestroyWindow(wipe.mainWindow);
    }
    void Watch() { RestoreWatchTick(wipe, EdgeLeft); }
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

HWND s_cloaked;
bool DeclaredCloaked(HWND window) { return window == s_cloaked; }
}

TEST_CASE_FIXTURE(ShownLeftBar, "the desktop's icon window and the taskbars are never pushed, and the icons keep a wipe")
{
    const int w = wipe.screen.width, h = wipe.screen.height;
    REQUIRE(windows.Start("\"icons:0,0," + std::to_string(w) + "," + std::to_string(h) +
                              ":icons,shell\" tray:0,0,40,300:tray tray2:0,300,40,300:tray2 a:10,100,200,100 "
                              "other:500,300,100,100",
                          "other"));
    REQUIRE(GetShellWindow() == Find("icons"));
    WipeEdge(wipe, EdgeLeft);
    REQUIRE(windows.Settle());
    CHECK(IsAt("a", 150, 100));
    CHECK(IsAt("icons", 0, 0));
    CHECK(IsAt("tray", 0, 0));
    CHECK(IsAt("tray2", 0, 300));
    CHECK(wipe.moved.count == 1);
    // Clicking the uncovered icons keeps the wipe; another window ends it.
    REQUIRE(BringForward("icons"));
    Watch();
    CHECK(IsMovedWindow(wipe.moved, Find("a")));
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
    CHECK(wipe.moved.count == 1);
}

TEST_CASE_FIXTURE(ShownLeftBar, "a held file wipes though Windows refuses the bar the foreground")
{
    REQUIRE(windows.Start("source:400,300,200,150 a:10,100,200,100 other:700,500,100,100", "other"));
    REQUIRE(BringForward("source"));
    SetForegroundRequestForTests(RefuseForeground);
    SetCursorPos(1, 400);
    Button(MOUSEEVENTF_LEFTDOWN);
    REQUIRE((GetAsyncKeyState(VK_LBUTTON) & 0x8000) != 0);
    DragHoverTick(wipe);
    DragConfirmTick(wipe);
    REQUIRE(windows.Settle());
    CHECK(IsAt("a", 150, 100));
    CHECK(GetForegroundWindow() == Find("source"));
    // The source staying in front keeps the wipe, the drop included.
    Watch();
    Button(MOUSEEVENTF_LEFTUP);
    Watch();
    CHECK(IsMovedWindow(wipe.moved, Find("a")));
    REQUIRE(BringForward("other"));
    Watch();
    CHECK(ArrivesAt("a", 10, 100));
}
