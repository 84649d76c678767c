#include "wipe_controller.h"

#include "../config/ignore_list_store.h"
#include "../config/settings_store.h"
#include "../processes/ignore_query.h"
#include "../wipe/window_facts.h"
#include "../wipe/wipe_engine.h"
#include "app_state.h"

static const UINT kDragHoverPeriod = 200;
static const UINT kDragConfirmPeriod = 300;
static const UINT kRestoreWatchPeriod = 100;

static UINT_PTR WatchTimer(Edge edge) { return TimerWatchLeft + edge; }

static BOOL(WINAPI* s_requestForeground)(HWND) = SetForegroundWindow;

void SetForegroundRequestForTests(BOOL(WINAPI* request)(HWND window))
{
    s_requestForeground = request ? request : SetForegroundWindow;
}

int WipeDistance() { return GetSystemMetrics(SM_CXICONSPACING) * g_app.settings.openWidth; }

// `allowedInFront` is the bar, or the window that stays in front where
// Windows refuses the bar the foreground, as the drag's source does.
static void StartRestoreWatch(HWND bar, Edge edge, HWND allowedInFront)
{
    g_app.watches[edge].allowedInFront = allowedInFront;
    SetTimer(bar, WatchTimer(edge), kRestoreWatchPeriod, RestoreWatch);
}

static void StopRestoreWatches()
{
    for (int e = 0; e < EdgeCount; ++e)
        KillTimer(g_app.bars[e], WatchTimer(static_cast<Edge>(e)));
}

static void Push(Edge edge, int line)
{
    PushWindowsFromEdge(g_app.moved, g_app.ignore, g_app.bars, g_app.screen, edge, line);
}

void WipeEdgeBy(HWND bar, int distance)
{
    Edge edge;
    if (!FindBarEdge(g_app.bars, bar, &edge))
        return;
    // The bar asks for the front, which Windows may refuse during a drag; the
    // restore watch then lets the window in front keep the wipe.
    const Point corner = BarWipedCorner(edge, g_app.screen, g_app.settings.offset, distance);
    SetWindowPos(bar, HWND_TOP, corner.x, corner.y, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE);
    HWND allowedInFront = s_requestForeground(bar) ? bar : GetForegroundWindow();
    Push(edge, WipeLine(edge, g_app.screen, distance));
    StartRestoreWatch(bar, edge, allowedInFront);
}

void WipeEdgeToDraggedBar(HWND bar)
{
    Edge edge;
    RECT rc;
    if (!FindBarEdge(g_app.bars, bar, &edge) || !GetWindowRect(bar, &rc))
        return;
    Push(edge, BarInnerSide(edge, Rect{rc.left, rc.top, rc.right, rc.bottom}));
    StartRestoreWatch(bar, edge, bar);
}

void StartDragHoverPoll() { SetTimer(g_app.mainWindow, TimerDragHover, kDragHoverPeriod, DragHoverPoll); }

void StopDragHoverPoll() { KillTimer(g_app.mainWindow, TimerDragHover); }

void ResumeDragHoverPoll()
{
    StartDragHoverPoll();
    KillTimer(g_app.mainWindow, TimerDragConfirm);
}

void RestoreAll()
{
    MoveBarsHome(g_app.bars, g_app.settings, g_app.screen);
    RestoreMovedWindows(g_app.moved);
    StartDragHoverPoll();
}

void ReloadSettings()
{
    LoadSettings(g_app.screen, g_app.settings);
    ShowEnabledBars(g_app.bars, g_app.settings);
}

void LayOutBars(BarActivation activation)
{
    ApplyBarLayout(g_app.bars, g_app.settings, g_app.screen, &g_app.barBrush, activation);
}

// Moved windows go home first, while their recorded places still mean what
// they meant on the old screen.
void FollowDisplayChange()
{
    StopRestoreWatches();
    RestoreMovedWindows(g_app.moved);
    g_app.screen = PrimaryScreenSize();
    ReloadSettings();
    LayOutBars(KeepForeground);
    RestoreAll();
}

HWND HitTestBars()
{
    POINT pt;
    if (!GetCursorPos(&pt))
        return nullptr;
    // A hidden bar keeps its last rectangle, and its edge is switched off.
    for (HWND bar : g_app.bars)
        if ((GetWindowLongA(bar, GWL_STYLE) & WS_VISIBLE) &&
            SendMessageA(bar, WM_NCHITTEST, 0, MAKELPARAM(pt.x, pt.y)) == HTCLIENT)
            return bar;
    return nullptr;
}

// GetAsyncKeyState sets its top bit while the key or button is down.
const SHORT kKeyDown = static_cast<SHORT>(0x8000);

// Dragging something with either button shows up only as a held button:
// the drag's owner keeps the mouse, so the bar gets no messages.
static bool ButtonHeld()
{
    return (GetAsyncKeyState(VK_LBUTTON) & kKeyDown) || (GetAsyncKeyState(VK_RBUTTON) & kKeyDown);
}

// A window dragged by its caption or frame, a bar included, also holds the
// button over a bar; that is no file for the desktop. Wine's move loop sets
// the flag as Windows' does.
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

static HWND BarUnderHeldButton()
{
    return ButtonHeld() && !WindowBeingMovedOrSized() ? HitTestBars() : nullptr;
}

// The bar leaves the drag's source in front until it wipes.
void CALLBACK DragHoverPoll(HWND, UINT, UINT_PTR, DWORD)
{
    if (!BarUnderHeldButton())
        return;
    StopDragHoverPoll();
    SetTimer(g_app.mainWindow, TimerDragConfirm, kDragConfirmPeriod, DragConfirm);
}

// Windows lets a program take the foreground only if it had the last input,
// and during a drag the drag's source has it: the wipe asks once and goes
// ahead whatever the answer. A drag that only brushed a bar polls again at once.
void CALLBACK DragConfirm(HWND, UINT, UINT_PTR, DWORD)
{
    HWND bar = BarUnderHeldButton();
    if (!bar) {
        ResumeDragHoverPoll();
        return;
    }
    KillTimer(g_app.mainWindow, TimerDragConfirm);
    WipeEdgeBy(bar, WipeDistance());
}

// The wipe lasts while the bar, the window allowed in front (the one left
// there when the bar was refused the foreground), the desktop or an ignored
// program is in front; a window that keeps it so is the one allowed next, so
// turning back to the drag's source after a drop on the desktop ends it. A
// window brought forward by a press waits for the release, so the click
// lands where the user pressed.
void CALLBACK RestoreWatch(HWND bar, UINT, UINT_PTR id, DWORD)
{
    HWND front = GetForegroundWindow();
    Edge edge;
    if (!front || front == bar || !FindBarEdge(g_app.bars, bar, &edge))
        return;
    WipeWatch& watch = g_app.watches[edge];
    // A press that brought a window forward is judged once released, so a
    // held button asks nothing on each tick.
    if (front == watch.allowedInFront || ButtonHeld())
        return;
    ShellWindows shell;
    FindShellWindows(shell);
    if (IsDesktopOfShell(shell, front) || IsIgnoredWindow(g_app.ignore, front)) {
        watch.allowedInFront = front;
        return;
    }
    RestoreAll();
    KillTimer(bar, id);
}
