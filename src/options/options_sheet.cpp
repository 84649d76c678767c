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

// Opened at the screen's top-left corner, the sheet's caption would sit under
// the Top and Left bars; centred on the primary screen it stays clear of them.
static int CALLBACK CentreSheet(HWND sheet, UINT message, LPARAM)
{
    RECT r;
    if (message == PSCB_INITIALIZED && GetWindowRect(sheet, &r))
        SetWindowPos(sheet, nullptr, (GetSystemMetrics(SM_CXSCREEN) - (r.right - r.left)) / 2,
                     (GetSystemMetrics(SM_CYSCREEN) - (r.bottom - r.top)) / 2, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    return 0;
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
    header.dwFlags = PSH_USEHICON | PSH_NOAPPLYNOW | PSH_USECALLBACK;
    header.hwndParent = g_app.mainWindow;
    header.hInstance = g_app.instance;
    header.hIcon = LoadIconA(g_app.instance, MAKEINTRESOURCEA(IDI_SASHLET));
    header.pszCaption = "Sashlet";
    header.nPages = 2;
    header.nStartPage = 0;
    header.phpage = pages;
    header.pfnCallback = CentreSheet;
    PropertySheetA(&header);
    s_openSheet = nullptr;
}
