// Everything the process keeps, in one record owned by the Win32 shell: the
// entry point, the window procedures and the timer callbacks read and write
// it on the single UI thread, and hand the parts the logic below them needs
// down as parameters.
#pragma once
#include <windows.h>

#include "../bars/bar_pointer.h"
#include "../common/ui_language.h"
#include "../config/ignore_list.h"
#include "../config/settings.h"
#include "../wipe/wipe_session.h"

struct AppState {
    HINSTANCE instance;
    UiLanguage language;
    Settings settings;
    IgnoreList ignore;
    WipeSession wipe;                 // the bars and what a wipe has moved; reads settings and ignore
    BarCursors cursors;
    bool quitting;                    // a quit asked for while a menu's own loop ran
    int keysTaken;                    // the edges whose key another program holds, one bit per edge
};

extern AppState g_app;

const char* const kWindowClassName = "CSashlet";
const char* const kMainWindowTitle = "Sashlet";
