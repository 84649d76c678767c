// Everything the process keeps, in one record owned by the Win32 shell: the
// entry point, the window and dialog procedures and the wipe controller's
// timers read and write it on the single UI thread, and hand the parts the
// logic below them needs down as parameters.
#pragma once
#include <windows.h>

#include "../common/geometry.h"
#include "../common/ui_language.h"
#include "../config/ignore_list.h"
#include "../config/settings.h"
#include "../wipe/moved_windows.h"

// Besides its bar, the one window a wiped edge's restore watch lets stand in
// front: the one left there when the bar was refused the foreground, then the
// last desktop or ignored window found there.
struct WipeWatch {
    HWND allowedInFront;
};

struct AppState {
    HINSTANCE instance;
    ScreenSize screen;
    UiLanguage language;
    HWND mainWindow;
    HWND bars[EdgeCount];
    HCURSOR barCursors[EdgeCount];  // loaded once, on first use
    Settings settings;
    HBRUSH barBrush;
    MovedWindowTable moved;
    WipeWatch watches[EdgeCount];
    IgnoreList ignore;
    bool quitting;  // a quit asked for while a menu's own loop ran
};

extern AppState g_app;

const char* const kWindowClassName = "CSashlet";
