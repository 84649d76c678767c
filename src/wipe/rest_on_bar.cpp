// The pointer resting on a bar, with no button held, wipes its edge once its
// delay has passed. The bar hears the pointer come and go itself, and a
// one-shot timer measures the rest: nothing polls, and the system's own
// hover notice would start again whenever the pointer moved a few pixels
// along the bar.
#include "../../res/resource.h"
#include "session_parts.h"

void RestBegins(WipeSession& wipe, Bar& bar)
{
    const int delay = wipe.settings->hoverDelay;
    if (delay <= 0 || bar.resting || bar.restSpent || bar.wiped)
        return;
    bar.resting = true;
    SetTimer(bar.window, IDT_REST, static_cast<UINT>(delay), wipe.timers.rest);
}

// A wiped bar moves away from under the pointer, which is no leaving of the user's.
void RestEnds(Bar& bar)
{
    if (bar.resting)
        KillTimer(bar.window, IDT_REST);
    bar.resting = false;
    if (!bar.wiped)
        bar.restSpent = false;
}

// A menu's or a move's own loop runs: the pointer rests there for its sake.
static bool InMenuOrMove()
{
    GUITHREADINFO info = {};
    info.cbSize = sizeof info;
    return GetGUIThreadInfo(GetCurrentThreadId(), &info) &&
           (info.flags & (GUI_INMENUMODE | GUI_POPUPMENUMODE | GUI_INMOVESIZE));
}

static BOOL CALLBACK StopAtShownDialog(HWND window, LPARAM found)
{
    char className[8];
    if (!IsWindowVisible(window) || !GetClassNameA(window, className, sizeof className) ||
        lstrcmpA(className, "#32770") != 0)
        return TRUE;
    *reinterpret_cast<bool*>(found) = true;
    return FALSE;
}

// The options sheet, or a message box of it, is open.
static bool DialogOpen()
{
    bool found = false;
    EnumThreadWindows(GetCurrentThreadId(), StopAtShownDialog, reinterpret_cast<LPARAM>(&found));
    return found;
}

// Windows tells a window at once that the pointer has left it; Wine looks
// now and then, so a pointer that only crossed the bar may not have been
// seen leaving yet.
static bool PointerStillOn(const Bar& bar)
{
    POINT pt;
    RECT r;
    return GetCursorPos(&pt) && GetWindowRect(bar.window, &r) && PtInRect(&r, pt);
}

void RestTick(WipeSession& wipe, Bar& bar)
{
    KillTimer(bar.window, IDT_REST);
    bar.resting = false;
    if (!PointerStillOn(bar))
        return;
    // A held button is a drag, the held-file wipe's to notice.
    if (bar.wiped || bar.restSpent || !BarShows(bar, wipe.monitorsWithBars, *wipe.settings) ||
        (wipe.barsAside & (1u << bar.monitor)) || ButtonHeld() || InMenuOrMove() || DialogOpen())
        return;
    bar.restSpent = true;
    WipeEdge(wipe, bar);
}

void SpendRestsUnderPointer(WipeSession& wipe)
{
    POINT pt = {};
    const bool known = GetCursorPos(&pt) != FALSE;
    for (Bar& bar : wipe.bars) {
        const Rect r = BarRestRectOf(bar, wipe.monitors, *wipe.settings);
        bar.restSpent = known && BarShows(bar, wipe.monitorsWithBars, *wipe.settings) && pt.x >= r.left &&
                        pt.x < r.right && pt.y >= r.top && pt.y < r.bottom;
    }
}
