// Pushing real windows of another process away from each edge and back.
#include <doctest/doctest.h>

#include <initializer_list>
#include <string>
#include <vector>

#include "wipe/wipe_engine.h"
#include "desktop/cloaking.h"
#include "desktop/shell_windows.h"
#include "config/ignore_list_store.h"
#include "test_windows.h"

namespace {
struct WipeFixture : WipeScene {
    TestWindows windows;
    ~WipeFixture() { RemoveFile(BesideExe("ignore.lst")); }
};

std::string Layout(const char* title, int left, int top, int width, int height, const char* options = "")
{
    return "\"" + std::string(title) + ":" + std::to_string(left) + "," + std::to_string(top) + "," +
           std::to_string(width) + "," + std::to_string(height) + options + "\" ";
}

bool SizeIs(const char* title, int width, int height)
{
    const RECT r = RectOf(title);
    return r.right - r.left == width && r.bottom - r.top == height;
}

struct Expect {
    const char* title;
    POINT home;
    POINT pushed;
};

// Starts the windows, pushes once and checks every window against where it
// must stand, then restores and checks every window is home again.
void PushAndRestore(WipeScene& scene, TestWindows& windows, const std::string& layouts, Edge edge, int line,
                    const std::vector<Expect>& expect, int recorded)
{
    REQUIRE(windows.Start(layouts, expect.back().title));
    std::vector<SIZE> sizes;
    for (const Expect& e : expect) {
        const RECT r = RectOf(e.title);
        sizes.push_back(SIZE{r.right - r.left, r.bottom - r.top});
    }
    scene.Push(edge, line);
    REQUIRE(windows.Settle());
    for (size_t i = 0; i < expect.size(); ++i) {
        CAPTURE(expect[i].title);
        CHECK(IsAt(expect[i].title, expect[i].pushed.x, expect[i].pushed.y));
        CHECK(SizeIs(expect[i].title, sizes[i].cx, sizes[i].cy));
    }
    CHECK(scene.Moved() == recorded);
    scene.Restore();
    CHECK(scene.Moved() == 0);
    REQUIRE(windows.Settle());
    for (size_t i = 0; i < expect.size(); ++i) {
        CAPTURE(expect[i].title);
        CHECK(IsAt(expect[i].title, expect[i].home.x, expect[i].home.y));
        CHECK(SizeIs(expect[i].title, sizes[i].cx, sizes[i].cy));
    }
}
}

TEST_CASE_FIXTURE(WipeFixture, "each edge pushes the windows reaching past its line onto it and restores them exactly")
{
    const int W = wipe.screen.width, H = wipe.screen.height;
    SUBCASE("left")
    {
        PushAndRestore(*this, windows,
                       Layout("a", 10, 100, 200, 150) + Layout("flush", 0, 260, 80, 80) +
                           Layout("online", 150, 360, 80, 80) + Layout("beyond", 151, 500, 80, 80),
                       EdgeLeft, 150,
                       {{"a", {10, 100}, {150, 100}},
                        {"flush", {0, 260}, {150, 260}},
                        {"online", {150, 360}, {150, 360}},
                        {"beyond", {151, 500}, {151, 500}}},
                       3);
    }
    SUBCASE("right")
    {
        PushAndRestore(*this, windows,
                       Layout("a", W - 300, 100, 300, 150) + Layout("flush", W - 80, 260, 80, 80) +
                           Layout("online", W - 230, 360, 80, 80) + Layout("beyond", W - 231, 500, 80, 80),
                       EdgeRight, W - 150,
                       {{"a", {W - 300, 100}, {W - 450, 100}},
                        {"flush", {W - 80, 260}, {W - 230, 260}},
                        {"online", {W - 230, 360}, {W - 230, 360}},
                        {"beyond", {W - 231, 500}, {W - 231, 500}}},
                       3);
    }
    SUBCASE("top")
    {
        PushAndRestore(*this, windows,
                       Layout("a", 100, -20, 200, 150) + Layout("flush", 320, 0, 80, 80) +
                           Layout("online", 420, 150, 80, 80) + Layout("beyond", 600, 151, 80, 80),
                       EdgeTop, 150,
                       {{"a", {100, -20}, {100, 150}},
                        {"flush", {320, 0}, {320, 150}},
                        {"online", {420, 150}, {420, 150}},
                        {"beyond", {600, 151}, {600, 151}}},
                       3);
    }
    SUBCASE("bottom")
    {
        PushAndRestore(*this, windows,
                       Layout("a", 100, H - 100, 200, 150) + Layout("flush", 320, H - 80, 80, 80) +
                           Layout("online", 420, H - 230, 80, 80) + Layout("beyond", 600, H - 231, 80, 80),
                       EdgeBottom, H - 150,
                       {{"a", {100, H - 100}, {100, H - 300}},
                        {"flush", {320, H - 80}, {320, H - 230}},
                        {"online", {420, H - 230}, {420, H - 230}},
                        {"beyond", {600, H - 231}, {600, H - 231}}},
                       3);
    }
}

