#include "wipe_session.h"

#include "../../res/resource.h"
#include "../bars/bar_geometry.h"
#include "../config/edges.h"
#include "../config/settings_store.h"
#include "../desktop/monitor_rules.h"
#include "../desktop/monitors.h"
#include "../desktop/shell_windows.h"
#include "../processes/ignore_query.h"
#include "session_parts.h"
#include "wipe_engine.h"
#include "wipe_rules.h"

static const UINT kRestoreWatchPeriod = 100;

// Each bar carries its own watch, so the edge alone tells the timer apart.
static UINT_PTR WatchTimer(const Bar& bar) { return IDT_WATCH_LEFT + bar.edge; }

static Rect MonitorOf(const WipeSession& wipe, const Bar& bar) { return MonitorOrPrimary(wipe.monitors, bar.monitor); }

// How far a wipe opens: the desktop's horizontal icon spacing at the
// monitor's DPI times the configured multiple, for every edge. The system
// gives the spacing at its own DPI.
static int WipeDistance(const Settings& settings, const Rect& monitor)
{
    return SpacingAtDpi(GetSystemMetrics(SM_CXICONSPACING), SystemDpi(), DpiOfMonitor(monitor)) *
           settings.openWidth;
}

static void Push(WipeSession& wipe, const Bar& bar, int line)
{
    const BeforeMoves writeDown = {wipe.keepsMovedFile ? WriteDownMovedWindows : nullptr, &wipe.movedFile};
    PushWindowsFromEdge(wipe.moved, *wipe.ignore, wipe.bars, MonitorOf(wipe, bar), bar.edge, line, writeDown);
}

bool AnyEdgeWiped(const WipeSession& wipe)
{
    for (const Bar& bar : wipe.bars)
        if (bar.wiped)
            return true;
    return false;
}

// `allowedInFront` is the bar, or the window that stays in front where
// Windows refuses the bar the foreground, as the drag's source does. That
// window keeps the wipe until it is pressed on once the button that held
// the drag has come up.
static void StartRestoreWatch(WipeSession& wipe, Bar& bar, HWND allowedInFront)
{
    bar.allowedInFront = allowedInFront;
    bar.allowedUntilPressed = allowedInFront && allowedInFront != bar.window;
    if (bar.allowedUntilPressed)
        StartButtonWatch(wipe);
    bar.wiped = true;
    SetTimer(bar.window, WatchTimer(bar), kRestoreWatchPeriod, wipe.timers.restoreWatch);
}

static void StopRestoreWatches(WipeSession& wipe)
{
    for (Bar& bar : wipe.bars) {
        if (bar.wiped)
            KillTimer(bar.window, WatchTimer(bar));
        bar.wiped = false;
        bar.allowedUntilPressed = false;
    }
    StopButtonWatch(wipe);
}

// Two edges are never wiped at once: a wipe of another bar ends first, its
// windows home, the window remembered before it still remembered. Returns
// whether one did; every bar has then gone home, this one too.
static bool EndOtherWipes(WipeSession& wipe, const Bar& bar)
{
    for (const Bar& other : wipe.bars) {
        if (other.wiped && &other != &bar) {
            EndWipe(wipe);
            return true;
        }
    }
    return false;
}

// `askForFront` false leaves the window in front there, and lets it keep the wipe.
static void WipeEdgeAsking(WipeSession& wipe, Bar& bar, bool askForFront)
{
    EndOtherWipes(wipe, bar);
    const Rect monitor = MonitorOf(wipe, bar);
    const int distance = WipeDistance(*wipe.settings, monitor);
    // The bar asks for the front, which Windows may refuse during a drag; the
    // restore watch then lets the window in front keep the wipe.
    const Point corner = BarWipedCornerOn(bar.edge, monitor, wipe.settings->offset, distance);
    SetWindowPos(bar.window, HWND_TOP, corner.x, corner.y, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE);
    HWND allowedInFront = askForFront && wipe.requestForeground(bar.window) ? bar.window : GetForegroundWindow();
    Push(wipe, bar, WipeLineOn(bar.edge, monitor, distance));
    StartRestoreWatch(wipe, bar, allowedInFront);
}

