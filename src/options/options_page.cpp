#include "options_page.h"

#include <commctrl.h>
#include <commdlg.h>
#include <windowsx.h>

#include <cstdlib>

#include "../../res/resource.h"
#include "../app/app_state.h"
#include "../bars/bar_layout.h"
#include "../config/settings_store.h"
#include "ui_texts.h"

const int kHalfSmallerSide = -1;  // the range's top is computed from the screen

struct NumberField {
    int Settings::*field;
    int edit;
    int spin;
    int lo, hi;
};

// In the order the page fills and reads them.
static const NumberField kNumberFields[] = {
    {&Settings::width, IDC_WIDTH_EDIT, IDC_WIDTH_SPIN, 1, 10},
    {&Settings::alpha, IDC_ALPHA_EDIT, IDC_ALPHA_SPIN, 0, 100},
    {&Settings::offset, IDC_OFFSET_EDIT, IDC_OFFSET_SPIN, 0, kHalfSmallerSide},
    {&Settings::openWidth, IDC_OPEN_WIDTH_EDIT, IDC_OPEN_WIDTH_SPIN, 0, 10},
};

struct EdgeBox {
    int Settings::*field;
    int check;
};

static const EdgeBox kEdgeBoxes[] = {
    {&Settings::left, IDC_LEFT_CHECK},
    {&Settings::right, IDC_RIGHT_CHECK},
    {&Settings::top, IDC_TOP_CHECK},
    {&Settings::bottom, IDC_BOTTOM_CHECK},
};

static int RangeTop(const NumberField& f)
{
    if (f.hi != kHalfSmallerSide)
        return f.hi;
    const ScreenSize s = g_app.screen;
    return (s.width < s.height ? s.width : s.height) / 2 - 1;
}

static void SetNumberText(HWND edit, int value)
{
    char text[16];
    FormatDecimal(value, text);
    SetWindowTextA(edit, text);
}

static BOOL OnInitDialog(HWND page, HWND, LPARAM)
{
    g_app.optionsSheet = GetParent(page);
    for (const NumberField& f : kNumberFields) {
        HWND edit = GetDlgItem(page, f.edit), spin = GetDlgItem(page, f.spin);
        const int value = g_app.settings.*f.field;
        SetNumberText(edit, value);
        SendMessageA(spin, UDM_SETBUDDY, reinterpret_cast<WPARAM>(edit), 0);
        SendMessageA(spin, UDM_SETRANGE32, static_cast<WPARAM>(f.lo), static_cast<LPARAM>(RangeTop(f)));
        // The control keeps the low 16 bits as a signed number and brings it
        // into range. It only rewrites its buddy when the position changes, so
        // write the clamped value back here: the edit must show what OK stores.
        SendMessageA(spin, UDM_SETPOS, 0, static_cast<LPARAM>(value));
        SetNumberText(edit, static_cast<int>(SendMessageA(spin, UDM_GETPOS32, 0, 0)));
    }
    for (const EdgeBox& box : kEdgeBoxes)
        if (g_app.settings.*box.field)
            CheckDlgButton(page, box.check, BST_CHECKED);
    const Settings& s = g_app.settings;
    g_app.pendingColour = BarColour(s.red, s.green, s.blue);
    return TRUE;
}

static void ChooseSwatchColour(HWND page)
{
    COLORREF custom[16];
    for (COLORREF& c : custom)
        c = RGB(255, 255, 255);
    CHOOSECOLORA cc = {};
    cc.lStructSize = sizeof cc;
    cc.hwndOwner = page;
    cc.rgbResult = g_app.pendingColour;
    cc.lpCustColors = custom;
    cc.Flags = CC_RGBINIT;
    if (!ChooseColorA(&cc))
        return;
    g_app.pendingColour = cc.rgbResult;
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
static HBRUSH OnCtlColorStatic(HWND page, HDC dc, HWND control)
{
    if (control != GetDlgItem(page, IDC_COLOR_SWATCH))
        return nullptr;
    if (g_app.swatchBrush)
        DeleteObject(g_app.swatchBrush);
    SetBkMode(dc, TRANSPARENT);
    g_app.swatchBrush = CreateSolidBrush(g_app.pendingColour);
    return g_app.swatchBrush;
}

static bool AnyEdgeChecked(HWND page)
{
    for (const EdgeBox& box : kEdgeBoxes)
        if (IsDlgButtonChecked(page, box.check) == BST_CHECKED)
            return true;
    return false;
}

static INT_PTR OnApply(HWND page)
{
    if (!AnyEdgeChecked(page)) {
        MessageBoxA(page, CurrentUiTexts().noEdgeChecked, kMessageCaption, MB_ICONERROR);
        // Keep the sheet open on this page: nothing has been saved.
        SetWindowLongPtrA(page, DWLP_MSGRESULT, PSNRET_INVALID_NOCHANGEPAGE);
        return TRUE;
    }
    Settings& s = g_app.settings;
    for (const NumberField& f : kNumberFields) {
        char text[30];
        GetDlgItemTextA(page, f.edit, text, sizeof text);
        s.*f.field = atoi(text);
    }
    s.red = GetRValue(g_app.pendingColour);
    s.green = GetGValue(g_app.pendingColour);
    s.blue = GetBValue(g_app.pendingColour);
    for (const EdgeBox& box : kEdgeBoxes)
        s.*box.field = IsDlgButtonChecked(page, box.check) == BST_CHECKED ? 1 : 0;
    SaveSettings();
    LoadSettings();
    ApplyBarLayout();
    return FALSE;
}

static void OnDestroy(HWND)
{
    if (g_app.swatchBrush) {
        DeleteObject(g_app.swatchBrush);
        g_app.swatchBrush = nullptr;
    }
}

INT_PTR CALLBACK OptionsPageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_INITDIALOG:
        return OnInitDialog(page, reinterpret_cast<HWND>(wParam), lParam);
    case WM_COMMAND:
        OnCommand(page, GET_WM_COMMAND_ID(wParam, lParam), GET_WM_COMMAND_HWND(wParam, lParam),
                  GET_WM_COMMAND_CMD(wParam, lParam));
        return FALSE;
    case WM_CTLCOLORSTATIC:
        return reinterpret_cast<INT_PTR>(
            OnCtlColorStatic(page, reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam)));
    case WM_NOTIFY:
        if (reinterpret_cast<NMHDR*>(lParam)->code == PSN_APPLY)
            return OnApply(page);
        return FALSE;
    case WM_DESTROY:
        OnDestroy(page);
        return FALSE;
    }
    return FALSE;
}