TEST_CASE_FIXTURE(WipeFixture, "hidden, empty, off-screen and ignored windows stay where they are")
{
    REQUIRE(windows.Start("hidden:10,10,100,100:hidden empty:10,200,0,100 flat:10,300,100,0 "
                          "offscreen:-500,10,300,100 moved:20,400,100,100",
                          "moved"));
    Push(EdgeLeft, 150);
    REQUIRE(windows.Settle());
    CHECK(IsAt("hidden", 10, 10));
    CHECK(IsAt("empty", 10, 200));
    CHECK(IsAt("flat", 10, 300));
    CHECK(IsAt("offscreen", -500, 10));
    CHECK(IsAt("moved", 150, 400));
    CHECK(Moved() == 1);
    Restore();
    CHECK(ArrivesAt("moved", 20, 400));

    const std::string self = TestWinPath();
    const char* list[] = {self.c_str()};
    SaveIgnoreList(list, 1);
    LoadIgnoreList(ignore);
    Push(EdgeLeft, 150);
    REQUIRE(windows.Settle());
    CHECK(IsAt("moved", 20, 400));
    CHECK(Moved() == 0);
}

TEST_CASE_FIXTURE(WipeFixture, "the desktop's Program Manager window, which spans the screen, is never pushed")
{
    REQUIRE(windows.Start(Layout("Program Manager", 0, 0, wipe.screen.width, wipe.screen.height, ":desktop") +
                              Layout("other", 10, 10, 100, 100),
                          "other"));
    ShellWindows shell;
    FindShellWindows(shell);
    REQUIRE(shell.programManager == Find("Program Manager"));
    Push(EdgeLeft, 150);
    REQUIRE(windows.Settle());
    CHECK(IsAt("other", 150, 10));
    CHECK(IsAt("Program Manager", 0, 0));
    CHECK(Moved() == 1);
    Restore();
    CHECK(ArrivesAt("other", 10, 10));
}

TEST_CASE_FIXTURE(WipeFixture, "a second wipe from another edge keeps the first homes")
{
    REQUIRE(windows.Start("w:10,20,100,100", "w"));
    Push(EdgeLeft, 150);
    CHECK(ArrivesAt("w", 150, 20));
    Push(EdgeTop, 200);
    CHECK(ArrivesAt("w", 150, 200));
    CHECK(Moved() == 1);
    // Dragging a bar back toward its edge pulls the recorded window along.
    Push(EdgeLeft, 60);
    CHECK(ArrivesAt("w", 60, 200));
    Restore();
    CHECK(ArrivesAt("w", 10, 20));
}

TEST_CASE_FIXTURE(WipeFixture, "windows pushed onto a bar at rest keep their homes through the wipe that follows")
{
    // A double-click's first press pushes what reaches past the 2-pixel bar,
    // the double-click then wipes 150 pixels out.
    REQUIRE(windows.Start("flush:0,10,50,50 edge:-8,100,60,50 later:100,200,50,50", "later"));
    Push(EdgeLeft, 2);
    CHECK(ArrivesAt("flush", 2, 10));
    CHECK(ArrivesAt("edge", 2, 100));
    CHECK(Moved() == 2);
    Push(EdgeLeft, 150);
    CHECK(Moved() == 3);
    CHECK(ArrivesAt("flush", 150, 10));
    CHECK(ArrivesAt("edge", 150, 100));
    CHECK(ArrivesAt("later", 150, 200));
    Restore();
    CHECK(ArrivesAt("flush", 0, 10));
    CHECK(ArrivesAt("edge", -8, 100));
    CHECK(ArrivesAt("later", 100, 200));
}

