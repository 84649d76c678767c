// Everything the process keeps, in one record used from the single UI thread.
#pragma once
#include <windows.h>

#include "../bars/bar_geometry.h"
#include "../bars/moved_windows.h"
#include "../config/ignore_list.h"
#include "../config/settings.h"

enum UiLanguage { LanguageEnglish, LanguageJapanese };

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
    COLORREF pendingColour;
    HBRUSH swatchBrush;
    HWND optionsSheet;  // the open options sheet, or none
    MovedWindowTable moved;
    WatchMemory watches[EdgeCount];
    IgnoreList ignore;
};

extern AppState g_app;

const char* const kWindowClassName = "CSashlet";

// Fills `out` (260 bytes) with the executable's folder. On failure, or when
// the path would not fit, `out` is empty and the result is false.
bool ExeDirectory(char* out);
