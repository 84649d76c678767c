// The window the user was in before a wipe, and the front given back to it
// when Sashlet's own gesture ends the wipe.
#include "../desktop/shell_windows.h"
#include "session_parts.h"

bool IsSashletWindow(const WipeSession& wipe, HWND window)
{
    return window && (window == wipe.mainWindow || IsOneOfBars(wipe.bars, window));
}

void GestureBegins(WipeSession& wipe)
{
    HWND front = GetForegroundWindow();
    if (!AnyEdgeWiped(wipe) && front && !IsSashletWindow(wipe, front))
        wipe.frontBefore = front;
}

// A wipe ended by Sashlet's own gesture would leave the front on a bar,
// where the keys typed next go nowhere: the window that had it before the
// wipe began gets it back, or, where that one has gone, the one Windows
// itself would choose. A window the user has turned to meanwhile keeps it.
void GiveFrontBack(WipeSession& wipe)
{
    HWND before = wipe.frontBefore;
    wipe.frontBefore = nullptr;
    HWND front = GetForegroundWindow();
    if (front && !IsSashletWindow(wipe, front))
        return;
    if (!before || !IsWindow(before) || !IsWindowVisible(before) || IsIconic(before)) {
        HWND ours[kMaxBars + 1];
        int count = 0;
        ours[count++] = wipe.mainWindow;
        for (const Bar& bar : wipe.bars)
            ours[count++] = bar.window;
        before = WindowToActivateInstead(ours, count);
    }
    SetForegroundWindow(before);
}

void EndWipeGivingFrontBack(WipeSession& wipe)
{
    EndWipe(wipe);
    GiveFrontBack(wipe);
}

// The window in front does not change when the user presses on it again, so
// only a low-level hook hears that press.
void StartButtonWatch(WipeSession& wipe)
{
    if (wipe.buttonWatch || !wipe.timers.buttons)
        return;
    wipe.buttonReleased = !ButtonHeld();
    wipe.buttonWatch = SetWindowsHookExA(WH_MOUSE_LL, wipe.timers.buttons, GetModuleHandleA(nullptr), 0);
}

void StopButtonWatch(WipeSession& wipe)
{
    if (wipe.buttonWatch)
        UnhookWindowsHookEx(wipe.buttonWatch);
    wipe.buttonWatch = nullptr;
}

void ButtonSeen(WipeSession& wipe, bool pressed, Point at)
{
    if (!pressed) {
        wipe.buttonReleased = true;
        return;
    }
    if (!wipe.buttonReleased)
        return;
    HWND there = WindowFromPoint(POINT{at.x, at.y});
    there = there ? GetAncestor(there, GA_ROOT) : nullptr;
    bool stillAllowed = false;
    for (Bar& bar : wipe.bars) {
        if (bar.allowedUntilPressed && there && bar.allowedInFront == there) {
            bar.allowedInFront = nullptr;
            bar.allowedUntilPressed = false;
        }
        stillAllowed = stillAllowed || bar.allowedUntilPressed;
    }
    if (!stillAllowed)
        StopButtonWatch(wipe);
}
