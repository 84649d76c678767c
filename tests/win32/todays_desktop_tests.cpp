// What Windows 10 and 11 put on a desktop that Wine does not, made here with
// stand-ins and seams: the shell's own windows, cloaked windows, and a
// foreground refused to the bar during a drag.
#include <doctest/doctest.h>

#include <cstring>
#include <string>

#include "resource.h"
#include "desktop/cloaking.h"
#include "desktop/monitor_rules.h"
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
        ApplySettingsToBars(wipe, KeepForeground);
    }
    ~ShownLeftBar()
    {
        KillTimer(wipe.mainWindow, IDT_DRAG_HOVER);
        KillTimer(wipe.mainWindow, IDT_DRAG_CONFIRM);
        for (const Bar& bar : wipe.bars) {
            KillTimer(bar.window, IDT_WATCH_LEFT + bar.edge);
            DestroyWindow(bar.window);
        }
        DestroyWindow(wipe.mainWindow);
    }
    Bar& Left() { return *BarAt(wipe.bars, 0, EdgeLeft); }
    void Watch() { RestoreWatchTick(wipe, Left()); }
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
    WipeEdge(wipe, Left());
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
    wipe.requestForeground = RefuseForeground;
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

namespace {
// How often testwin's window was activated or asked to change its place in
// the stacking order.
INT_PTR TimesRaised(const char* title) { return reinterpret_cast<INT_PTR>(GetPropA(Find(title), "raised")); }
}

TEST_CASE_FIXTURE(ShownLeftBar, "a wipe from the key and its end keep the stacking order, and give the front back")
{
    REQUIRE(windows.Start("a:10,100,200,100 b:40,150,200,100 c:80,200,200,100", "c"));
    REQUIRE(BringForward("b"));
    REQUIRE(windows.Settle());
    const INT_PTR raisedA = TimesRaised("a"), raisedC = TimesRaised("c");
    SetCursorPos(500, 400);
    EdgeKeyPressed(wipe, EdgeLeft);
    REQUIRE(windows.Settle());
    const int line = 150;  // two spacings of 75
    REQUIRE(IsAt("c", line, 200));
    EdgeKeyPressed(wipe, EdgeLeft);
    REQUIRE(windows.Settle());
    CHECK(ArrivesAt("c", 80, 200));
    CHECK(GetForegroundWindow() == Find("b"));
    // What the wipe asked of the windows it moved, not the order Wine shows:
    // Wine re-stacks windows that take posted moves by itself, as its threads
    // happen to run, which Windows does not.
    CHECK(TimesRaised("a") == raisedA);
    CHECK(TimesRaised("c") == raisedC);
}

namespace {
// Two monitors side by side, both inside the one screen Wine shows, so the
// pointer and the windows can reach either; the second one at 144 DPI.
const Rect kTwoHalves[] = {{0, 0, 512, 768}, {512, 0, 1024, 768}};
int SecondAt144(const Rect& monitor) { return monitor.left == 512 ? 144 : 96; }

struct DeclaredTwoHalves {
    DeclaredTwoHalves()
    {
        SetMonitorsForTests(kTwoHalves, 2);
        SetMonitorDpiForTests(SecondAt144);
    }
    ~DeclaredTwoHalves()
    {
        SetMonitorsForTests(nullptr, 0);
        SetMonitorDpiForTests(nullptr);
    }
};

struct BarsOnEveryScreen : DeclaredTwoHalves, ShownLeftBar {
    // A change of the displays reads the settings file again, as a start would.
    const std::string ini = BesideExe("Sashlet.ini");
    BarsOnEveryScreen()
    {
        WriteFileBytes(ini, "[Sashlet]\r\nEveryScreen=1\r\n");
        settings.everyScreen = 1;
        ApplySettingsToBars(wipe, KeepForeground);
    }
    ~BarsOnEveryScreen() { RemoveFile(ini); }
    Bar& SecondLeft() { return *BarAt(wipe.bars, 1, EdgeLeft); }
    // Two spacings in from the second monitor's left, at 512: the prefix's
    // 75 px at the system's 96 DPI are 113 px at that monitor's 144.
    const int kSecondLine = 512 + 2 * 113;
    static bool Shown(const Bar& bar) { return (GetWindowLongA(bar.window, GWL_STYLE) & WS_VISIBLE) != 0; }
};
}

