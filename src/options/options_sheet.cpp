#include "options_sheet.h"

#include <windows.h>
#include <commctrl.h>

#include "../../res/resource.h"
#include "../app/app_state.h"
#include "ignore_page.h"
#include "options_page.h"

// The open sheet, or none: the bars stay usable while the sheet runs, so the
// Options command can come again, and one sheet is enough.
static HWND s_openSheet;

void RememberOpenSheet(HWND sheet) { s_openSheet = sheet; }

static HPROPSHEETPAGE CreatePage(WORD englishTemplate, WORD japaneseTemplate, DLGPROC proc)
{
    PROPSHEETPAGEA page = {};
    page.dwSize = sizeof page;
    page.dwFlags = PSP_DEFAULT;
    page.hInstance = g_app.instance;
    page.pszTemplate =
        MAKEINTRESOURCEA(g_app.language == LanguageJapanese ? japaneseTemplate : englishTemplate);
    page.pfnDlgProc = proc;
    return CreatePropertySheetPageA(&page);
}

void ShowOptionsSheet()
{
    if (s_openSheet && IsWindow(s_openSheet)) {
        SetForegroundWindow(s_openSheet);
        return;
    }
    HPROPSHEETPAGE pages[2] = {
        CreatePage(IDD_OPTIONS_ENGLISH, IDD_OPTIONS_JAPANESE, OptionsPageProc),
        CreatePage(IDD_IGNORE_ENGLISH, IDD_IGNORE_JAPANESE, IgnorePageProc),
    };
    PROPSHEETHEADERA header = {};
    header.dwSize = sizeof header;
    header.dwFlags = PSH_USEHICON | PSH_NOAPPLYNOW;
    header.hwndParent = g_app.mainWindow;
    header.hInstance = g_app.instance;
    header.hIcon = LoadIconA(g_app.instance, MAKEINTRESOURCEA(IDI_SASHLET));
    header.pszCaption = "Sashlet";
    header.nPages = 2;
    header.nStartPage = 0;
    header.phpage = pages;
    PropertySheetA(&header);
    s_openSheet = nullptr;
}
