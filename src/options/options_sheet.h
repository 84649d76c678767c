// The options sheet: two pages that edit what they are handed and give the
// result back through it, so they know nothing of the program around them.
#pragma once
#include <windows.h>
#include <commctrl.h>

#include "../common/geometry.h"
#include "../common/ui_language.h"
#include "../config/ignore_list.h"
#include "../config/settings.h"

struct OptionsEdit {
    HINSTANCE instance;  // holds the pages' templates
    HWND owner;
    UiLanguage language;
    const ScreenSize* screen;  // the primary screen, kept up to date while the sheet runs
    Rect centreOn;             // the monitor the sheet opens in the middle of
    Settings* settings;  // shown; on OK saved and read back from the file into it
    IgnoreList* ignore;  // shown; on OK saved and read back from the file into it
    // After OK has saved the settings and read them back; returns the edges
    // whose key could not be had, one bit per edge, as `keysTaken` holds them.
    int (*settingsSaved)();
    int pendingKeys[EdgeCount];  // the Keys page's, taken into the settings by OK
    int keysTaken;  // the edges whose key another program holds now, one bit per edge
    // The Options page's colour chosen but not yet applied, seeded from the
    // settings as the page opens, and the brush of its own that paints it in
    // the swatch (never the bars' brush).
    COLORREF pendingColour;
    HBRUSH swatchBrush;
    HWND sheet;  // once the sheet has made it
};

// Runs the modal options sheet; returns when the user has closed it. While
// it runs, another call only brings it to the front.
void ShowOptionsSheet(OptionsEdit& edit);

// A page's WM_INITDIALOG hands it the PROPSHEETPAGE it was made from; the
// page keeps the edit that carries, and finds it again by this.
void KeepEdit(HWND page, LPARAM initParam);
OptionsEdit& EditOf(HWND page);


// Tells the user, in the sheet's language, that OK could not write a file:
// `whatFailed`, then the file's full name as `filePath` forms it.
void TellNotSaved(HWND page, UiLanguage language, const char* whatFailed, bool (*filePath)(char* out));

// Tells the user, in the sheet's language, which edges' keys OK could not
// register: `taken` holds one bit per edge.
void TellKeysTaken(HWND page, UiLanguage language, const Settings& settings, int taken);

// True for the notice the sheet sends each page when the user presses OK.
inline bool IsApplyNotice(LPARAM lParam) { return reinterpret_cast<const NMHDR*>(lParam)->code == PSN_APPLY; }