TEST_CASE_FIXTURE(WipeFixture, "a program that has stopped responding holds up neither the wipe nor the restore")
{
    REQUIRE(windows.Start("a:10,10,50,50 b:10,300,50,50", "b"));
    TestWindows hung;
    RemoveFile("hung.moves");
    REQUIRE(hung.Start("hung:10,150,50,50:log", "hung"));
    REQUIRE(hung.Hang("hung"));
    for (int round = 0; round < 2; ++round) {
        CAPTURE(round);
        const DWORD start = GetTickCount();
        Push(EdgeLeft, 150);
        CHECK(GetTickCount() - start < 1000);
        CHECK(Moved() == 3);
        CHECK(ArrivesAt("a", 150, 10));
        CHECK(ArrivesAt("b", 150, 300));
        CHECK(IsAt("hung", 10, 150));
        Restore();
        CHECK(GetTickCount() - start < 2000);
        CHECK(ArrivesAt("a", 10, 10));
        CHECK(ArrivesAt("b", 10, 300));
    }
    // Once it answers again, its window takes every move in order and ends at home.
    REQUIRE(ResumeHungWindows());
    REQUIRE(hung.Settle());
    CHECK(IsAt("hung", 10, 150));
    std::string moves;
    REQUIRE(ReadFileBytes("hung.moves", moves));
    CHECK(moves == "150,150\r\n10,150\r\n150,150\r\n10,150\r\n");
    RemoveFile("hung.moves");
}

TEST_CASE_FIXTURE(WipeFixture, "a window that stops responding on its way home keeps its home through the next wipe")
{
    REQUIRE(windows.Start("slow:10,150,50,50", "slow"));
    Push(EdgeLeft, 150);
    REQUIRE(ArrivesAt("slow", 150, 150));
    REQUIRE(windows.Hang("slow"));
    // Sent home, but it still shows where the wipe put it when the next wipe comes.
    Restore();
    Push(EdgeTop, 200);
    CHECK(IsAt("slow", 150, 150));
    Restore();
    REQUIRE(ResumeHungWindows());
    REQUIRE(windows.Settle());
    CHECK(IsAt("slow", 10, 150));
}

TEST_CASE_FIXTURE(WipeFixture, "the 257th qualifying window stays where it is")
{
    REQUIRE(windows.Start("many:257:10,10,40,40", "many256"));
    Push(EdgeLeft, 100);
    REQUIRE(windows.Settle());
    CHECK(Moved() == 256);
    int pushed = 0, stayed = 0;
    for (int i = 0; i < 257; ++i) {
        const std::string title = "many" + std::to_string(i);
        if (IsAt(title.c_str(), 100, 10))
            ++pushed;
        else if (IsAt(title.c_str(), 10, 10))
            ++stayed;
    }
    CHECK(pushed == 256);
    CHECK(stayed == 1);
    Restore();
    REQUIRE(windows.Settle());
    int home = 0;
    for (int i = 0; i < 257; ++i)
        home += IsAt(("many" + std::to_string(i)).c_str(), 10, 10) ? 1 : 0;
    CHECK(home == 257);
}

TEST_CASE_FIXTURE(WipeFixture, "a recorded window closed before the restore breaks nothing")
{
    REQUIRE(windows.Start("stays:10,10,50,50", "stays"));
    TestWindows closing;
    REQUIRE(closing.Start("closes:10,100,50,50", "closes"));
    Push(EdgeLeft, 150);
    REQUIRE(Moved() == 2);
    closing.Stop();
    Restore();
    CHECK(ArrivesAt("stays", 10, 10));
    CHECK(Moved() == 0);
}

TEST_CASE_FIXTURE(WipeFixture, "a window mostly on the monitor beside ours belongs to that monitor")
{
    const int W = wipe.screen.width, H = wipe.screen.height;
    // Maximised on a monitor to the left, a window's frame overhangs ours by 8 px.
    REQUIRE(windows.Start(Layout("overhang", -600, 100, 608, 200) + Layout("ours", -100, 400, 300, 100), "ours"));
    const Rect monitors[] = {{0, 0, W, H}, {-1280, 0, 0, 1024}};
    SetMonitorsForTests(monitors, 2);
    Push(EdgeLeft, 150);
    SetMonitorsForTests(nullptr, 0);
    REQUIRE(windows.Settle());
    CHECK(IsAt("overhang", -600, 100));
    CHECK(IsAt("ours", 150, 400));
    Restore();
    CHECK(ArrivesAt("ours", -100, 400));
    // With one monitor, the rest of it lies on no monitor at all, which counts against ours too.
    Push(EdgeLeft, 150);
    REQUIRE(windows.Settle());
    CHECK(IsAt("overhang", -600, 100));
    CHECK(IsAt("ours", 150, 400));
    Restore();
    CHECK(ArrivesAt("ours", -100, 400));
}