TEST_CASE_FIXTURE(BarsOnEveryScreen, "every monitor has its bars, and a wipe moves only its own monitor's windows")
{
    REQUIRE(GetSystemMetrics(SM_CXICONSPACING) == 75);
    REQUIRE(windows.Start("a:10,100,200,100 b:520,100,200,100 across:400,400,200,100 other:300,600,100,100",
                          "other"));
    REQUIRE(wipe.monitorsWithBars == 2);
    char title[64];
    GetWindowTextA(SecondLeft().window, title, sizeof title);
    CHECK(std::string(title) == "SashletLeft 2");
    CHECK(GetWindow(SecondLeft().window, GW_OWNER) == wipe.mainWindow);
    RECT bar;
    GetWindowRect(SecondLeft().window, &bar);
    CHECK(bar.left == 512);
    CHECK(bar.bottom - bar.top == 768);
    CHECK(Shown(SecondLeft()));
    // A bar is made only once its edge shows.
    CHECK(BarAt(wipe.bars, 1, EdgeRight) == nullptr);

    WipeEdge(wipe, SecondLeft());
    REQUIRE(windows.Settle());
    CHECK(IsAt("b", kSecondLine, 100));
    CHECK(IsAt("a", 10, 100));
    CHECK(IsAt("across", 400, 400));  // more of it on the main screen
    REQUIRE(BringForward("other"));
    RestoreWatchTick(wipe, SecondLeft());
    CHECK(ArrivesAt("b", 520, 100));

    // The main screen's wipe leaves the second monitor's windows alone, at
    // the DPI of its own monitor.
    WipeEdge(wipe, Left());
    REQUIRE(windows.Settle());
    CHECK(IsAt("a", 150, 100));
    CHECK(IsAt("b", 520, 100));
    // The edge's key wipes the monitor under the pointer, ending the other wipe.
    SetCursorPos(700, 300);
    EdgeKeyPressed(wipe, EdgeLeft);
    REQUIRE(windows.Settle());
    CHECK(IsAt("a", 10, 100));
    CHECK(IsAt("b", kSecondLine, 100));
    CHECK(SecondLeft().wiped);
    EndWipe(wipe);
    CHECK(ArrivesAt("b", 520, 100));

    // Switched on, the edge gets its bars, and the last one shown is in front.
    settings.right = 1;
    ApplySettingsToBars(wipe, ActivateBars);
    const Bar* secondRight = BarAt(wipe.bars, 1, EdgeRight);
    REQUIRE(secondRight != nullptr);
    GetWindowTextA(secondRight->window, title, sizeof title);
    CHECK(std::string(title) == "SashletRight 2");
    CHECK(Shown(*secondRight));
    CHECK(GetActiveWindow() == secondRight->window);
}

TEST_CASE_FIXTURE(BarsOnEveryScreen, "a push on one monitor leaves the windows another monitor's wipe moved")
{
    REQUIRE(windows.Start("a:10,100,200,100 b:900,300,100,100 tray2:600,0,40,300:tray2", "tray2"));
    WipeEdge(wipe, Left());
    REQUIRE(windows.Settle());
    const int line = 150;  // two spacings of 75
    REQUIRE(IsAt("a", line, 100));
    // Before the first wipe's watch has seen it, the second monitor's Right
    // edge pushes: its own window moves, the first monitor's stays pushed.
    PushWindowsFromEdge(wipe.moved, ignore, wipe.bars, kTwoHalves[1], EdgeRight, 1024 - 300);
    REQUIRE(windows.Settle());
    CHECK(IsAt("a", line, 100));
    CHECK(IsAt("b", 1024 - 300 - 100, 300));
    // The second monitor's taskbar is the shell's: no wipe moves it.
    WipeEdge(wipe, SecondLeft());
    REQUIRE(windows.Settle());
    CHECK(IsAt("tray2", 600, 0));
    EndWipe(wipe);
    CHECK(ArrivesAt("a", 10, 100));
    CHECK(ArrivesAt("b", 900, 300));
}

