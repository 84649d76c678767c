#include "wipe_session.h"

#include "../../res/resource.h"
#include "../config/settings_store.h"
#include "../processes/ignore_query.h"
#include "moved_file_store.h"
#include "window_facts.h"
#include "wipe_engine.h"
#include "wipe_rules.h"

static const UINT kDragHoverPeriod = 200;
static const UINT kDragConfirmPeriod = 300;
static const UINT kRestoreWatchPeriod = 100;

static UINT_PTR WatchTimer(int place) { return IDT_WATCH_LEFT + EdgeOfBar(place); }

static BOOL(WINAPI* s_requestForeground)(HWND) = SetForegroundWindow;

void SetForegroundRequestForTests(BOOL(WINAPI* request)(HWND window))
{
    s_requestForeground = request ? request : SetForegroundWindow;
}

// How far a wipe opens: the desktop's horizontal icon spacing at the
// monitor's DPI times the configured multiple, for every edge. The system
// gives the spacing at its own DPI.
static int WipeDistance(const Settings& settings, const Rect& monitor)
{
    return SpacingAtDpi(GetSystemMetrics(SM_CXICONSPACING), SystemDpi(), DpiOfMonitor(monitor)) *
           settings.openWidth;
}

static void Push(WipeSession& wipe, int place, int line)
{
    PushWindowsFromEdge(wipe.moved, *wipe.ignore, wipe.bars, wipe.barCount, MonitorOfPlace(place, wipe.monitors),
                        EdgeOfBar(place), line, wipe.keepsMovedFile ? WriteDownMovedWindows : nullptr);
}

// GetAsyncKeyState sets its top bit while the key or button is down.
const SHORT kKeyDown = static_cast<SHORT>(0x8000);

// Dragging something with either button shows up only as a held button:
// the drag's owner keeps the mouse, so the bar gets no messages.
static bool ButtonHeld()
{
    return (GetAsyncKeyState(VK_LBUTTON) & kKeyDown) || (GetAsyncKeyState(VK_RBUTTON) & kKeyDown);
}

static bool AnyEdgeWiped(const WipeSession& wipe)
{
    for (int i = 0; i < wipe.barCount; ++i)
        if (wipe.wiped[i])
            return true;
    return false;
}

static bool IsSashletWindow(const WipeSession& wipe, HWND window)
{
    return window && (window == wipe.mainWindow || IsOneOfBars(wipe.bars, wipe.barCount, window));
}

void GestureBegins(WipeSession& wipe)
{
    HWND front = GetForegroundWindow();
    if (!AnyEdgeWiped(wipe) && front && !IsSashletWindow(wipe, front))
        wipe.frontBefore = front;
}

// A wipe ended by Sashlet's own gesture would leave the front on a bar,
// where the keys typed next go nowhere: the window that had it before the
// wipe began gets it back, or, where that one has gone, the one Windows
// itself would choose. A window the user has turned to meanwhile keeps it.
static void GiveFrontBack(WipeSession& wipe)
{
    HWND before = wipe.frontBefore;
    wipe.frontBefore = nullptr;
    HWND front = GetForegroundWindow();
    if (front && !IsSashletWindow(wipe, front))
        return;
    if (!before || !IsWindow(before) || !IsWindowVisible(before) || IsIconic(before)) {
        HWND ours[kMaxBars + 1];
        int count = 0;
        ours[count++] = wipe.mainWindow;
        for (int i = 0; i < wipe.barCount; ++i)
            if (wipe.bars[i])
                ours[count++] = wipe.bars[i];
        before = WindowToActivateInstead(ours, count);
    }
    SetForegroundWindow(before);
}

static void StopButtonWatch(WipeSession& wipe)
{
    if (wipe.buttonWatch)
        UnhookWindowsHookEx(wipe.buttonWatch);
    wipe.buttonWatch = nullptr;
}

// `allowedInFront` is the bar, or the window that stays in front where
// Windows refuses the bar the foreground, as the drag's source does. That
// window keeps the wipe until it is pressed on once the button that held
// the drag has come up; only a low-level hook hears such a press, since the
// foreground does not change.
static void StartRestoreWatch(WipeSession& wipe, int place, HWND allowedInFront)
{
    wipe.allowedInFront[place] = allowedInFront;
    wipe.allowedUntilPressed[place] = allowedInFront && allowedInFront != wipe.bars[place];
    if (wipe.allowedUntilPressed[place] && !wipe.buttonWatch && wipe.timers.buttons) {
        wipe.buttonReleased = !ButtonHeld();
        wipe.buttonWatch = SetWindowsHookExA(WH_MOUSE_LL, wipe.timers.buttons, GetModuleHandleA(nullptr), 0);
    }
    wipe.wiped[place] = true;
    SetTimer(wipe.bars[place], WatchTimer(place), kRestoreWatchPeriod, wipe.timers.restoreWatch);
}

