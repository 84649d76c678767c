// Whether a program shows full screen in front, and on which monitors.
#pragma once
#include <windows.h>

#include "../common/geometry.h"

typedef HRESULT(WINAPI* QueryNotificationStateFn)(int* state);

// What was last seen in front, so that the question costs a look at the
// window in front and nothing more while nothing changes.
struct FrontWindowLook {
    HWND window;
    RECT rect;
    LONG style;
    unsigned fullScreenOn;  // one bit per monitor
    bool shellTried;  // shell32.dll's notification state, looked up once, when first needed
    QueryNotificationStateFn queryNotificationState;
};

// The monitors among the first `count` on which a program shows full
// screen, one bit each: the window in front covers the whole monitor and is
// neither the desktop nor a window of this program, and has no caption and
// is not maximised, or Windows says a full-screen program, a game or a
// presentation runs. A maximised window covers its monitor too where the
// taskbar hides itself; it is no full-screen program.
unsigned FullScreenInFront(FrontWindowLook& look, const Monitors& monitors, int count);
