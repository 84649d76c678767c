// Everything the process keeps, in one record owned by the Win32 shell: the
// entry point, the window and dialog procedures and the wipe controller's
// timers read and write it on the single UI thread, and hand the parts the
// logic below them needs down as parameters.
#pragma once
#include <windows.h>

#include "../bars/moved_windows.h"
#include "../common/geometry.h"
#include "../common/ui_language.h"
#include "../config/ignore_list.h"
#include "../config/settings.h"

// The foreground window a bar's restore watch last found keeping the wipe,
// and the ignore list it was judged by: while both stay, the answer stands.
struct WatchMemory {
    HWND keeper;
    unsigned listRevision;
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
    WatchMemory watches[EdgeCount];
    IgnoreList ignore;
};

extern AppState g_app;

const char* const kWindowClassName = "CSashlet";
