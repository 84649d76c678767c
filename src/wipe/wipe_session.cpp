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

static UINT_PTR WatchTimer(Edge edge) { return IDT_WATCH_LEFT + edge; }

static BOOL(WINAPI* s_requestForeground)(HWND) = SetForegroundWindow;

void SetForegroundRequestForTests(BOOL(WINAPI* request)(HWND window))
{
    s_requestForeground = request ? request : SetForegroundWindow;
}

// How far a wipe opens: the desktop's horizontal icon spacing times the
// configured multiple, for every edge.
static int WipeDistance(const Settings& settings)
{
    return GetSystemMetrics(SM_CXICONSPACING) * settings.openWidth;
}

static void Push(WipeSession& wipe, Edge edge, int line)
{
    PushWindowsFromEdge(wipe.moved, *wipe.ignore, wipe.bars, wipe.screen, edge, line,
                        wipe.keepsMovedFile ? WriteDownMovedWindows : nullptr);
}

// `allowedInFront` is the bar, or the window that stays in front where
// Windows refuses the bar the foreground, as the drag's source does.
static void StartRestoreWatch(WipeSession& wipe, Edge edge, HWND allowedInFront)
{
    wipe.allowedInFront[edge] = allowedInFront;
    wipe.wiped[edge] = true;
    SetTimer(wipe.bars[edge], WatchTimer(edge), kRestoreWatchPeriod, wipe.timers.restoreWatch);
}

static void StopRestoreWatches(WipeSession& wipe)
{
    for (int e = 0; e < EdgeCount; ++e) {
        KillTimer(wipe.bars[e], WatchTimer(static_cast<Edge>(e)));
        wipe.wiped[e] = false;
    }
}

// `askForFront` false leaves the window in front there, and lets it keep the wipe.
static void WipeEdgeAsking(WipeSession& wipe, Edge edge, bool askForFront)
{
    HWND bar = wipe.bars[edge];
    const int distance = WipeDistance(*wipe.settings);
    // The bar asks for the front, which Windows may refuse during a drag; the
    // restore watch then lets the window in front keep the wipe.
    const Point corner = BarWipedCorner(edge, wipe.screen, wipe.settings->offset, distance);
    SetWindowPos(bar, HWND_TOP, corner.x, corner.y, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE);
    HWND allowedInFront = askForFront && s_requestForeground(bar) ? bar : GetForegroundWindow();
    Push(wipe, edge, WipeLine(edge, wipe.screen, distance));
    StartRestoreWatch(wipe, edge, allowedInFront);
}

void WipeEdge(WipeSession& wipe, Edge edge) { WipeEdgeAsking(wipe, edge, true); }

