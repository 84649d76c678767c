#include "wipe_engine.h"

#include "../desktop/cloaking.h"
#include "../desktop/monitor_rules.h"
#include "../desktop/monitors.h"
#include "../desktop/shell_windows.h"
#include "../processes/ignore_query.h"
#include "push_geometry.h"
#include "wipe_rules.h"

// Position only: no activation and no change of the stacking order. Moving
// another thread's window synchronously waits for that thread to answer its
// position messages, so a program that has stopped responding would freeze
// us; posted instead, the move happens, in order, when the program recovers.
// The system moves a window of our own thread at once whatever the flag says.
void PostWindowMove(HWND window, Point to)
{
    SetWindowPos(window, nullptr, to.x, to.y, 0, 0, SWP_NOACTIVATE | SWP_NOZORDER | SWP_NOSIZE | SWP_ASYNCWINDOWPOS);
}

ShowState ShowStateOf(LONG style)
{
    return (style & WS_MINIMIZE) ? ShownMinimised : (style & WS_MAXIMIZE) ? ShownMaximised : ShownNormal;
}

// The window's rectangle, of its size now, with its top-left corner at `corner`.
static Rect PlacedAt(Point corner, const RECT& now)
{
    return Rect{corner.x, corner.y, corner.x + now.right - now.left, corner.y + now.bottom - now.top};
}

struct PlannedMove {
    HWND window;
    Point to;
};

struct PushRequest {
    MovedWindowTable* moved;
    const BarList* bars;
    Rect monitor;
    ScreenSize screen;  // the monitor's, whose own coordinates the rules take
    Edge edge;
    int line;           // in the monitor's coordinates
    HWND desktop;
    ShellWindows shell;
    bool monitorsFound;
    Monitors monitors;
    int wiped;  // the wiped monitor's index among them
    CloakQuery cloak;
    IgnoreQuery ignore;
    // Every window a push moves has an entry in the table, so no push plans more moves than it holds.
    int planned;
    PlannedMove moves[kMovedWindowCapacity];
};

// The monitors are asked for once a push, and only once a window meets the strip.
static bool OnWipedMonitor(PushRequest& request, const Rect& r)
{
    if (!request.monitorsFound) {
        FindMonitors(request.monitors);
        request.monitorsFound = true;
        request.wiped = request.monitors.count ? IndexOfMonitor(request.monitors, request.monitor) : 0;
    }
    return LargerPartOn(r, request.monitors, request.wiped);
}

// Every fact about another program's window costs a round trip to the
// system, so each is asked only when the ones before leave the window a
// candidate: its rectangle first (most windows lie nowhere near the strip),
// then its style and whether the user can see it, and the executable lookup
// last. The shell's own windows are found once for the whole push. For a
// top-level window, whose parent is the desktop, the WS_VISIBLE bit is all
// IsWindowVisible looks at.
static BOOL CALLBACK PushWindow(HWND window, LPARAM param)
{
    PushRequest& request = *reinterpret_cast<PushRequest*>(param);
    MovedWindowTable& moved = *request.moved;
    if (!window || MovedWindowTableFull(moved) || IsOneOfBars(*request.bars, window) ||
        window == request.desktop || IsShellsOwnWindow(request.shell, window))
        return TRUE;
    RECT rc;
    if (!GetWindowRect(window, &rc))
        return TRUE;
    // Judge the window where our moves will have put it, not where a program
    // slow to take them still shows it.
    const Point at = SettledCorner(moved, window, Point{rc.left, rc.top});
    const Rect onScreen = PlacedAt(at, rc);
    const Rect r = IntoMonitor(onScreen, request.monitor);
    if (IsBeyondEdge(request.edge, r, request.screen) || r.top == r.bottom || r.left == r.right)
        return TRUE;
    // A window moved by an earlier push follows the line either way, so a bar
    // dragged back pulls its windows back, while its first home stays recorded.
    const MovedWindowEntry* entry = MovedEntryOf(moved, window);
    if (!entry && !ReachesPastLine(request.edge, r, request.line))
        return TRUE;
    // A window beside the monitor, or mostly on another one, belongs to
    // that one, however far it reaches over our edge. A window moved earlier
    // belongs where its home lies: another monitor's wipe that has not
    // ended yet keeps its windows.
    if (!entry && !MeetsScreenAlongEdge(request.edge, r, request.screen))
        return TRUE;
    if (!OnWipedMonitor(request, entry ? PlacedAt(entry->home, rc) : onScreen))
        return TRUE;
    // A minimised window is the system's to place; one the user cannot see
    // (hidden, or cloaked on another virtual desktop) is no obstacle.
    const LONG style = GetWindowLongA(window, GWL_STYLE);
    if (!(style & WS_VISIBLE) || (style & WS_MINIMIZE) || IsCloaked(request.cloak, window))
        return TRUE;
    if (IsIgnoredWindowIn(request.ignore, window))
        return TRUE;
    const Point local = entry ? FollowedCorner(request.edge, r, request.line,
                                               Point{entry->home.x - request.monitor.left,
                                                     entry->home.y - request.monitor.top})
                              : PushedCorner(request.edge, r, request.line);
    const Point to = OutOfMonitor(local, request.monitor);
    if (!entry)
        RecordMovedWindow(moved, window, at, ShowStateOf(style));
    NoteWindowSent(moved, window, to);
    if (request.planned < kMovedWindowCapacity)
        request.moves[request.planned++] = PlannedMove{window, to};
    return TRUE;
}

