#include "wipe_engine.h"

#include "../config/ignore_list_store.h"
#include "bar_layout.h"

// Position only: no activation and no change of the stacking order. Moving
// another thread's window synchronously waits for that thread to answer its
// position messages, so a program that has stopped responding would freeze
// us; posted instead, the move happens, in order, when the program recovers.
// The system moves a window of our own thread at once whatever the flag says.
static void MoveWindowTo(HWND window, int left, int top)
{
    SetWindowPos(window, nullptr, left, top, 0, 0, SWP_NOACTIVATE | SWP_NOZORDER | SWP_NOSIZE | SWP_ASYNCWINDOWPOS);
}

HWND ProgramManagerWindow() { return FindWindowA("Progman", "Program Manager"); }

// The desktop is two windows: the system's, and "Program Manager", which
// spans the screen and shows the icons a wipe is there to uncover. Pushing
// it would slide the icons away with everything else.
struct PushRequest {
    MovedWindowTable& moved;
    const HWND* bars;
    ScreenSize screen;
    Edge edge;
    int line;
    HWND desktop;
    HWND programManager;
    IgnoreQuery ignore;
};

// Every fact about another program's window costs a round trip to the
// system, so each is asked only when the ones before leave the window a
// candidate: its rectangle first (most windows lie nowhere near the strip),
// then whether it is shown, and the executable lookup last, for a window that
// would otherwise move. For a top-level window, whose parent is the desktop,
// the WS_VISIBLE bit is all IsWindowVisible looks at.
static BOOL CALLBACK PushWindow(HWND window, LPARAM param)
{
    PushRequest& request = *reinterpret_cast<PushRequest*>(param);
    MovedWindowTable& moved = request.moved;
    Edge barEdge;
    if (!window || MovedWindowTableFull(moved) || BarEdge(request.bars, window, &barEdge) ||
        window == request.desktop || window == request.programManager)
        return TRUE;
    RECT rc;
    if (!GetWindowRect(window, &rc))
        return TRUE;
    // Judge the window where our moves will have put it, not where a program
    // slow to take them still shows it.
    const Point at = SettledCorner(moved, window, Point{rc.left, rc.top});
    const Rect r{at.x, at.y, at.x + rc.right - rc.left, at.y + rc.bottom - rc.top};
    if (IsBeyondEdge(request.edge, r, request.screen) || r.top == r.bottom || r.left == r.right)
        return TRUE;
    // A window moved by an earlier push follows the line either way, so a bar
    // dragged back pulls its windows back, while its first home stays recorded.
    const bool recorded = IsMovedWindow(moved, window);
    if (!recorded && !ReachesPastLine(request.edge, r, request.line))
        return TRUE;
    if (!(GetWindowLongA(window, GWL_STYLE) & WS_VISIBLE))
        return TRUE;
    if (IsIgnoredWindowIn(request.ignore, window))
        return TRUE;
    if (!recorded)
        RecordMovedWindow(moved, window, at);
    const Point to = PushedCorner(request.edge, r, request.line);
    NoteWindowSent(moved, window, to);
    MoveWindowTo(window, to.x, to.y);
    return TRUE;
}

void PushWindowsFromEdge(MovedWindowTable& moved, const IgnoreList& ignore, const HWND* bars, ScreenSize screen,
                         Edge edge, int line)
{
    PushRequest request{moved, bars, screen, edge, line, GetDesktopWindow(), ProgramManagerWindow(), {}};
    BeginIgnoreQuery(request.ignore, ignore);
    EnumWindows(PushWindow, reinterpret_cast<LPARAM>(&request));
    EndIgnoreQuery(request.ignore);
}

static void MoveBack(WindowHandle window, Point home, void*) { MoveWindowTo(window, home.x, home.y); }

void RestoreMovedWindows(MovedWindowTable& moved) { RestoreMovedWindowTable(moved, MoveBack, nullptr); }
