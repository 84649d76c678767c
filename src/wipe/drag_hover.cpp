// A file dragged onto a bar shows only as a button held over it: a poll
// notices it, and a confirmation a moment later wipes if it is still there.
// Each tick of the poll also looks, once, at the window in front for a
// full-screen program, whose monitor's bars then step aside.
#include "../../res/resource.h"
#include "../bars/edge_keys.h"
#include "../desktop/full_screen.h"
#include "session_parts.h"
#include "wipe_rules.h"

static const UINT kDragHoverPeriod = 200;
static const UINT kDragConfirmPeriod = 300;

// GetAsyncKeyState sets its top bit while the key or button is down.
const SHORT kKeyDown = static_cast<SHORT>(0x8000);

// Dragging something with either button shows up only as a held button:
// the drag's owner keeps the mouse, so the bar gets no messages.
bool ButtonHeld()
{
    return (GetAsyncKeyState(VK_LBUTTON) & kKeyDown) || (GetAsyncKeyState(VK_RBUTTON) & kKeyDown);
}

void StartDragHoverPoll(WipeSession& wipe)
{
    SetTimer(wipe.mainWindow, IDT_DRAG_HOVER, kDragHoverPeriod, wipe.timers.dragHover);
}

void PointerOverBar(WipeSession& wipe, Bar* bar)
{
    KillTimer(wipe.mainWindow, IDT_DRAG_HOVER);
    if (bar)
        RestBegins(wipe, *bar);
}

void PointerLeftBar(WipeSession& wipe, Bar* bar)
{
    if (bar)
        RestEnds(*bar);
    PointerLeftBars(wipe);
}

void PointerLeftBars(WipeSession& wipe)
{
    StartDragHoverPoll(wipe);
    KillTimer(wipe.mainWindow, IDT_DRAG_CONFIRM);
}

// The shown bar under the mouse cursor, or none. A hidden bar keeps its last
// rectangle, and its edge is switched off.
static Bar* ShownBarUnderPointer(WipeSession& wipe, POINT pt)
{
    for (Bar& bar : wipe.bars) {
        if (bar.monitor < wipe.monitorsWithBars && (GetWindowLongA(bar.window, GWL_STYLE) & WS_VISIBLE) &&
            SendMessageA(bar.window, WM_NCHITTEST, 0, MAKELPARAM(pt.x, pt.y)) == HTCLIENT)
            return &bar;
    }
    return nullptr;
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

// The bar the user sees at the point, or none: where two bars meet in a
// corner, the one on top. Windows does not count a click-through window,
// such as the picture that follows a dragged file, as the window at a point.
static Bar* BarInSight(WipeSession& wipe, POINT pt)
{
    HWND there = WindowFromPoint(pt);
    there = there ? GetAncestor(there, GA_ROOT) : nullptr;
    Bar* bar = FindBar(wipe.bars, there);
    return bar && bar->monitor < wipe.monitorsWithBars ? bar : nullptr;
}

// The facts a tick decides on, cheapest first: with no button held, which is
// nearly always, nothing else is asked. `*bar` is the bar in sight.
static HoverFacts LookAtPointer(WipeSession& wipe, Bar** bar)
{
    HoverFacts facts = {ButtonHeld(), false, false, false};
    POINT pt;
    *bar = nullptr;
    if (!facts.buttonHeld || !GetCursorPos(&pt))
        return facts;
    facts.windowBeingMoved = WindowBeingMovedOrSized();
    facts.overShownBar = !facts.windowBeingMoved && ShownBarUnderPointer(wipe, pt);
    *bar = facts.overShownBar ? BarInSight(wipe, pt) : nullptr;
    facts.barInSight = *bar != nullptr;
    return facts;
}

void DragHoverTick(WipeSession& wipe)
{
    const unsigned fullScreen = FullScreenInFront(wipe.front, wipe.monitors, wipe.monitorsWithBars);
    if (fullScreen != wipe.barsAside)
        StepBarsAside(wipe, fullScreen);
    Bar* bar;
    const HoverFacts facts = LookAtPointer(wipe, &bar);
    if (facts.buttonHeld != wipe.heldKeys) {
        wipe.heldKeys = facts.buttonHeld;
        if (facts.buttonHeld)
            RegisterHeldKeys(wipe.mainWindow, *wipe.settings);
        else
            ReleaseHeldKeys(wipe.mainWindow);
    }
    if (NextHoverStep(HoverPolling, facts) != HoverConfirms)
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
    Bar* bar;
    if (NextHoverStep(HoverConfirming, LookAtPointer(wipe, &bar)) != HoverWipes || !bar) {
        PointerLeftBars(wipe);
        return;
    }
    KillTimer(wipe.mainWindow, IDT_DRAG_CONFIRM);
    WipeEdge(wipe, *bar);
}

// Hidden, a bar draws nothing over the full-screen program and takes no
// gesture; shown again, it goes back on top of every window. `aside` holds
// one bit per monitor whose bars step aside.
void StepBarsAside(WipeSession& wipe, unsigned aside)
{
    const unsigned changed = aside ^ wipe.barsAside;
    wipe.barsAside = aside;
    for (const Bar& bar : wipe.bars) {
        const unsigned bit = 1u << bar.monitor;
        if (!(changed & bit) || !BarShows(bar, wipe.monitorsWithBars, *wipe.settings))
            continue;
        if (aside & bit)
            ShowWindow(bar.window, SW_HIDE);
        else
            SetWindowPos(bar.window, HWND_TOPMOST, 0, 0, 0, 0,
                         SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    }
}
