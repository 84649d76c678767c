#include "wipe_controller.h"

#include "../app/app_state.h"
#include "../config/ignore_list_store.h"
#include "../config/settings_store.h"
#include "wipe_engine.h"

static const UINT kDragHoverPeriod = 200;
static const UINT kDragConfirmPeriod = 300;
static const UINT kRestoreWatchPeriod = 100;

static UINT_PTR WatchTimer(Edge edge) { return TimerWatchLeft + edge; }

int WipeDistance() { return GetSystemMetrics(SM_CXICONSPACING) * g_app.settings.openWidth; }

static void StartRestoreWatch(HWND bar, Edge edge)
{
    g_app.watches[edge].keeper = nullptr;
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

void WipeFromEdge(HWND bar, int distance)
{
    Edge edge;
    if (!BarEdge(g_app.bars, bar, &edge))
        return;
    // Without SWP_NOACTIVATE the bar also comes to the front, which the
    // restore watch counts as "still wiping".
    const Point corner = BarWipedCorner(edge, g_app.screen, g_app.settings.offset, distance);
    SetWindowPos(bar, HWND_TOP, corner.x, corner.y, 0, 0, SWP_NOSIZE);
    Push(edge, WipeLine(edge, g_app.screen, distance));
    StartRestoreWatch(bar, edge);
}

void WipeToBar(HWND bar)
{
    Edge edge;
    RECT rc;
    if (!BarEdge(g_app.bars, bar, &edge) || !GetWindowRect(bar, &rc))
        return;
    Push(edge, BarInnerSide(edge, Rect{rc.left, rc.top, rc.right, rc.bottom}));
    StartRestoreWatch(bar, edge);
}

static void StartDragHoverPoll() { SetTimer(g_app.mainWindow, TimerDragHover, kDragHoverPeriod, DragHoverPoll); }

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
    // A bar that was never shown keeps its empty creation rectangle and so never answers HTCLIENT.
    for (HWND bar : g_app.bars)
        if (SendMessageA(bar, WM_NCHITTEST, 0, MAKELPARAM(pt.x, pt.y)) == HTCLIENT)
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

void CALLBACK DragHoverPoll(HWND, UINT, UINT_PTR, DWORD)
{
    if (!ButtonHeld())
        return;
    HWND bar = HitTestBars();
    if (!bar || !SetForegroundWindow(bar))
        return;
    StopDragHoverPoll();
    SetTimer(g_app.mainWindow, TimerDragConfirm, kDragConfirmPeriod, DragConfirm);
}

void CALLBACK DragConfirm(HWND, UINT, UINT_PTR, DWORD)
{
    if (!ButtonHeld())
        return;
    HWND bar = HitTestBars();
    if (!bar) {
        KillTimer(g_app.mainWindow, TimerDragConfirm);
        return;
    }
    if (!SetForegroundWindow(bar))
        return;
    WipeFromEdge(bar, WipeDistance());
    KillTimer(g_app.mainWindow, TimerDragConfirm);
}

void CALLBACK RestoreWatch(HWND bar, UINT, UINT_PTR id, DWORD)
{
    // The wipe lasts while the bar itself, the desktop or an ignored program is in front.
    HWND front = GetForegroundWindow();
    if (!front || front == bar)
        return;
    Edge edge;
    if (!BarEdge(g_app.bars, bar, &edge))
        return;
    // An ignored program may hold the front for minutes; ask about it once.
    WatchMemory& memory = g_app.watches[edge];
    if (front == memory.keeper && memory.listRevision == g_app.ignore.revision)
        return;
    if (front == ProgramManagerWindow() || IsIgnoredWindow(g_app.ignore, front)) {
        memory = WatchMemory{front, g_app.ignore.revision};
        return;
    }
    RestoreAll();
    KillTimer(bar, id);
}
