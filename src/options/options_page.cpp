#include "options_page.h"

#include <commctrl.h>
#include <commdlg.h>
#include <windowsx.h>

#include <cstdlib>

#include "../../res/resource.h"
#include "../config/bar_look.h"
#include "../config/edges.h"
#include "../config/settings_store.h"
#include "options_sheet.h"
#include "sheet_libraries.h"
#include "ui_texts.h"

// The edits show at most a few digits; the buffers leave room for any int.
const int kNumberTextSize = 16;
const int kEditTextSize = 30;

struct NumberField {
    int Settings::*field;
    int edit;
    int spin;
};

// In the order the page fills and reads them.
static const NumberField kNumberFields[] = {
    {&Settings::width, IDC_WIDTH_EDIT, IDC_WIDTH_SPIN},
    {&Settings::transparency, IDC_ALPHA_EDIT, IDC_ALPHA_SPIN},
    {&Settings::offset, IDC_OFFSET_EDIT, IDC_OFFSET_SPIN},
    {&Settings::openWidth, IDC_OPEN_WIDTH_EDIT, IDC_OPEN_WIDTH_SPIN},
};

static void SetNumberText(HWND edit, int value)
{
    char text[kNumberTextSize];
    FormatDecimal(value, text);
    SetWindowTextA(edit, text);
}

// The rest before a bar wipes moves by a tenth of a second, and shows "off" for 0.
const int kRestStep = 100;

static void ShowRest(HWND page, UiLanguage language)
{
    const int delay = static_cast<int>(SendDlgItemMessageA(page, IDC_HOVER_SPIN, UDM_GETPOS32, 0, 0));
    char text[kNumberTextSize + 4];
    if (delay <= 0) {
        SetDlgItemTextA(page, IDC_HOVER_EDIT, UiTextsFor(language).restOff);
        return;
    }
    lstrcpyA(text + FormatDecimal(delay, text), " ms");
    SetDlgItemTextA(page, IDC_HOVER_EDIT, text);
}

static void SetUpRest(HWND page, const OptionsEdit& edit)
{
    HWND spin = GetDlgItem(page, IDC_HOVER_SPIN);
    SendMessageA(spin, UDM_SETBUDDY, reinterpret_cast<WPARAM>(GetDlgItem(page, IDC_HOVER_EDIT)), 0);
    const Range range = OfferedRange(SettingsFieldOf(&Settings::hoverDelay), *edit.screen);
    SendMessageA(spin, UDM_SETRANGE32, static_cast<WPARAM>(range.lo), static_cast<LPARAM>(range.hi));
    UDACCEL step = {0, kRestStep};
    SendMessageA(spin, UDM_SETACCEL, 1, reinterpret_cast<LPARAM>(&step));
    SendMessageA(spin, UDM_SETPOS32, 0, static_cast<LPARAM>(edit.settings->hoverDelay));
    ShowRest(page, edit.language);
}

static void ReleaseSwatchBrush(OptionsEdit& edit)
{
    if (edit.swatchBrush)
        DeleteObject(edit.swatchBrush);
    edit.swatchBrush = nullptr;
}

static BOOL OnInitDialog(HWND page, HWND, LPARAM initParam)
{
    KeepEdit(page, initParam);
    OptionsEdit& given = EditOf(page);
    const Settings& s = *given.settings;
    for (const NumberField& f : kNumberFields) {
        HWND edit = GetDlgItem(page, f.edit), spin = GetDlgItem(page, f.spin);
        const int value = s.*f.field;
        SetNumberText(edit, value);
        SendMessageA(spin, UDM_SETBUDDY, reinterpret_cast<WPARAM>(edit), 0);
        const Range range = OfferedRange(SettingsFieldOf(f.field), *given.screen);
        SendMessageA(spin, UDM_SETRANGE32, static_cast<WPARAM>(range.lo), static_cast<LPARAM>(range.hi));
        // The control keeps the low 16 bits as a signed number and brings it
        // into range. It only rewrites its buddy when the position changes, so
        // write the clamped value back here: the edit must show what OK stores.
        SendMessageA(spin, UDM_SETPOS, 0, static_cast<LPARAM>(value));
        SetNumberText(edit, static_cast<int>(SendMessageA(spin, UDM_GETPOS32, 0, 0)));
    }
    for (int e = 0; e < EdgeCount; ++e) {
        if (EdgeEnabled(s, static_cast<Edge>(e)))
            CheckDlgButton(page, kEdges[e].checkBoxId, BST_CHECKED);
        // The sheet opens on this page, so the Keys page finds its keys here.
        given.pendingKeys[e] = s.*kEdges[e].hotKey;
    }
    CheckDlgButton(page, IDC_EVERY_SCREEN_CHECK, s.everyScreen ? BST_CHECKED : BST_UNCHECKED);
    SetUpRest(page, given);
    ReleaseSwatchBrush(given);
    given.pendingColour = BarColour(s);
    return TRUE;
}

