#include "wipe_engine.h"

#include "../app/app_state.h"
#include "../config/ignore_list_store.h"
#include "bar_layout.h"

// Position only: no activation and no change of the stacking order. Moving
// another thread's window synchronously waits for that thread to answer its
// position messages, so a program that has stopped responding would freeze
// us; posted instead, the move happens, in order, when the program recovers.
static void MoveWindowTo(HWND window, int left, int top)
{
    UINT flags = SWP_NOACTIVATE | SWP_NOZORDER | SWP_NOSIZE;
    if (GetWindowThreadProcessId(window, nullptr) != GetCurrentThreadId())
        flags |= SWP_ASYNCWINDOWPOS;
    SetWindowPos(window, nullptr, left, top, 0, 0, flags);
}

void ClearMovedWindows() { ClearMovedWindowTable(g_app.moved); }

static bool IsBar(HWND window)
{
    Edge edge;
    return BarEdge(window, &edge);
}

struct PushRequest {
    Edge edge;
    int line;
};

static BOOL CALLBACK PushWindow(HWND window, LPARAM param)
{
    const PushRequest& request = *reinterpret_cast<const PushRequest*>(param);
    if (!window || IsBar(window) || !IsWindowVisible(window) || window == GetDesktopWindow() ||
        MovedWindowTableFull(g_app.moved))
        return TRUE;
    if (IsIgnoredWindow(window))
        return TRUE;
    RECT rc;
    if (!GetWindowRect(window, &rc))
        return TRUE;
    const Rect r{rc.left, rc.top, rc.right, rc.bottom};
    if (IsBeyondEdge(request.edge, r, g_app.screen) || r.top == r.bottom || r.left == r.right)
        return TRUE;
    // The platform reports minimised windows as SW_SHOWMINIMIZED, so this
    // rarely fires; they are parked off-screen and fail the tests above instead.
    WINDOWPLACEMENT placement = {};
    placement.length = sizeof placement;
    GetWindowPlacement(window, &placement);
    if (placement.showCmd == SW_MINIMIZE)
        return TRUE;
    const Point to = PushedCorner(request.edge, r, request.line);
    // A window moved by an earlier push follows the line either way, so a bar
    // dragged back pulls its windows back, while its first home stays recorded.
    if (IsMovedWindow(g_app.moved, window)) {
        MoveWindowTo(window, to.x, to.y);
        return TRUE;
    }
    if (!ReachesPastLine(request.edge, r, request.line))
        return TRUE;
    RecordMovedWindow(g_app.moved, window, r.left, r.top);
    MoveWindowTo(window, to.x, to.y);
    return TRUE;
}

void PushWindowsFromEdge(Edge edge, int line)
{
    PushRequest request{edge, line};
    EnumWindows(PushWindow, reinterpret_cast<LPARAM>(&request));
}

static void MoveBack(WindowHandle window, int left, int top, void*) { MoveWindowTo(window, left, top); }

void RestoreMovedWindows() { RestoreMovedWindowTable(g_app.moved, MoveBack, nullptr); }