TEST_CASE_FIXTURE(BarsOnEveryScreen, "a full-screen program on one monitor hides that monitor's bars alone")
{
    REQUIRE(windows.Start("fs:512,0,512,768 other:100,600,100,100", "other"));
    REQUIRE(BringForward("fs"));
    DragHoverTick(wipe);
    CHECK_FALSE(Shown(SecondLeft()));
    CHECK(Shown(Left()));
    // Its key does nothing there, not even on the main screen's edge, and
    // still works on the main screen.
    SetCursorPos(700, 300);
    EdgeKeyPressed(wipe, EdgeLeft);
    CHECK_FALSE(SecondLeft().wiped);
    CHECK_FALSE(Left().wiped);
    SetCursorPos(300, 300);
    EdgeKeyPressed(wipe, EdgeLeft);
    CHECK(Left().wiped);
    EndWipe(wipe);
    REQUIRE(BringForward("other"));
    DragHoverTick(wipe);
    CHECK(Shown(SecondLeft()));
}

TEST_CASE_FIXTURE(BarsOnEveryScreen, "a monitor that goes while its windows are pushed leaves them where they are")
{
    // The file read again keeps every screen: only the monitors found again
    // can leave one monitor with bars.
    WriteFileBytes(ini, "[Sashlet]\r\nLeft=1\r\nTop=1\r\nEveryScreen=1\r\n");
    REQUIRE(windows.Start("b:520,100,200,100 other:300,600,100,100", "other"));
    WipeEdge(wipe, SecondLeft());
    REQUIRE(windows.Settle());
    REQUIRE(IsAt("b", kSecondLine, 100));
    // Unplugged: Windows has moved the window onto the monitor left, and says so.
    SetWindowPos(Find("b"), nullptr, 100, 100, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    REQUIRE(windows.Settle());
    // What is left is the main monitor, at a lower resolution now.
    const Rect mainAlone[] = {{0, 0, 512, 700}};
    SetMonitorsForTests(mainAlone, 1);
    FollowDisplayChange(wipe, settings);
    REQUIRE(windows.Settle());
    CHECK(IsAt("b", 100, 100));
    CHECK(wipe.moved.count == 0);
    CHECK(settings.everyScreen == 1);
    CHECK(wipe.monitorsWithBars == 1);
    CHECK_FALSE(Shown(SecondLeft()));
    CHECK_FALSE(SecondLeft().wiped);
    RECT r;
    GetWindowRect(Left().window, &r);
    CHECK((r.left == 0 && r.right == 2 && r.bottom == 700));
}

TEST_CASE_FIXTURE(BarsOnEveryScreen, "a monitor added gets its bars, and bars put aside for a full-screen program "
                                     "come back when the displays change")
{
    REQUIRE(windows.Start("fs:512,0,512,768 other:100,600,100,100", "other"));
    REQUIRE(BringForward("fs"));
    DragHoverTick(wipe);
    REQUIRE_FALSE(Shown(SecondLeft()));
    const Rect three[] = {kTwoHalves[0], kTwoHalves[1], {1024, 0, 1536, 768}};
    SetMonitorsForTests(three, 3);
    FollowDisplayChange(wipe, settings);
    CHECK(wipe.monitorsWithBars == 3);
    const Bar* third = BarAt(wipe.bars, 2, EdgeLeft);
    REQUIRE(third != nullptr);
    CHECK(Shown(*third));
    char title[64];
    GetWindowTextA(third->window, title, sizeof title);
    CHECK(std::string(title) == "SashletLeft 3");
    // The look at the window in front starts afresh: the full-screen program
    // takes its monitor's bars aside again only once it is judged again.
    CHECK(Shown(SecondLeft()));
}

TEST_CASE_FIXTURE(BarsOnEveryScreen, "every screen switched off hides the second monitor's bars, and its key "
                                     "wipes the main screen's edge from there")
{
    REQUIRE(windows.Start("a:10,100,200,100 b:520,100,200,100", "b"));
    settings.everyScreen = 0;
    ApplySettingsToBars(wipe, ActivateBars);
    CHECK(wipe.monitorsWithBars == 1);
    CHECK_FALSE(Shown(SecondLeft()));
    SetCursorPos(700, 300);
    EdgeKeyPressed(wipe, EdgeLeft);
    REQUIRE(windows.Settle());
    CHECK(Left().wiped);
    CHECK(IsAt("a", 150, 100));
    CHECK(IsAt("b", 520, 100));
    EndWipe(wipe);
    CHECK(ArrivesAt("a", 10, 100));
}
