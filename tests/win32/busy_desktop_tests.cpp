// Many windows of a few programs: the same windows move as ever, and each
// program's executable is looked up once per wipe, not once per window.
#include <doctest/doctest.h>

#include <string>
#include <vector>

#include "wipe/wipe_engine.h"
#include "config/ignore_list_store.h"
#include "processes/process_image_path.h"
#include "resource.h"
#include "test_windows.h"

namespace {
const char* const kOtherExe = "otherwin.exe";

struct BusyDesktop : WipeScene {
    TestWindows ignored, first, second, secondAgain;
    BusyDesktop()
    {
        CopyFileA(BesideExe("testwin.exe").c_str(), BesideExe(kOtherExe).c_str(), FALSE);
        // testwin.exe is on the list; otherwin.exe, a copy under another name, is not.
        REQUIRE(ignored.Start("i1:10,10,60,60 i2:100,100,60,60 i3:400,200,60,60", "i3"));
        REQUIRE(first.Start("a1:20,300,60,60 a2:0,400,60,60 a3:500,300,60,60 a4:30,500,60,60:minimized "
                             "a5:30,600,60,60:hidden",
                             "a5", kOtherExe));
        REQUIRE(second.Start("b1:149,650,60,60", "b1", kOtherExe));
        REQUIRE(secondAgain.Start("c1:600,600,60,60 c2:40,40,60,60:hidden", "c2", kOtherExe));
    }
    ~BusyDesktop() { RemoveFile(BesideExe("ignore.lst")); }
    void ListTestwin()
    {
        const std::string listed = TestWinPath();
        const char* list[] = {"C:\\Program Files\\Vendor\\tool.exe", listed.c_str()};
        SaveIgnoreList(list, 2);
        LoadIgnoreList(ignore);
    }
    bool Settled() { return ignored.Settle() && first.Settle() && second.Settle() && secondAgain.Settle(); }
};

// The foreground changes hands through the other program's thread; wait for it.
bool BringToFront(HWND window)
{
    SetForegroundWindow(window);
    for (int waited = 0; waited < 5000 && GetForegroundWindow() != window; waited += 10)
        Sleep(10);
    return GetForegroundWindow() == window;
}

template <class Action>
unsigned long LookupsDuring(Action action)
{
    const unsigned long before = ImagePathLookupCount();
    action();
    return ImagePathLookupCount() - before;
}
}

TEST_CASE_FIXTURE(BusyDesktop, "a push moves the same windows and looks each candidate process up once")
{
    struct Where {
        std::string title;
        int left, top;
    };
    // a1, a2 and b1 reach past the line and belong to no listed program; i1
    // and i2 reach it too; the rest do not reach it, are minimised (parked
    // beyond the edge) or hidden.
    std::vector<Where> expected = {{"i3", 400, 200}, {"a1", 150, 300}, {"a2", 150, 400}, {"a3", 500, 300},
                                   {"a5", 30, 600},  {"b1", 150, 650}, {"c1", 600, 600}, {"c2", 40, 40}};
    unsigned long lookupsPerPush = 0;
    int moved = 3;
    SUBCASE("with an empty list nothing is looked up")
    {
        expected.push_back({"i1", 150, 10});
        expected.push_back({"i2", 150, 100});
        moved = 5;
    }
    SUBCASE("with a list, one lookup for each process that has a window to move or follow")
    {
        ListTestwin();
        expected.push_back({"i1", 10, 10});
        expected.push_back({"i2", 100, 100});
        // The ignored program, the first otherwin and the second; not the
        // third, whose windows neither reach the line nor are shown.
        lookupsPerPush = 3;
    }
    CHECK(LookupsDuring([&] { Push(EdgeLeft, 150); }) == lookupsPerPush);
    REQUIRE(Settled());
    CHECK(Moved() == moved);
    for (const Where& w : expected) {
        CAPTURE(w.title);
        CHECK(IsAt(w.title.c_str(), w.left, w.top));
    }
    CHECK(IsIconic(Find("a4")));
    // A second push asks again: nothing is kept from one wipe to the next, and
    // the recorded windows, which follow the line, are candidates too.
    CHECK(LookupsDuring([&] { Push(EdgeLeft, 120); }) == lookupsPerPush);
    REQUIRE(Settled());
    CHECK(IsAt("a1", 120, 300));
    // Following the line back, a window stops at its home.
    CHECK(IsAt("b1", 149, 650));
    Restore();
    REQUIRE(Settled());
    CHECK(IsAt("a1", 20, 300));
    CHECK(IsAt("a2", 0, 400));
    CHECK(IsAt("b1", 149, 650));
    CHECK(IsAt("i1", 10, 10));
}

TEST_CASE_FIXTURE(BusyDesktop, "a restore watch asks about an unchanged foreground window once")
{
    ListTestwin();
    HWND bar = CreateWindowExA(0, "STATIC", "bar", WS_POPUP, 0, 0, 2, 100, nullptr, nullptr, nullptr, nullptr);
    HWND main = CreateWindowExA(0, "STATIC", "main", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, nullptr, nullptr);
    REQUIRE(bar);
    Bar& leftBar = AddBar(bar, EdgeLeft);
    wipe.mainWindow = main;
    Push(EdgeLeft, 150);
    REQUIRE(Settled());
    REQUIRE(IsAt("a1", 150, 300));
    auto tick = [&] { RestoreWatchTick(wipe, leftBar); };
    auto lookupsOver = [&](int ticks) {
        const unsigned long before = ImagePathLookupCount();
        for (int i = 0; i < ticks; ++i)
            tick();
        return ImagePathLookupCount() - before;
    };

    REQUIRE(BringToFront(Find("i1")));
    CHECK(lookupsOver(5) == 1);
    // Another window of the same ignored program is another answer to find.
    REQUIRE(BringToFront(Find("i2")));
    CHECK(lookupsOver(5) == 1);
    // Once it has kept the wipe it is the window remembered, and is not asked about again.
    CHECK(lookupsOver(5) == 0);
    REQUIRE(Settled());
    CHECK(IsAt("a1", 150, 300));
    CHECK(Moved() == 3);

    // Any other program in front ends the wipe at the next tick.
    REQUIRE(BringToFront(Find("a3")));
    tick();
    REQUIRE(Settled());
    CHECK(IsAt("a1", 20, 300));
    CHECK(Moved() == 0);
    DestroyWindow(bar);
    DestroyWindow(main);
}
