// Pushing real windows of another process away from each edge and back.
#include <doctest/doctest.h>

#include <initializer_list>
#include <string>

#include "app/app_state.h"
#include "bars/wipe_engine.h"
#include "config/ignore_list_store.h"
#include "test_windows.h"

namespace {
struct WipeFixture {
    TestWindows windows;
    WipeFixture()
    {
        g_app.screen = ScreenSize{GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
        for (HWND& bar : g_app.bars)
            bar = nullptr;
        FreeIgnoreList();
        ClearMovedWindows();
    }
    ~WipeFixture()
    {
        FreeIgnoreList();
        RemoveFile(BesideExe("ignore.lst"));
    }
};

bool At(const char* title, int left, int top)
{
    const RECT r = RectOf(title);
    return r.left == left && r.top == top;
}

bool SizeIs(const char* title, int width, int height)
{
    const RECT r = RectOf(title);
    return r.right - r.left == width && r.bottom - r.top == height;
}
}

TEST_CASE_FIXTURE(WipeFixture, "each edge pushes the windows reaching past its line onto it and restores them exactly")
{
    const int W = g_app.screen.width, H = g_app.screen.height;
    SUBCASE("left")
    {
        REQUIRE(windows.Start("a:10,100,200,150 online:150,300,80,80 beyond:151,500,80,80", "beyond"));
        PushWindowsFromEdge(EdgeLeft, 150);
        CHECK(At("a", 150, 100));
        CHECK(SizeIs("a", 200, 150));
        CHECK(At("online", 150, 300));
        CHECK(At("beyond", 151, 500));
        CHECK(g_app.moved.count == 2);
    }
    SUBCASE("right")
    {
        const std::string layouts = "a:" + std::to_string(W - 300) + ",100,300,150 online:" +
                                  std::to_string(W - 230) + ",300,80,80 beyond:" + std::to_string(W - 231) +
                                  ",500,80,80";
        REQUIRE(windows.Start(layouts, "beyond"));
        PushWindowsFromEdge(EdgeRight, W - 150);
        CHECK(At("a", W - 450, 100));
        CHECK(SizeIs("a", 300, 150));
        CHECK(At("online", W - 230, 300));
        CHECK(At("beyond", W - 231, 500));
        CHECK(g_app.moved.count == 2);
    }
    SUBCASE("top")
    {
        REQUIRE(windows.Start("a:100,-20,200,150 online:400,150,80,80 beyond:600,151,80,80", "beyond"));
        PushWindowsFromEdge(EdgeTop, 150);
        CHECK(At("a", 100, 150));
        CHECK(SizeIs("a", 200, 150));
        CHECK(At("online", 400, 150));
        CHECK(At("beyond", 600, 151));
        CHECK(g_app.moved.count == 2);
    }
    SUBCASE("bottom")
    {
        const std::string layouts = "a:100," + std::to_string(H - 100) + ",200,150 online:400," +
                                  std::to_string(H - 230) + ",80,80 beyond:600," + std::to_string(H - 231) +
                                  ",80,80";
        REQUIRE(windows.Start(layouts, "beyond"));
        PushWindowsFromEdge(EdgeBottom, H - 150);
        CHECK(At("a", 100, H - 300));
        CHECK(SizeIs("a", 200, 150));
        CHECK(At("online", 400, H - 230));
        CHECK(At("beyond", 600, H - 231));
        CHECK(g_app.moved.count == 2);
    }
    RestoreMovedWindows();
    CHECK(g_app.moved.count == 0);
    const RECT a = RectOf("a");
    CHECK(((a.left == 10 && a.top == 100) || (a.left == W - 300 && a.top == 100) || (a.left == 100 && a.top == -20) ||
           (a.left == 100 && a.top == H - 100)));
    CHECK(a.right - a.left == (a.left == W - 300 ? 300 : 200));
    CHECK(a.bottom - a.top == 150);
}

TEST_CASE_FIXTURE(WipeFixture, "hidden, empty, off-screen and ignored windows stay where they are")
{
    REQUIRE(windows.Start("hidden:10,10,100,100:hidden empty:10,200,0,100 flat:10,300,100,0 "
                          "offscreen:-500,10,300,100 moved:20,400,100,100",
                          "moved"));
    PushWindowsFromEdge(EdgeLeft, 150);
    CHECK(At("hidden", 10, 10));
    CHECK(At("empty", 10, 200));
    CHECK(At("flat", 10, 300));
    CHECK(At("offscreen", -500, 10));
    CHECK(At("moved", 150, 400));
    RestoreMovedWindows();
    CHECK(At("moved", 20, 400));

    const std::string self = TestWinPath();
    const char* list[] = {self.c_str()};
    SaveIgnoreList(list, 1);
    LoadIgnoreList();
    PushWindowsFromEdge(EdgeLeft, 150);
    CHECK(At("moved", 20, 400));
    CHECK(g_app.moved.count == 0);
}

TEST_CASE_FIXTURE(WipeFixture, "a second wipe from another edge keeps the first homes")
{
    REQUIRE(windows.Start("w:10,20,100,100", "w"));
    PushWindowsFromEdge(EdgeLeft, 150);
    CHECK(At("w", 150, 20));
    PushWindowsFromEdge(EdgeTop, 200);
    CHECK(At("w", 150, 200));
    CHECK(g_app.moved.count == 1);
    // Dragging a bar back toward its edge pulls the recorded window along.
    PushWindowsFromEdge(EdgeLeft, 60);
    CHECK(At("w", 60, 200));
    RestoreMovedWindows();
    CHECK(At("w", 10, 20));
}

TEST_CASE_FIXTURE(WipeFixture, "after a count reset earlier records beyond the new ones drop out")
{
    REQUIRE(windows.Start("a:10,10,50,50 b:10,100,50,50 c:10,200,50,50", "c"));
    PushWindowsFromEdge(EdgeLeft, 150);
    REQUIRE(g_app.moved.count == 3);
    TestWindows later;
    REQUIRE(later.Start("d:10,300,50,50", "d"));
    ResetMovedWindowCount();
    // A nearer line: only d is new; a, b and c no longer reach past it.
    PushWindowsFromEdge(EdgeLeft, 100);
    CHECK(g_app.moved.count == 1);
    RestoreMovedWindows();
    CHECK(At("d", 10, 300));
    // d's record overwrote the first entry and freed the second, so none of the
    // earlier windows is walked back home.
    for (const char* title : {"a", "b", "c"}) {
        CAPTURE(title);
        const LONG left = RectOf(title).left;
        CHECK((left == 100 || left == 150));
    }
}

TEST_CASE_FIXTURE(WipeFixture, "the 257th qualifying window stays where it is")
{
    REQUIRE(windows.Start("many:257:10,10,40,40", "many256"));
    PushWindowsFromEdge(EdgeLeft, 100);
    CHECK(g_app.moved.count == 256);
    int pushed = 0, stayed = 0;
    for (int i = 0; i < 257; ++i) {
        const std::string title = "many" + std::to_string(i);
        if (At(title.c_str(), 100, 10))
            ++pushed;
        else if (At(title.c_str(), 10, 10))
            ++stayed;
    }
    CHECK(pushed == 256);
    CHECK(stayed == 1);
    RestoreMovedWindows();
    int home = 0;
    for (int i = 0; i < 257; ++i)
        home += At(("many" + std::to_string(i)).c_str(), 10, 10) ? 1 : 0;
    CHECK(home == 257);
}

TEST_CASE_FIXTURE(WipeFixture, "a recorded window closed before the restore breaks nothing")
{
    REQUIRE(windows.Start("stays:10,10,50,50", "stays"));
    TestWindows closing;
    REQUIRE(closing.Start("closes:10,100,50,50", "closes"));
    PushWindowsFromEdge(EdgeLeft, 150);
    REQUIRE(g_app.moved.count == 2);
    closing.Stop();
    RestoreMovedWindows();
    CHECK(At("stays", 10, 10));
    CHECK(g_app.moved.count == 0);
}
