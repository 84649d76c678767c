#include "options_sheet.h"

#include <windows.h>
#include <commctrl.h>

#include <cstring>

#include "../../res/resource.h"
#include "../common/path.h"
#include "ignore_page.h"
#include "keys_page.h"
#include "../config/edges.h"
#include "../config/hot_key.h"
#include "options_page.h"
#include "sheet_libraries.h"
#include "ui_texts.h"

// What the open sheet was handed, or none. Module-wide by need: the bars
// stay usable while the modal sheet runs, so the Options command can come
// again, from a stack that knows nothing of this one, and one sheet is
// enough; and the sheet's callback is handed nothing of ours.
static OptionsEdit* s_open;

void KeepEdit(HWND page, LPARAM initParam)
{
    SetWindowLongPtrA(page, DWLP_USER, reinterpret_cast<const PROPSHEETPAGEA*>(initParam)->lParam);
}

OptionsEdit& EditOf(HWND page) { return *reinterpret_cast<OptionsEdit*>(GetWindowLongPtrA(page, DWLP_USER)); }

// Appends `text` to the message in `out`, cut short rather than overrun.
static void Append(char* out, size_t size, const char* text)
{
    const size_t used = strlen(out);
    if (used + 1 < size)
        lstrcpynA(out + used, text, static_cast<int>(size - used));
}

void TellNotSaved(HWND page, UiLanguage language, const char* whatFailed, bool (*filePath)(char* out))
{
    const UiTexts& texts = UiTextsFor(language);
    char path[kPathBufferSize];
    char message[3 * kPathBufferSize + kPathBufferSize] = "";
    Append(message, sizeof message, whatFailed);
    Append(message, sizeof message, "\r\n\r\n");
    Append(message, sizeof message, filePath(path) ? path : texts.folderPathTooLong);
    Append(message, sizeof message, "\r\n\r\n");
    Append(message, sizeof message, texts.keptUntilClosed);
    MessageBoxA(page, message, kMessageCaption, MB_ICONERROR);
}

void TellKeysTaken(HWND page, UiLanguage language, const Settings& settings, int taken)
{
    const UiTexts& texts = UiTextsFor(language);
    char message[1024] = "";
    Append(message, sizeof message, texts.keysTaken);
    for (int e = 0; e < EdgeCount; ++e) {
        if (!(taken & (1 << e)))
            continue;
        char key[kHotKeyTextSize];
        FormatHotKey(settings.*kEdges[e].hotKey, key);
        Append(message, sizeof message, "\r\n    ");
        Append(message, sizeof message, key);
        Append(message, sizeof message, " (");
        Append(message, sizeof message, texts.edgeNames[e]);
        Append(message, sizeof message, ")");
    }
    Append(message, sizeof message, "\r\n\r\n");
    Append(message, sizeof message, texts.keysTakenAdvice);
    MessageBoxA(page, message, kMessageCaption, MB_ICONWARNING);
}

static HPROPSHEETPAGE CreatePage(OptionsEdit& edit, WORD englishTemplate, WORD japaneseTemplate, DLGPROC proc)
{
    PROPSHEETPAGEA page = {};
    page.dwSize = sizeof page;
    page.dwFlags = PSP_DEFAULT;
    page.hInstance = edit.instance;
    page.pszTemplate = MAKEINTRESOURCEA(edit.language == LanguageJapanese ? japaneseTemplate : englishTemplate);
    page.pfnDlgProc = proc;
    page.lParam = reinterpret_cast<LPARAM>(&edit);
    return SheetCreatePage(&page);
}

// Opened at the screen's top-left corner, the sheet's caption would sit under
// the Top and Left bars; centred on the monitor of the bar it was asked from
// it stays clear of them, on the monitor the user is looking at. The sheet
// has its size by now, in the pixels of that monitor's DPI.
static int CALLBACK CentreSheet(HWND sheet, UINT message, LPARAM)
{
    RECT r;
    if (message != PSCB_INITIALIZED || !s_open)
        return 0;
    s_open->sheet = sheet;
    const Rect& m = s_open->centreOn;
    if (GetWindowRect(sheet, &r))
        SetWindowPos(sheet, nullptr, m.left + (m.right - m.left - (r.right - r.left)) / 2,
                     m.top + (m.bottom - m.top - (r.bottom - r.top)) / 2, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    return 0;
}

void ShowOptionsSheet(OptionsEdit& edit)
{
    if (s_open) {
        if (s_open->sheet)
            SetForegroundWindow(s_open->sheet);
        return;
    }
    if (!LoadSheetLibraries()) {
        MessageBoxA(edit.owner, UiTextsFor(edit.language).sheetCannotOpen, kMessageCaption, MB_ICONERROR);
        return;
    }
    HPROPSHEETPAGE pages[] = {
        CreatePage(edit, IDD_OPTIONS_ENGLISH, IDD_OPTIONS_JAPANESE, OptionsPageProc),
        CreatePage(edit, IDD_IGNORE_ENGLISH, IDD_IGNORE_JAPANESE, IgnorePageProc),
        CreatePage(edit, IDD_KEYS_ENGLISH, IDD_KEYS_JAPANESE, KeysPageProc),
    };
    PROPSHEETHEADERA header = {};
    header.dwSize = sizeof header;
    header.dwFlags = PSH_USEHICON | PSH_NOAPPLYNOW | PSH_USECALLBACK;
    header.hwndParent = edit.owner;
    header.hInstance = edit.instance;
    header.hIcon = LoadIconA(edit.instance, MAKEINTRESOURCEA(IDI_SASHLET));
    header.pszCaption = "Sashlet";
    header.nPages = sizeof pages / sizeof pages[0];
    header.nStartPage = 0;
    header.phpage = pages;
    header.pfnCallback = CentreSheet;
    s_open = &edit;
    SheetRun(&header);
    s_open = nullptr;
}
