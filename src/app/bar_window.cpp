#include "bar_window.h"

#include <windowsx.h>

#include "../../res/resource.h"
#include "../config/edges.h"
#include "../options/options_sheet.h"
#include "../wipe/bar_layout.h"
#include "../wipe/edge_keys.h"
#include "app_state.h"

// The cursors are drawn 32 pixels square and shown at half that size.
const int kCursorSize = 16;

// Each bar's cursor points the way its wipe pushes. Loaded once: LoadImage
// hands out a new cursor object on every call.
static void SetBarCursor(Edge edge)
{
    HCURSOR& cursor = g_app.barCursors[edge];
    if (!cursor)
        cursor = static_cast<HCURSOR>(LoadImageA(g_app.instance, MAKEINTRESOURCEA(kEdges[edge].cursorId), IMAGE_CURSOR,
                                                 kCursorSize, kCursorSize, LR_DEFAULTCOLOR));
    SetCursor(cursor);
}

static void AskForLeaveNotice(HWND window)
{
    TRACKMOUSEEVENT tme = {};
    tme.cbSize = sizeof tme;
    tme.dwFlags = TME_LEAVE;
    tme.hwndTrack = window;
    tme.dwHoverTime = 0;
    TrackMouseEvent(&tme);
}

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
    return RegisterEdgeKeys(g_app.wipe.mainWindow, g_app.settings);
}

// The sheet opens in the middle of the monitor of the bar it was asked from.
static void OpenOptions(HWND window)
{
    const WipeSession& wipe = g_app.wipe;
    int place = 0;
    const int monitor = BarPlaceOf(window, &place) ? MonitorOfBar(place) : 0;
    const Rect centreOn = monitor < wipe.monitors.count ? wipe.monitors.rects[monitor]
                                                        : Rect{0, 0, wipe.screen.width, wipe.screen.height};
    OptionsEdit edit = {g_app.instance, wipe.mainWindow, g_app.language, &g_app.wipe.screen, centreOn,
                        &g_app.settings, &g_app.ignore, ShowSavedSettings, {}};
    ShowOptionsSheet(edit);
}

static void OnCommand(HWND window, int id, HWND, UINT)
{
    switch (id) {
    case IDM_OPTIONS:
        OpenOptions(window);
        break;
    case IDM_CLOSE:
        OnDestroy(window);
        break;
    }
}

static void OnMouseMove(HWND window, int, int, UINT)
{
    int place;
    if (BarPlaceOf(window, &place))
        SetBarCursor(EdgeOfBar(place));
    AskForLeaveNotice(window);
    PointerOverBar(g_app.wipe);
}

static void OnMouseLeave(HWND) { PointerLeftBars(g_app.wipe); }

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
    int place;
    if (vk == VK_ESCAPE && BarPlaceOf(window, &place))
        EscapeOnBar(g_app.wipe, place);
}

static void OnLButtonDown(HWND window, BOOL doubleClick, int, int, UINT)
{
    int place = 0;
    const bool isBar = BarPlaceOf(window, &place);
    // The first press of a double-click already ran a move loop whose end
    // pushed windows onto the bar at rest; their homes stay recorded and they
    // follow the line out with the rest.
    if (doubleClick) {
        if (isBar)
            WipeEdge(g_app.wipe, place);
        return;
    }
    if (isBar)
        SetBarCursor(EdgeOfBar(place));
    // Let the system move the bar as if its caption were grabbed; its modal
    // loop reports WM_MOVING for each step and WM_EXITSIZEMOVE on release.
    SendMessageA(window, WM_NCLBUTTONDOWN, HTCAPTION, 0);
}

static void OnRButtonUp(HWND window, int x, int y, UINT)
{
    HMENU menu = LoadMenuA(g_app.instance, MAKEINTRESOURCEA(g_app.language == LanguageJapanese ? IDM_CONTEXT_JAPANESE
                                                                                               : IDM_CONTEXT_ENGLISH));
    if (!menu)
        return;
    POINT pt = {x, y};
    ClientToScreen(window, &pt);
    TrackPopupMenu(GetSubMenu(menu, 0), TPM_VCENTERALIGN, pt.x, pt.y, 0, window, nullptr);
    DestroyMenu(menu);
    if (g_app.quitting)
        PostQuitMessage(0);
}

