#include "full_screen.h"

#include "../processes/system_library.h"
#include "monitor_rules.h"
#include "shell_windows.h"

// SHQueryUserNotificationState's answers for a full-screen program, a
// Direct3D game and presentation mode; Windows XP has no such question.
const int kNotificationBusy = 2, kNotificationFullScreenGame = 3, kNotificationPresentation = 4;

static bool WindowsSaysFullScreen(FrontWindowLook& look)
{
    if (!look.shellTried) {
        look.shellTried = true;
        if (HMODULE shell32 = LoadSystemLibrary("shell32.dll"))
            look.queryNotificationState =
                LibraryFunction<QueryNotificationStateFn>(shell32, "SHQueryUserNotificationState");
    }
    int state = 0;
    return look.queryNotificationState && SUCCEEDED(look.queryNotificationState(&state)) &&
           (state == kNotificationBusy || state == kNotificationFullScreenGame || state == kNotificationPresentation);
}

static unsigned JudgeFullScreen(FrontWindowLook& look, const Monitors& monitors, int count)
{
    const RECT& r = look.rect;
    if (!look.window || look.window == GetDesktopWindow())
        return 0;
    const unsigned covered = MonitorsCovered(Rect{r.left, r.top, r.right, r.bottom}, monitors, count);
    if (!covered)
        return 0;
    DWORD process = 0;
    GetWindowThreadProcessId(look.window, &process);
    if (process == GetCurrentProcessId())
        return 0;
    ShellWindows shell;
    FindShellWindows(shell);
    if (IsDesktopOfShell(shell, look.window))
        return 0;
    const bool looksLikeAnApplication = (look.style & WS_MAXIMIZE) || (look.style & WS_CAPTION) == WS_CAPTION;
    return !looksLikeAnApplication || WindowsSaysFullScreen(look) ? covered : 0;
}

unsigned FullScreenInFront(FrontWindowLook& look, const Monitors& monitors, int count)
{
    HWND front = GetForegroundWindow();
    RECT rect = {};
    if (front && !GetWindowRect(front, &rect))
        front = nullptr;
    const LONG style = front ? GetWindowLongA(front, GWL_STYLE) : 0;
    if (front == look.window && EqualRect(&rect, &look.rect) && style == look.style)
        return look.fullScreenOn;
    look.window = front;
    look.rect = rect;
    look.style = style;
    look.fullScreenOn = JudgeFullScreen(look, monitors, count);
    return look.fullScreenOn;
}