void WipeEdge(WipeSession& wipe, Bar& bar)
{
    GestureBegins(wipe);
    WipeEdgeAsking(wipe, bar, true);
}

void BarMoveBegins(Bar& bar)
{
    RECT rc;
    if (GetWindowRect(bar.window, &rc))
        bar.moveStart = Rect{rc.left, rc.top, rc.right, rc.bottom};
}

void WipeToDraggedBar(WipeSession& wipe, Bar& bar)
{
    RECT rc;
    if (!GetWindowRect(bar.window, &rc))
        return;
    const Rect at = {rc.left, rc.top, rc.right, rc.bottom};
    // A click without motion leaves the bar where it was: only a drag home ends the wipe.
    if (bar.wiped && !(at == bar.moveStart) && BackAtRest(bar.edge, at, BarRestRectOf(bar, wipe.monitors, *wipe.settings))) {
        EndWipeGivingFrontBack(wipe);
        return;
    }
    if (EndOtherWipes(wipe, bar))
        SetWindowPos(bar.window, nullptr, at.left, at.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    Push(wipe, bar, BarInnerSide(bar.edge, at));
    StartRestoreWatch(wipe, bar, bar.window);
}

// `monitorsNow` after a change of the displays, none while they are those of the push.
static void EndWipeOn(WipeSession& wipe, const Monitors* monitorsNow)
{
    StopRestoreWatches(wipe);
    MoveBarsHome(wipe.bars, wipe.monitorsWithBars, wipe.monitors, *wipe.settings);
    SpendRestsUnderPointer(wipe);
    RestoreMovedWindows(wipe.moved, monitorsNow);
    if (wipe.keepsMovedFile)
        ForgetMovedWindows(wipe.movedFile);
    StartDragHoverPoll(wipe);
}

void EndWipe(WipeSession& wipe) { EndWipeOn(wipe, nullptr); }

void EndWipeBeforeLeaving(WipeSession& wipe)
{
    EndWipeGivingFrontBack(wipe);
    HWND sentHome[kMovedWindowCapacity];
    int count = 0;
    for (const MovedWindowEntry& e : wipe.moved.entries)
        if (e.window && e.returning)
            sentHome[count++] = e.window;
    WaitForMovesToLand(sentHome, count, kMovesLandWait);
}

// A new bar takes its place in the list: each monitor's in Edge order, the
// primary's first, the order the bars are laid out and come forward in.
static Bar* InsertBar(BarList& bars, Edge edge, int monitor)
{
    int at = 0;
    while (at < bars.count && (bars.items[at].monitor < monitor ||
                               (bars.items[at].monitor == monitor && bars.items[at].edge < edge)))
        ++at;
    for (int i = bars.count; i > at; --i)
        bars.items[i] = bars.items[i - 1];
    ++bars.count;
    bars.items[at] = Bar{};
    bars.items[at].edge = edge;
    bars.items[at].monitor = monitor;
    return &bars.items[at];
}

// A bar is made the first time its edge shows on its monitor, and is only
// hidden after that: destroying a window of the class ends the program.
// Under Wine each window costs a start about as much as loading a system
// library, so a start makes only the bars it shows. A bar that could not be
// made is left out: that edge of that monitor has no bar.
static void MakeShownBars(WipeSession& wipe)
{
    char className[64];
    if (!wipe.mainWindow || !GetClassNameA(wipe.mainWindow, className, sizeof className))
        return;
    HINSTANCE instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(wipe.mainWindow, GWLP_HINSTANCE));
    for (int monitor = 0; monitor < wipe.monitorsWithBars; ++monitor) {
        for (int e = 0; e < EdgeCount; ++e) {
            const Edge edge = static_cast<Edge>(e);
            if (!EdgeEnabled(*wipe.settings, edge) || BarAt(wipe.bars, monitor, edge))
                continue;
            Bar made = {};
            made.edge = edge;
            made.monitor = monitor;
            HWND window = CreateBarWindow(instance, className, wipe.mainWindow, made,
                                          BarRestRectOf(made, wipe.monitors, *wipe.settings));
            if (window)
                InsertBar(wipe.bars, edge, monitor)->window = window;
        }
    }
}