static void ChooseSwatchColour(HWND page)
{
    OptionsEdit& edit = EditOf(page);
    // The chooser wants room for its 16 custom colours; none is kept from one use to the next.
    COLORREF custom[16];
    for (COLORREF& c : custom)
        c = RGB(255, 255, 255);
    CHOOSECOLORA cc = {};
    cc.lStructSize = sizeof cc;
    cc.hwndOwner = page;
    cc.rgbResult = edit.pendingColour;
    cc.lpCustColors = custom;
    cc.Flags = CC_RGBINIT;
    if (!SheetChooseColour(&cc))
        return;
    edit.pendingColour = cc.rgbResult;
    HWND swatch = GetDlgItem(page, IDC_COLOR_SWATCH);
    InvalidateRect(swatch, nullptr, TRUE);
    UpdateWindow(swatch);
}

static void OnCommand(HWND page, int id, HWND control, UINT code)
{
    if (id == IDC_COLOR_BUTTON && code == BN_CLICKED && control == GetDlgItem(page, IDC_COLOR_BUTTON))
        ChooseSwatchColour(page);
}

// The swatch paints with a brush of its own; the bars keep theirs until OK.
static HBRUSH OnCtlColorStatic(HWND page, HDC dc, HWND control, int)
{
    if (control != GetDlgItem(page, IDC_COLOR_SWATCH))
        return nullptr;
    OptionsEdit& edit = EditOf(page);
    ReleaseSwatchBrush(edit);
    SetBkMode(dc, TRANSPARENT);
    edit.swatchBrush = CreateSolidBrush(edit.pendingColour);
    return edit.swatchBrush;
}

static bool AnyEdgeChecked(HWND page)
{
    for (const EdgeFacts& edge : kEdges)
        if (IsDlgButtonChecked(page, edge.checkBoxId) == BST_CHECKED)
            return true;
    return false;
}

static INT_PTR OnApply(HWND page)
{
    OptionsEdit& edit = EditOf(page);
    if (!AnyEdgeChecked(page)) {
        MessageBoxA(page, UiTextsFor(edit.language).noEdgeChecked, kMessageCaption, MB_ICONERROR);
        // Keep the sheet open on this page: nothing has been saved.
        SetWindowLongPtrA(page, DWLP_MSGRESULT, PSNRET_INVALID_NOCHANGEPAGE);
        return TRUE;
    }
    Settings& s = *edit.settings;
    for (const NumberField& f : kNumberFields) {
        char text[kEditTextSize];
        GetDlgItemTextA(page, f.edit, text, sizeof text);
        s.*f.field = atoi(text);
    }
    SetBarColour(s, edit.pendingColour);
    for (int e = 0; e < EdgeCount; ++e) {
        s.*kEdges[e].flag = IsDlgButtonChecked(page, kEdges[e].checkBoxId) == BST_CHECKED ? 1 : 0;
        s.*kEdges[e].hotKey = edit.pendingKeys[e];
    }
    s.everyScreen = IsDlgButtonChecked(page, IDC_EVERY_SCREEN_CHECK) == BST_CHECKED ? 1 : 0;
    s.hoverDelay = static_cast<int>(SendDlgItemMessageA(page, IDC_HOVER_SPIN, UDM_GETPOS32, 0, 0));
    // A file that cannot be written keeps the new settings in use until the
    // program ends, and the user is told which file it was.
    const bool saved = SaveSettings(s);
    if (saved)
        LoadSettings(*edit.screen, s);
    else
        ApplySettingsRules(*edit.screen, s);
    const int keysTaken = edit.settingsSaved();
    if (!saved)
        TellNotSaved(page, edit.language, UiTextsFor(edit.language).settingsNotSaved, SettingsFilePath);
    if (keysTaken)
        TellKeysTaken(page, edit.language, s, keysTaken);
    return FALSE;
}

// The rest's up-down writes no text of its own: its step reaches the page.
static void OnVScroll(HWND page, HWND control, UINT, int)
{
    if (control == GetDlgItem(page, IDC_HOVER_SPIN))
        ShowRest(page, EditOf(page).language);
}

// The swatch can no longer paint with its brush once the page is gone.
static void OnDestroy(HWND page) { ReleaseSwatchBrush(EditOf(page)); }

INT_PTR CALLBACK OptionsPageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_INITDIALOG:
        return HANDLE_WM_INITDIALOG(page, wParam, lParam, OnInitDialog);
    case WM_COMMAND:
        HANDLE_WM_COMMAND(page, wParam, lParam, OnCommand);
        return FALSE;
    case WM_VSCROLL:
        HANDLE_WM_VSCROLL(page, wParam, lParam, OnVScroll);
        return FALSE;
    case WM_CTLCOLORSTATIC:
        return HANDLE_WM_CTLCOLORSTATIC(page, wParam, lParam, OnCtlColorStatic);
    case WM_NOTIFY:
        return IsApplyNotice(lParam) ? OnApply(page) : FALSE;
    case WM_DESTROY:
        OnDestroy(page);
        return FALSE;
    }
    return FALSE;
}