void WipeToDraggedBar(WipeSession& wipe, Edge edge)
{
    HWND bar = wipe.bars[edge];
    RECT rc;
    if (!GetWindowRect(bar, &rc))
        return;
    Push(wipe, edge, BarInnerSide(edge, Rect{rc.left, rc.top, rc.right, rc.bottom}));
    StartRestoreWatch(wipe, edge, bar);
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

void EndWipe(WipeSession& wipe)
{
    StopRestoreWatches(wipe);
    MoveBarsHome(wipe.bars, *wipe.settings, wipe.screen);
    RestoreMovedWindows(wipe.moved);
    if (wipe.keepsMovedFile)
        ForgetMovedWindows();
    StartDragHoverPoll(wipe);
}

void EndWipeBeforeLeaving(WipeSession& wipe)
{
    EndWipe(wipe);
    HWND sentHome[kMovedWindowCapacity];
    int count = 0;
    for (const MovedWindowEntry& e : wipe.moved.entries)
        if (e.window && e.returning)
            sentHome[count++] = e.window;
    WaitForMovesToLand(sentHome, count, kMovesLandWait);
}

// Hidden, a bar draws nothing over the full-screen program and takes no
// gesture; shown again, it goes back on top of every window.
static void StepBarsAside(WipeSession& wipe, bool aside)
{
    wipe.barsAside = aside;
    for (int e = 0; e < EdgeCount; ++e) {
        if (!EdgeEnabled(*wipe.settings, static_cast<Edge>(e)))
            continue;
        if (aside)
            ShowWindow(wipe.bars[e], SW_HIDE);
        else
            SetWindowPos(wipe.bars[e], HWND_TOPMOST, 0, 0, 0, 0,
                         SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    }
}

void ApplySettingsToBars(WipeSession& wipe, BarActivation activation)
{
    ShowEnabledBars(wipe.bars, *wipe.settings);
    ApplyBarLayout(wipe.bars, *wipe.settings, wipe.screen, &wipe.barBrush, activation);
    if (wipe.barsAside)
        StepBarsAside(wipe, true);
}

void FollowDisplayChange(WipeSession& wipe, Settings& settings)
{
    EndWipe(wipe);
    wipe.screen = PrimaryScreenSize();
    LoadSettings(wipe.screen, settings);
    ApplySettingsToBars(wipe, KeepForeground);
}

// The shown bar under the mouse cursor, or none. A hidden bar keeps its last
// rectangle, and its edge is switched off.
static bool ShownBarUnderPointer(const WipeSession& wipe, POINT pt, Edge* edge)
{
    for (int e = 0; e < EdgeCount; ++e) {
        HWND bar = wipe.bars[e];
        if ((GetWindowLongA(bar, GWL_STYLE) & WS_VISIBLE) &&
            SendMessageA(bar, WM_NCHITTEST, 0, MAKELPARAM(pt.x, pt.y)) == HTCLIENT) {
            *edge = static_cast<Edge>(e);
            return true;
        }
    }
    return false;
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
    for (bool wiped : wipe.wiped)
        if (wiped)
            return true;
    return false;
}

void EdgeKeyPressed(WipeSession& wipe, Edge edge)
{
    if (!EdgeEnabled(*wipe.settings, edge) || wipe.barsAside)
        return;
    const bool wasWiped = wipe.wiped[edge];
    if (AnyEdgeWiped(wipe))
        EndWipe(wipe);
    if (!wasWiped)
        WipeEdgeAsking(wipe, edge, !ButtonHeld());
}

void EscapeOnBar(WipeSession& wipe, Edge edge)
{
    if (wipe.wiped[edge])
        EndWipe(wipe);
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
static bool BarInSight(const WipeSession& wipe, POINT pt, Edge* edge)
{
    HWND there = WindowFromPoint(pt);
    there = there ? GetAncestor(there, GA_ROOT) : nullptr;
    for (int e = 0; e < EdgeCount; ++e) {
        if (there && wipe.bars[e] == there) {
            *edge = static_cast<Edge>(e);
            return true;
        }
    }
    return false;
}

// The facts a tick decides on, cheapest first: with no button held, which is
// nearly always, nothing else is asked.
static HoverFacts LookAtPointer(const WipeSession& wipe, Edge* edge)
{
    HoverFacts facts = {ButtonHeld(), false, false, false};
    POINT pt;
    if (!facts.buttonHeld || !GetCursorPos(&pt))
        return facts;
    facts.windowBeingMoved = WindowBeingMovedOrSized();
    facts.overShownBar = !facts.windowBeingMoved && ShownBarUnderPointer(wipe, pt, edge);
    facts.barInSight = facts.overShownBar && BarInSight(wipe, pt, edge);
    return facts;
}

void DragHoverTick(WipeSession& wipe)
{
    const bool fullScreen = FullScreenInFront(wipe.front, wipe.bars, wipe.screen);
    if (fullScreen != wipe.barsAside)
        StepBarsAside(wipe, fullScreen);
    Edge edge = EdgeLeft;
    if (NextHoverStep(HoverPolling, LookAtPointer(wipe, &edge)) != HoverConfirms)
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
    Edge edge = EdgeLeft;
    if (NextHoverStep(HoverConfirming, LookAtPointer(wipe, &edge)) != HoverWipes) {
        PointerLeftBars(wipe);
        return;
    }
    KillTimer(wipe.mainWindow, IDT_DRAG_CONFIRM);
    WipeEdge(wipe, edge);
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

void RestoreWatchTick(WipeSession& wipe, Edge edge)
{
    FrontLook look = {wipe.ignore, false, {}};
    const FrontQuestions ask = {&look, IsDesktopInFront, IsIgnoredInFront};
    HWND front = GetForegroundWindow();
    switch (JudgeFrontWindow(front, wipe.bars[edge], wipe.allowedInFront[edge], front && ButtonHeld(), ask)) {
    case FrontKeepsWipe:
        break;
    case FrontKeepsWipeFromNowOn:
        wipe.allowedInFront[edge] = front;
        break;
    case FrontEndsWipe:
        EndWipe(wipe);
        break;
    }
}