static void StopRestoreWatches(WipeSession& wipe)
{
    for (int i = 0; i < wipe.barCount; ++i) {
        if (wipe.wiped[i])
            KillTimer(wipe.bars[i], WatchTimer(i));
        wipe.wiped[i] = false;
        wipe.allowedUntilPressed[i] = false;
    }
    StopButtonWatch(wipe);
}

void ButtonSeen(WipeSession& wipe, bool pressed, Point at)
{
    if (!pressed) {
        wipe.buttonReleased = true;
        return;
    }
    if (!wipe.buttonReleased)
        return;
    HWND there = WindowFromPoint(POINT{at.x, at.y});
    there = there ? GetAncestor(there, GA_ROOT) : nullptr;
    bool stillAllowed = false;
    for (int i = 0; i < wipe.barCount; ++i) {
        if (!wipe.allowedUntilPressed[i])
            continue;
        if (there && wipe.allowedInFront[i] == there) {
            wipe.allowedInFront[i] = nullptr;
            wipe.allowedUntilPressed[i] = false;
        }
        stillAllowed = stillAllowed || wipe.allowedUntilPressed[i];
    }
    if (!stillAllowed)
        StopButtonWatch(wipe);
}

// `askForFront` false leaves the window in front there, and lets it keep the wipe.
static void WipeEdgeAsking(WipeSession& wipe, int place, bool askForFront)
{
    if (place < 0 || place >= wipe.barCount || !wipe.bars[place])
        return;
    HWND bar = wipe.bars[place];
    const int distance = WipeDistance(*wipe.settings, MonitorOfPlace(place, wipe.monitors));
    // The bar asks for the front, which Windows may refuse during a drag; the
    // restore watch then lets the window in front keep the wipe.
    const Point corner = BarWipedCornerOn(place, wipe.monitors, wipe.settings->offset, distance);
    SetWindowPos(bar, HWND_TOP, corner.x, corner.y, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE);
    HWND allowedInFront = askForFront && s_requestForeground(bar) ? bar : GetForegroundWindow();
    Push(wipe, place, WipeLineOn(place, wipe.monitors, distance));
    StartRestoreWatch(wipe, place, allowedInFront);
}

void WipeEdge(WipeSession& wipe, int place)
{
    GestureBegins(wipe);
    WipeEdgeAsking(wipe, place, true);
}

void BarMoveBegins(WipeSession& wipe, int place)
{
    RECT rc;
    if (place >= 0 && place < wipe.barCount && GetWindowRect(wipe.bars[place], &rc))
        wipe.moveStart = Rect{rc.left, rc.top, rc.right, rc.bottom};
}

static void EndWipeGivingFrontBack(WipeSession& wipe)
{
    EndWipe(wipe);
    GiveFrontBack(wipe);
}

void WipeToDraggedBar(WipeSession& wipe, int place)
{
    RECT rc;
    if (place < 0 || place >= wipe.barCount || !GetWindowRect(wipe.bars[place], &rc))
        return;
    const Rect bar = {rc.left, rc.top, rc.right, rc.bottom};
    const Edge edge = EdgeOfBar(place);
    // A click without motion leaves the bar where it was: only a drag home ends the wipe.
    if (wipe.wiped[place] && !(bar == wipe.moveStart) &&
        BackAtRest(edge, bar, BarRestRectOn(place, wipe.monitors, wipe.settings->width, wipe.settings->offset))) {
        EndWipeGivingFrontBack(wipe);
        return;
    }
    Push(wipe, place, BarInnerSide(edge, bar));
    StartRestoreWatch(wipe, place, wipe.bars[place]);
}

void StartDragHoverPoll(WipeSession& wipe)
{
    SetTimer(wipe.mainWindow, IDT_DRAG_HOVER, kDragHoverPeriod, wipe.timers.dragHover);
}

void PointerOverBar(WipeSession& wipe) { KillTimer(wipe.mainWindow, IDT_DRAG_HOVER); }