void ApplySettingsToBars(WipeSession& wipe, BarActivation activation)
{
    if (wipe.monitors.count == 0)
        FindMonitors(wipe.monitors);
    wipe.monitorsWithBars = MonitorsWithBars(wipe.monitors, wipe.settings->everyScreen != 0);
    MakeShownBars(wipe);
    HideBarsOff(wipe.bars, wipe.monitorsWithBars, *wipe.settings);
    ApplyBarLayout(wipe.bars, wipe.monitorsWithBars, wipe.monitors, *wipe.settings, &wipe.barBrush, activation);
    const unsigned aside = wipe.barsAside;
    wipe.barsAside = 0;
    StepBarsAside(wipe, aside);
}

void FollowDisplayChange(WipeSession& wipe, Settings& settings)
{
    FindMonitors(wipe.monitors);
    const bool wasWiped = AnyEdgeWiped(wipe);
    EndWipeOn(wipe, &wipe.monitors);
    if (wasWiped)
        GiveFrontBack(wipe);
    wipe.front = FrontWindowLook{};
    wipe.barsAside = 0;
    wipe.screen = PrimaryScreenSize();
    LoadSettings(wipe.screen, settings);
    ApplySettingsToBars(wipe, KeepForeground);
}

static int MonitorUnderPointer(const WipeSession& wipe)
{
    POINT pt;
    if (!GetCursorPos(&pt))
        return 0;
    return MonitorAt(wipe.monitors, wipe.monitorsWithBars, Point{pt.x, pt.y});
}

void EdgeKeyPressed(WipeSession& wipe, Edge edge)
{
    const int monitor = MonitorUnderPointer(wipe);
    Bar* bar = BarAt(wipe.bars, monitor, edge);
    if (!bar || !BarShows(*bar, wipe.monitorsWithBars, *wipe.settings) || (wipe.barsAside & (1u << monitor)))
        return;
    if (bar->wiped) {
        EndWipeGivingFrontBack(wipe);
        return;
    }
    GestureBegins(wipe);
    WipeEdgeAsking(wipe, *bar, !ButtonHeld());
}

void EscapeOnBar(WipeSession& wipe, Bar& bar)
{
    if (bar.wiped)
        EndWipeGivingFrontBack(wipe);
}

// The costly questions about the window in front, asked once a tick at most.
struct FrontLook {
    const IgnoreList* ignore;
    bool shellFound;
    ShellWindows shell;
};

static bool IsDesktopInFront(void* context, WindowHandle window)
{
    FrontLook& look = *static_cast<FrontLook*>(context);
    if (!look.shellFound) {
        FindShellWindows(look.shell);
        look.shellFound = true;
    }
    return IsDesktopOfShell(look.shell, window);
}

static bool IsIgnoredInFront(void* context, WindowHandle window)
{
    return IsIgnoredWindow(*static_cast<FrontLook*>(context)->ignore, window);
}

void RestoreWatchTick(WipeSession& wipe, Bar& bar)
{
    FrontLook look = {wipe.ignore, false, {}};
    const FrontQuestions ask = {&look, IsDesktopInFront, IsIgnoredInFront};
    HWND front = GetForegroundWindow();
    switch (JudgeFrontWindow(front, bar.window, bar.allowedInFront, front && ButtonHeld(), ask)) {
    case FrontKeepsWipe:
        break;
    case FrontKeepsWipeFromNowOn:
        bar.allowedInFront = front;
        bar.allowedUntilPressed = false;
        break;
    case FrontEndsWipe:
        // Another bar in front takes the wipe over: the window from before it stays remembered.
        if (!IsSashletWindow(wipe, front))
            wipe.frontBefore = nullptr;
        EndWipe(wipe);
        break;
    }
}
