// Times one push and one restore over 10, 100 and 250 windows of another
// process, each as the program makes it (the push writing down what it
// moves, the restore removing that record), with an empty ignore list and with a 50-entry list (none of which
// matches), and compares a push of 250 windows with a bare loop that only
// enumerates the windows and moves the same ones to the same places, and with
// a loop that also reads the two facts no wipe can decide without (each
// window's rectangle and whether it is shown). Prints Markdown tables of
// medians over several runs.
#include <windows.h>

#include <algorithm>
#include <cstdlib>
#include <cstdio>
#include <string>
#include <vector>

#include "wipe/moved_file_store.h"
#include "wipe/wipe_engine.h"
#include "config/ignore_list_store.h"
#include "test_windows.h"

static const int kRuns = 15;

// Moves are posted to the helper's thread; wait until they have all landed.
static const UINT kSettleTimeout = 10000;

// A helper process with `n` windows, all reaching the strip.
static bool StartWindows(int n, TestWindows& helper)
{
    return helper.Start("many:" + std::to_string(n) + ":10,10,60,60", ("many" + std::to_string(n - 1)).c_str());
}

// What the program would hand the engine: no bars of its own here.
static MovedWindowTable s_moved;
static IgnoreList s_ignore;
static const BarList s_bars = {};
static MovedFileStore s_movedFile;
static Rect s_screen;

// As the program pushes and ends a wipe: the record of what moved written
// down before the moves, and removed after the restore.
static void Push()
{
    PushWindowsFromEdge(s_moved, s_ignore, s_bars, s_screen, EdgeLeft, 150, BeforeMoves{WriteDownMovedWindows, &s_movedFile});
}

static void Restore()
{
    RestoreMovedWindows(s_moved);
    ForgetMovedWindows(s_movedFile);
}

static double Now()
{
    LARGE_INTEGER f, t;
    QueryPerformanceFrequency(&f);
    QueryPerformanceCounter(&t);
    return static_cast<double>(t.QuadPart) * 1000.0 / static_cast<double>(f.QuadPart);
}

static double Median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

// The median with the middle half of the runs around it.
static std::string Spread(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    char text[64];
    snprintf(text, sizeof text, "%.2f (%.2f-%.2f)", v[v.size() / 2], v[v.size() / 4], v[v.size() * 3 / 4]);
    return text;
}

static void UseList(const std::vector<const char*>& paths, int count)
{
    SaveIgnoreList(paths.data(), count);
    LoadIgnoreList(s_ignore);
}

struct Move {
    HWND window;
    int left, top;
};

struct BareLoop {
    const std::vector<Move>* moves;
    bool readFacts;
};

// Visit every top-level window and move the ones a wipe moves, with the same
// flags; reading the facts too, when asked, as any wipe must to decide.
static BOOL CALLBACK MoveIfListed(HWND window, LPARAM param)
{
    const BareLoop& loop = *reinterpret_cast<const BareLoop*>(param);
    if (loop.readFacts) {
        RECT r;
        if (!GetWindowRect(window, &r) || !(GetWindowLongA(window, GWL_STYLE) & WS_VISIBLE))
            return TRUE;
    }
    for (const Move& m : *loop.moves) {
        if (m.window == window) {
            SetWindowPos(window, nullptr, m.left, m.top, 0, 0,
                         SWP_NOACTIVATE | SWP_NOZORDER | SWP_NOSIZE | SWP_ASYNCWINDOWPOS);
            break;
        }
    }
    return TRUE;
}

int main()
{
    s_screen = Rect{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    // As on a desk of two monitors, the second right of the first, every
    // window's share of each is weighed.
    const Rect twoMonitors[] = {s_screen, {s_screen.right, 0, 2 * s_screen.right, s_screen.bottom}};
    if (getenv("SASHLET_BENCH_TWO_MONITORS"))
        SetMonitorsForTests(twoMonitors, 2);
    ClearMovedWindowTable(s_moved);
    std::vector<std::string> fifty;
    for (int i = 0; i < 50; ++i)
        fifty.push_back("C:\\Program Files\\Vendor" + std::to_string(i) + "\\tool.exe");
    std::vector<const char*> fiftyPtrs;
    for (const std::string& s : fifty)
        fiftyPtrs.push_back(s.c_str());

    printf("| windows | ignore list | push (ms) | restore (ms) |\n|---:|---|---:|---:|\n");
    for (int n : {10, 100}) {
        TestWindows helper;
        if (!StartWindows(n, helper))
            return 1;
        for (int withList = 0; withList < 2; ++withList) {
            UseList(fiftyPtrs, withList ? 50 : 0);
            std::vector<double> push, restore;
            for (int run = 0; run < kRuns; ++run) {
                const double t0 = Now();
                Push();
                const double t1 = Now();
                helper.Settle(kSettleTimeout);
                const double t2 = Now();
                Restore();
                const double t3 = Now();
                helper.Settle(kSettleTimeout);
                push.push_back(t1 - t0);
                restore.push_back(t3 - t2);
            }
            printf("| %d | %s | %s | %s |\n", n, withList ? "50 entries" : "empty", Spread(push).c_str(),
                   Spread(restore).c_str());
        }
        helper.Stop();
    }

    // 250 windows, all reaching the strip: the same runs give the push and
    // restore times and the comparison with the loops.
    TestWindows helper;
    if (!StartWindows(250, helper))
        return 1;
    std::string comparison;
    for (int withList = 0; withList < 2; ++withList) {
        UseList(fiftyPtrs, withList ? 50 : 0);
        std::vector<double> push, restore, bare, deciding;
        for (int run = 0; run < kRuns; ++run) {
            const double t0 = Now();
            Push();
            const double t1 = Now();
            std::vector<Move> out, back;
            for (const MovedWindowEntry& e : s_moved.entries) {
                if (!e.window || e.returning)
                    continue;
                out.push_back(Move{e.window, e.sent.x, e.sent.y});
                back.push_back(Move{e.window, e.home.x, e.home.y});
            }
            helper.Settle(kSettleTimeout);
            const double t2 = Now();
            Restore();
            const double t3 = Now();
            helper.Settle(kSettleTimeout);
            for (bool facts : {false, true}) {
                BareLoop outward{&out, facts}, homeward{&back, false};
                const double t4 = Now();
                EnumWindows(MoveIfListed, reinterpret_cast<LPARAM>(&outward));
                const double t5 = Now();
                helper.Settle(kSettleTimeout);
                EnumWindows(MoveIfListed, reinterpret_cast<LPARAM>(&homeward));
                helper.Settle(kSettleTimeout);
                (facts ? deciding : bare).push_back(t5 - t4);
            }
            push.push_back(t1 - t0);
            restore.push_back(t3 - t2);
        }
        printf("| 250 | %s | %s | %s |\n", withList ? "50 entries" : "empty", Spread(push).c_str(),
               Spread(restore).c_str());
        const double p = Median(push), b = Median(bare), d = Median(deciding);
        char row[256];
        snprintf(row, sizeof row, "| %s ignore list | %.2f | %s | %.2f | %s | %.2f |\n", withList ? "50-entry" : "empty",
                 p, Spread(bare).c_str(), p / b, Spread(deciding).c_str(), p / d);
        comparison += row;
    }
    printf("\n| 250 windows, the push above against | push (ms) | bare loop (ms) | ratio | loop reading the facts (ms) "
           "| ratio |\n|---|---:|---:|---:|---:|---:|\n%s",
           comparison.c_str());
    helper.Stop();
    ClearIgnoreList(s_ignore);
    DeleteFileA(BesideExe("ignore.lst").c_str());
    return 0;
}