void PointerLeftBars(WipeSession& wipe)
{
    StartDragHoverPoll(wipe);
    KillTimer(wipe.mainWindow, IDT_DRAG_CONFIRM);
}

// `monitorsNow` after a change of the displays, none while they are those of the push.
static void EndWipeOn(WipeSession& wipe, const Monitors* monitorsNow)
{
    StopRestoreWatches(wipe);
    MoveBarsHome(wipe.bars, wipe.barsInUse, wipe.monitors, *wipe.settings);
    RestoreMovedWindows(wipe.moved, monitorsNow);
    if (wipe.keepsMovedFile)
        ForgetMovedWindows();
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

// Hidden, a bar draws nothing over the full-screen program and takes no
// gesture; shown again, it goes back on top of every window. `aside` holds
// one bit per monitor whose bars step aside.
static void StepBarsAside(WipeSession& wipe, unsigned aside)
{
    const unsigned changed = aside ^ wipe.barsAside;
    wipe.barsAside = aside;
    for (int i = 0; i < wipe.barsInUse; ++i) {
        const unsigned bit = 1u << MonitorOfBar(i);
        if (!(changed & bit) || !wipe.bars[i] || !EdgeEnabled(*wipe.settings, EdgeOfBar(i)))
            continue;
        if (aside & bit)
            ShowWindow(wipe.bars[i], SW_HIDE);
        else
            SetWindowPos(wipe.bars[i], HWND_TOPMOST, 0, 0, 0, 0,
                         SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    }
}

// A bar is made the first time its edge shows on its monitor, and is only
// hidden after that: destroying a window of the class ends the program.
// Under Wine each window costs a start about as much as loading a system
// library, so a start makes only the bars it shows. A bar that could not be
// made leaves its place empty: that edge of that monitor has no bar.
static void MakeShownBars(WipeSession& wipe)
{
    char className[64];
    if (!wipe.mainWindow || !GetClassNameA(wipe.mainWindow, className, sizeof className))
        return;
    HINSTANCE instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(wipe.mainWindow, GWLP_HINSTANCE));
    for (int place = 0; place < wipe.barsInUse; ++place) {
        if (wipe.bars[place] || !EdgeEnabled(*wipe.settings, EdgeOfBar(place)))
            continue;
        wipe.bars[place] =
            CreateBarWindow(instance, className, wipe.mainWindow, place,
                            BarRestRectOn(place, wipe.monitors, wipe.settings->width, wipe.settings->offset));
        if (wipe.bars[place] && place >= wipe.barCount)
            wipe.barCount = place + 1;
    }
}

void ApplySettingsToBars(WipeSession& wipe, BarActivation activation)
{
    if (wipe.monitors.count == 0)
        FindMonitors(wipe.monitors);
    wipe.barsInUse = MonitorsWithBars(wipe.monitors, wipe.settings->everyScreen != 0) * EdgeCount;
    MakeShownBars(wipe);
    HideBarsOff(wipe.bars, wipe.barCount, wipe.barsInUse, *wipe.settings);
    ApplyBarLayout(wipe.bars, wipe.barCount, wipe.barsInUse, wipe.monitors, *wipe.settings, &wipe.barBrush,
                   activation);
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

// The shown bar under the mouse cursor, or none. A hidden bar keeps its last
// rectangle, and its edge is switched off.
static bool ShownBarUnderPointer(const WipeSession& wipe, POINT pt, int* place)
{
    for (int i = 0; i < wipe.barsInUse; ++i) {
        HWND bar = wipe.bars[i];
        if (bar && (GetWindowLongA(bar, GWL_STYLE) & WS_VISIBLE) &&
            SendMessageA(bar, WM_NCHITTEST, 0, MAKELPARAM(pt.x, pt.y)) == HTCLIENT) {
            *place = i;
            return true;
        }
    }
    return false;
}

static int MonitorUnderPointer(const WipeSession& wipe)
{
    POINT pt;
    if (!GetCursorPos(&pt))
        return 0;
    return MonitorAt(wipe.monitors, wipe.barsInUse / EdgeCount, Point{pt.x, pt.y});
}

void EdgeKeyPressed(WipeSession& wipe, Edge edge)
{
    const int monitor = MonitorUnderPointer(wipe);
    const int place = BarPlace(monitor, edge);
    if (!EdgeEnabled(*wipe.settings, edge) || (wipe.barsAside & (1u << monitor)) || place >= wipe.barsInUse ||
        !wipe.bars[place])
        return;
    if (wipe.wiped[place]) {
        EndWipeGivingFrontBack(wipe);
        return;
    }
    // The window remembered is the one from before the first wipe.
    GestureBegins(wipe);
    if (AnyEdgeWiped(wipe))
        EndWipe(wipe);
    WipeEdgeAsking(wipe, place, !ButtonHeld());
}

void EscapeOnBar(WipeSession& wipe, int place)
{
    if (place >= 0 && place < wipe.barCount && wipe.wiped[place])
        EndWipeGivingFrontBack(wipe);
}

// Wine's move loop sets the flag as Windows' does.
static bool WindowBeingMovedOrSized()
{
    GUITHREADINFO info = {};
    info.cbSize = sizeof info;
    if (GetGUIThreadInfo(0, &info) && (info.flags & GUI_INMOVESIZE))
        return true;
    info = GUITHREADINFO{};
    info.cbSize = sizeof info;
    return GetGUIThreadInfo(GetCurrentThreadId(), &info) && (info.flags & GUI_INMOVESIZE);
}

// Whether one of the bars is what the user sees at the point, and which:
// where two bars meet in a corner, the one on top. Windows does not count a
// click-through window, such as the picture that follows a dragged file, as
// the window at a point.
static bool BarInSight(const WipeSession& wipe, POINT pt, int* place)
{
    HWND there = WindowFromPoint(pt);
    there = there ? GetAncestor(there, GA_ROOT) : nullptr;
    for (int i = 0; i < wipe.barsInUse; ++i) {
        if (there && wipe.bars[i] == there) {
            *place = i;
            return true;
        }
    }
    return false;
}

// The facts a tick decides on, cheapest first: with no button held, which is
// nearly always, nothing else is asked.
static HoverFacts LookAtPointer(const WipeSession& wipe, int* place)
{
    HoverFacts facts = {ButtonHeld(), false, false, false};
    POINT pt;
    if (!facts.buttonHeld || !GetCursorPos(&pt))
        return facts;
    facts.windowBeingMoved = WindowBeingMovedOrSized();
    facts.overShownBar = !facts.windowBeingMoved && ShownBarUnderPointer(wipe, pt, place);
    facts.barInSight = facts.overShownBar && BarInSight(wipe, pt, place);
    return facts;
}

void DragHoverTick(WipeSession& wipe)
{
    const unsigned fullScreen =
        FullScreenInFront(wipe.front, wipe.bars, wipe.barCount, wipe.monitors, wipe.barsInUse / EdgeCount);
    if (fullScreen != wipe.barsAside)
        StepBarsAside(wipe, fullScreen);
    int place = 0;
    if (NextHoverStep(HoverPolling, LookAtPointer(wipe, &place)) != HoverConfirms)
        return;
    // The bar leaves the drag's source in front until it wipes.
    KillTimer(wipe.mainWindow, IDT_DRAG_HOVER);
    SetTimer(wipe.mainWindow, IDT_DRAG_CONFIRM, kDragConfirmPeriod, wipe.timers.dragConfirm);
}

// Windows lets a program take the foreground only if it had the last input,
// and during a drag the drag's source has it: the wipe asks once and goes
// ahead whatever the answer.
void DragConfirmTick(WipeSession& wipe)
{
    int place = 0;
    if (NextHoverStep(HoverConfirming, LookAtPointer(wipe, &place)) != HoverWipes) {
        PointerLeftBars(wipe);
        return;
    }
    KillTimer(wipe.mainWindow, IDT_DRAG_CONFIRM);
    WipeEdge(wipe, place);
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

void RestoreWatchTick(WipeSession& wipe, int place)
{
    FrontLook look = {wipe.ignore, false, {}};
    const FrontQuestions ask = {&look, IsDesktopInFront, IsIgnoredInFront};
    HWND front = GetForegroundWindow();
    switch (JudgeFrontWindow(front, wipe.bars[place], wipe.allowedInFront[place], front && ButtonHeld(), ask)) {
    case FrontKeepsWipe:
        break;
    case FrontKeepsWipeFromNowOn:
        wipe.allowedInFront[place] = front;
        wipe.allowedUntilPressed[place] = false;
        break;
    case FrontEndsWipe:
        // Another bar in front takes the wipe over: the window from before it stays remembered.
        if (!IsSashletWindow(wipe, front))
            wipe.frontBefore = nullptr;
        EndWipe(wipe);
        break;
    }
}
