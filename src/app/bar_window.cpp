#include "bar_window.h"

#include <windowsx.h>

#include "../../res/resource.h"
#include "../bars/bar_pointer.h"
#include "../bars/edge_keys.h"
#include "../options/options_sheet.h"
#include "app_state.h"

// Any window of the class receiving WM_DESTROY ends the program: the Close
// command, Alt+F4 or the task list's WM_CLOSE on a bar, and a newer copy
// taking over all come this way. The windows go home once the loop has
// ended, so that a newer copy hears at once that this one is on its way out.
// An open context menu runs a loop of its own that swallows the quit
// message, so it is closed, and the quit asked again once it has returned.
static void OnDestroy(HWND)
{
    g_app.quitting = true;
    EndMenu();
    PostQuitMessage(0);
}

// OK on the sheet has saved the settings and read them back. The sheet tells
// the user of the keys that could not be had.
static int ShowSavedSettings()
{
    ApplySettingsToBars(g_app.wipe, ActivateBars);
    return g_app.keysTaken = RegisterEdgeKeys(g_app.wipe.mainWindow, g_app.settings);
}

static Bar* BarOf(HWND window) { return FindBar(g_app.wipe.bars, window); }

// The sheet opens in the middle of the monitor of the bar it was asked from.
static void OpenOptions(HWND window)
{
    const WipeSession& wipe = g_app.wipe;
    const Bar* bar = BarOf(window);
    const int monitor = bar ? bar->monitor : 0;
    const Rect centreOn = monitor < wipe.monitors.count ? wipe.monitors.rects[monitor]
                                                        : Rect{0, 0, wipe.screen.width, wipe.screen.height};
    OptionsEdit edit = {};
    edit.instance = g_app.instance;
    edit.owner = wipe.mainWindow;
    edit.language = g_app.language;
    edit.screen = &wipe.screen;
    edit.centreOn = centreOn;
    edit.settings = &g_app.settings;
    edit.ignore = &g_app.ignore;
    edit.settingsSaved = ShowSavedSettings;
    edit.keysTaken = g_app.keysTaken;
    ShowOptionsSheet(edit);
}

static void OnCommand(HWND window, int id, HWND, UINT)
{
    if (id == IDM_OPTIONS)
        OpenOptions(window);
    else if (id == IDM_CLOSE)
        OnDestroy(window);
}

static void OnMouseMove(HWND window, int, int, UINT)
{
    Bar* bar = BarOf(window);
    if (bar)
        SetBarCursor(g_app.cursors, g_app.instance, bar->edge);
    AskForLeaveNotice(window);
    PointerOverBar(g_app.wipe, bar);
}

static void OnMouseLeave(HWND window) { PointerLeftBar(g_app.wipe, BarOf(window)); }

// Windows posts the keys registered on the main window to it.
static void OnHotKey(HWND window, int id, UINT, UINT)
{
    Edge edge;
    if (window == g_app.wipe.mainWindow && EdgeOfHotKey(id, &edge))
        EdgeKeyPressed(g_app.wipe, edge);
}

// A wiped bar is in front, and so has the keyboard.
static void OnKeyDown(HWND window, UINT vk, BOOL, int, UINT)
{
    Bar* bar = BarOf(window);
    if (vk == VK_ESCAPE && bar)
        EscapeOnBar(g_app.wipe, *bar);
}

static void OnLButtonDown(HWND window, BOOL doubleClick, int, int, UINT)
{
    Bar* bar = BarOf(window);
    // The first press of a double-click already ran a move loop whose end
    // pushed windows onto the bar at rest; their homes stay recorded and they
    // follow the line out with the rest.
    if (doubleClick) {
        if (bar)
            WipeEdge(g_app.wipe, *bar);
        return;
    }
    if (bar)
        SetBarCursor(g_app.cursors, g_app.instance, bar->edge);
    // Let the system move the bar as if its caption were grabbed; its modal
    // loop reports WM_MOVING for each step and WM_EXITSIZEMOVE on release.
    SendMessageA(window, WM_NCLBUTTONDOWN, HTCAPTION, 0);
}

static void OnRButtonUp(HWND window, int x, int y, UINT)
{
    ShowBarMenu(g_app.instance, g_app.language, window, Point{x, y});
    if (g_app.quitting)
        PostQuitMessage(0);
}

// Posted at the end of a bar's move loop, so that it is taken once the loop
// has put the bar where it ends up: Wine reports the end of a move cancelled
// with Escape before it puts the bar back, and Windows may not.
const UINT WM_BAR_MOVE_ENDED = WM_APP;

// A press on a bar activates it: the window in front until then is the one
// a wipe the press may start gives the front back to.
static int OnMouseActivate(HWND window, HWND topLevel, UINT hitTest, UINT message)
{
    if (BarOf(window))
        GestureBegins(g_app.wipe);
    return FORWARD_WM_MOUSEACTIVATE(window, topLevel, hitTest, message, DefWindowProcA);
}