// The moves are decided first and posted last, so that what is about to
// move can be written down before any window leaves its place.
void PushWindowsFromEdge(MovedWindowTable& moved, const IgnoreList& ignore, const BarList& bars, const Rect& monitor,
                         Edge edge, int line, BeforeMoves beforeMoves)
{
    PushRequest request = {};
    request.moved = &moved;
    request.bars = &bars;
    request.monitor = monitor;
    request.screen = SizeOf(monitor);
    request.edge = edge;
    request.line = LineIntoMonitor(edge, line, monitor);
    request.desktop = GetDesktopWindow();
    FindShellWindows(request.shell);
    BeginCloakQuery(request.cloak);
    BeginIgnoreQuery(request.ignore, ignore);
    EnumWindows(PushWindow, reinterpret_cast<LPARAM>(&request));
    EndIgnoreQuery(request.ignore);
    EndCloakQuery(request.cloak);
    if (request.planned > 0 && beforeMoves.call)
        beforeMoves.call(beforeMoves.context, moved);
    for (int i = 0; i < request.planned; ++i)
        PostWindowMove(request.moves[i].window, request.moves[i].to);
}

// A window maximised or minimised while it was pushed keeps its new state;
// only the place it returns to when restored is set to its home. The
// system keeps that place for every window, so nothing waits on the
// program, unless it is hung, which is then left as it is. The place is in
// workspace coordinates, so it moves by as much as the push moved the window.
static void SendHomeWhenRestored(const MovedWindowEntry& e)
{
    WINDOWPLACEMENT placement = {};
    placement.length = sizeof placement;
    if (IsHungAppWindow(e.window) || !GetWindowPlacement(e.window, &placement))
        return;
    OffsetRect(&placement.rcNormalPosition, e.home.x - e.sent.x, e.home.y - e.sent.y);
    placement.flags = 0;
    placement.showCmd = SW_SHOWNA;
    SetWindowPlacement(e.window, &placement);
}

static void MoveBack(const MovedWindowEntry& e, void* context)
{
    const Monitors* monitorsNow = static_cast<const Monitors*>(context);
    RECT rc;
    if (monitorsNow && GetWindowRect(e.window, &rc) &&
        StaysWhereTheSystemPutIt(PlacedAt(e.home, rc), Rect{rc.left, rc.top, rc.right, rc.bottom}, e.sent,
                                 *monitorsNow))
        return;
    const ShowState now = ShowStateOf(GetWindowLongA(e.window, GWL_STYLE));
    if (now == e.state)
        PostWindowMove(e.window, e.home);
    else if (e.state == ShownNormal)
        SendHomeWhenRestored(e);
}

void RestoreMovedWindows(MovedWindowTable& moved, const Monitors* monitorsNow)
{
    RestoreMovedWindowTable(moved, MoveBack, const_cast<Monitors*>(monitorsNow));
}

// A move posted to another program is taken, in order, before a message sent
// after it is answered. A program that does not answer costs no more than `wait`.
void WaitForMovesToLand(const HWND* windows, int count, DWORD wait)
{
    const DWORD start = GetTickCount();
    for (int i = 0; i < count; ++i) {
        const DWORD spent = GetTickCount() - start;
        if (spent >= wait)
            break;
        DWORD_PTR answer;
        if (windows[i])
            SendMessageTimeoutA(windows[i], WM_NULL, 0, 0, SMTO_ABORTIFHUNG | SMTO_BLOCK, wait - spent, &answer);
    }
}