// Posted at the end of a bar's move loop, so that it is taken once the loop
// has put the bar where it ends up: Wine reports the end of a move cancelled
// with Escape before it puts the bar back, and Windows may not.
const UINT WM_BAR_MOVE_ENDED = WM_APP;

// Posted by the button hook to the main window: a press (wParam 1) or a
// release (0) at the screen point in lParam.
const UINT WM_BUTTON_SEEN = WM_APP + 1;

// A press on a bar activates it: the window in front until then is the one
// a wipe the press may start gives the front back to.
static int OnMouseActivate(HWND window, HWND topLevel, UINT hitTest, UINT message)
{
    int place;
    if (BarPlaceOf(window, &place))
        GestureBegins(g_app.wipe);
    return FORWARD_WM_MOUSEACTIVATE(window, topLevel, hitTest, message, DefWindowProcA);
}

static void OnEnterSizeMove(HWND window)
{
    int place;
    if (BarPlaceOf(window, &place))
        BarMoveBegins(g_app.wipe, place);
}

static void OnExitSizeMove(HWND window) { PostMessageA(window, WM_BAR_MOVE_ENDED, 0, 0); }

static void OnBarMoveEnded(HWND window)
{
    int place;
    if (BarPlaceOf(window, &place))
        WipeToDraggedBar(g_app.wipe, place);
}

// Keeps a dragged bar on its axis; other windows of the class move as proposed.
static void OnMoving(HWND window, RECT* proposed)
{
    int place;
    if (BarPlaceOf(window, &place))
        ConstrainBarDrag(place, proposed, g_app.wipe.monitors, g_app.settings);
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

static void OnButtonSeen(HWND window, WPARAM pressed, LPARAM at)
{
    if (window == g_app.wipe.mainWindow)
        ButtonSeen(g_app.wipe, pressed != 0, Point{GET_X_LPARAM(at), GET_Y_LPARAM(at)});
}

// Every top-level window hears of a change of the displays (a new resolution,
// a monitor added, removed or moved); the main window alone acts on it.
static void OnDisplayChange(HWND window, UINT, UINT, UINT)
{
    if (window == g_app.wipe.mainWindow)
        FollowDisplayChange(g_app.wipe, g_app.settings);
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
    case WM_BUTTON_SEEN:
        OnButtonSeen(window, wParam, lParam);
        return 0;
    case WM_BAR_MOVE_ENDED:
        OnBarMoveEnded(window);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

void CALLBACK DragHoverTimer(HWND, UINT, UINT_PTR, DWORD) { DragHoverTick(g_app.wipe); }

void CALLBACK DragConfirmTimer(HWND, UINT, UINT_PTR, DWORD) { DragConfirmTick(g_app.wipe); }

void CALLBACK RestoreWatchTimer(HWND bar, UINT, UINT_PTR, DWORD)
{
    int place;
    if (BarPlaceOf(bar, &place))
        RestoreWatchTick(g_app.wipe, place);
}

// Runs for every mouse event anywhere while it is set, so it only passes the
// presses and releases on, to be judged outside the hook.
LRESULT CALLBACK ButtonWatchHook(int code, WPARAM message, LPARAM info)
{
    if (code == HC_ACTION) {
        const MSLLHOOKSTRUCT& event = *reinterpret_cast<const MSLLHOOKSTRUCT*>(info);
        const bool pressed = message == WM_LBUTTONDOWN || message == WM_RBUTTONDOWN || message == WM_MBUTTONDOWN;
        const bool released = message == WM_LBUTTONUP || message == WM_RBUTTONUP || message == WM_MBUTTONUP;
        if (pressed || released)
            PostMessageA(g_app.wipe.mainWindow, WM_BUTTON_SEEN, pressed, MAKELPARAM(event.pt.x, event.pt.y));
    }
    return CallNextHookEx(nullptr, code, message, info);
}