static void OnEnterSizeMove(HWND window)
{
    if (Bar* bar = BarOf(window))
        BarMoveBegins(*bar);
}

static void OnExitSizeMove(HWND window) { PostMessageA(window, WM_BAR_MOVE_ENDED, 0, 0); }

static void OnBarMoveEnded(HWND window)
{
    if (Bar* bar = BarOf(window))
        WipeToDraggedBar(g_app.wipe, *bar);
}

// Keeps a dragged bar on its axis; other windows of the class move as proposed.
static void OnMoving(HWND window, RECT* proposed)
{
    if (const Bar* bar = BarOf(window))
        ConstrainBarDrag(*bar, proposed, g_app.wipe.monitors, g_app.settings);
}

// Many programs save their window's place as the session ends: every pushed
// window goes home first. The end of the session is never refused.
static BOOL OnQueryEndSession(HWND)
{
    EndWipeBeforeLeaving(g_app.wipe);
    return TRUE;
}

static void OnEndSession(HWND, BOOL ending)
{
    if (ending)
        EndWipeBeforeLeaving(g_app.wipe);
}

// Every top-level window hears of a change of the displays (a new resolution,
// a monitor added, removed or moved); the main window alone acts on it. The
// settings are read again, and the keys follow them, as after OK.
static void OnDisplayChange(HWND window, UINT, UINT, UINT)
{
    if (window != g_app.wipe.mainWindow)
        return;
    FollowDisplayChange(g_app.wipe, g_app.settings);
    g_app.keysTaken = RegisterEdgeKeys(window, g_app.settings);
}

LRESULT CALLBACK SashletWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
        HANDLE_MSG(window, WM_COMMAND, OnCommand);
        HANDLE_MSG(window, WM_DESTROY, OnDestroy);
        HANDLE_MSG(window, WM_MOUSEMOVE, OnMouseMove);
        HANDLE_MSG(window, WM_LBUTTONDOWN, OnLButtonDown);
        HANDLE_MSG(window, WM_LBUTTONDBLCLK, OnLButtonDown);
        HANDLE_MSG(window, WM_RBUTTONUP, OnRButtonUp);
        HANDLE_MSG(window, WM_DISPLAYCHANGE, OnDisplayChange);
        HANDLE_MSG(window, WM_QUERYENDSESSION, OnQueryEndSession);
        HANDLE_MSG(window, WM_ENDSESSION, OnEndSession);
        HANDLE_MSG(window, WM_HOTKEY, OnHotKey);
        HANDLE_MSG(window, WM_KEYDOWN, OnKeyDown);
        HANDLE_MSG(window, WM_MOUSEACTIVATE, OnMouseActivate);
    case WM_MOUSELEAVE:
        OnMouseLeave(window);
        return 0;
    case WM_MOVING:
        OnMoving(window, reinterpret_cast<RECT*>(lParam));
        return TRUE;
    case WM_ENTERSIZEMOVE:
        OnEnterSizeMove(window);
        return 0;
    case WM_EXITSIZEMOVE:
        OnExitSizeMove(window);
        return 0;
    case WM_BAR_MOVE_ENDED:
        OnBarMoveEnded(window);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

void CALLBACK DragHoverTimer(HWND, UINT, UINT_PTR, DWORD) { DragHoverTick(g_app.wipe); }

void CALLBACK DragConfirmTimer(HWND, UINT, UINT_PTR, DWORD) { DragConfirmTick(g_app.wipe); }

void CALLBACK RestTimer(HWND window, UINT, UINT_PTR, DWORD)
{
    if (Bar* bar = BarOf(window))
        RestTick(g_app.wipe, *bar);
}

void CALLBACK RestoreWatchTimer(HWND window, UINT, UINT_PTR, DWORD)
{
    if (Bar* bar = BarOf(window))
        RestoreWatchTick(g_app.wipe, *bar);
}

// Runs for every mouse event anywhere while it is set, so it looks only at
// presses and releases, and at nothing that could wait on another program.
LRESULT CALLBACK ButtonWatchHook(int code, WPARAM message, LPARAM info)
{
    const bool pressed = message == WM_LBUTTONDOWN || message == WM_RBUTTONDOWN || message == WM_MBUTTONDOWN;
    const bool released = message == WM_LBUTTONUP || message == WM_RBUTTONUP || message == WM_MBUTTONUP;
    if (code == HC_ACTION && (pressed || released)) {
        const POINT pt = reinterpret_cast<const MSLLHOOKSTRUCT*>(info)->pt;
        ButtonSeen(g_app.wipe, pressed, Point{pt.x, pt.y});
    }
    return CallNextHookEx(nullptr, code, message, info);
}
