#include "keys_page.h"

#include <commctrl.h>
#include <windowsx.h>

#include "../config/edges.h"
#include "../config/hot_key.h"
#include "options_sheet.h"
#include "ui_texts.h"

// The hot-key control knows Shift, Ctrl and Alt, and marks the keys of the
// extended block (arrows, Home, End and the like) so that it names them
// apart from the number pad's; Win has a box of its own beside it.
static bool IsExtendedKey(int vk)
{
    return (vk >= VK_PRIOR && vk <= VK_DOWN) || vk == VK_INSERT || vk == VK_DELETE || vk == VK_DIVIDE;
}

// How the control's flags stand for the modifiers it knows.
struct ControlModifier {
    int modifier;
    BYTE flag;
};

static const ControlModifier kControlModifiers[] = {
    {kHotKeyShift, HOTKEYF_SHIFT}, {kHotKeyControl, HOTKEYF_CONTROL}, {kHotKeyAlt, HOTKEYF_ALT}};

static WORD ControlValueOf(int key)
{
    const int vk = HotKeyVirtualKey(key);
    BYTE flags = IsExtendedKey(vk) ? HOTKEYF_EXT : 0;
    for (const ControlModifier& m : kControlModifiers)
        if (HotKeyModifiers(key) & m.modifier)
            flags |= m.flag;
    return MAKEWORD(vk, flags);
}

static int KeyOfControl(WORD value, bool win)
{
    const BYTE vk = LOBYTE(value), flags = HIBYTE(value);
    if (!vk)
        return 0;
    int modifiers = win ? kHotKeyWin : 0;
    for (const ControlModifier& m : kControlModifiers)
        if (flags & m.flag)
            modifiers |= m.modifier;
    return MakeHotKey(modifiers, vk);
}

static BOOL OnInitDialog(HWND page, HWND, LPARAM initParam)
{
    KeepEdit(page, initParam);
    const OptionsEdit& edit = EditOf(page);
    for (int e = 0; e < EdgeCount; ++e) {
        const int key = edit.pendingKeys[e];
        SendDlgItemMessageA(page, kEdges[e].hotKeyId, HKM_SETHOTKEY, ControlValueOf(key), 0);
        const bool win = (HotKeyModifiers(key) & kHotKeyWin) != 0;
        CheckDlgButton(page, kEdges[e].winCheckBoxId, win ? BST_CHECKED : BST_UNCHECKED);
        ShowWindow(GetDlgItem(page, kEdges[e].takenMarkId), (edit.keysTaken & (1 << e)) ? SW_SHOW : SW_HIDE);
    }
    return TRUE;
}

// Each key must be one the user can spare, and each edge's its own; until
// then the page keeps the sheet, whichever way the user tries to leave it.
static INT_PTR OnKillActive(HWND page)
{
    OptionsEdit& edit = EditOf(page);
    int keys[EdgeCount];
    bool fine = true;
    for (int e = 0; e < EdgeCount; ++e) {
        const WORD value = static_cast<WORD>(SendDlgItemMessageA(page, kEdges[e].hotKeyId, HKM_GETHOTKEY, 0, 0));
        keys[e] = KeyOfControl(value, IsDlgButtonChecked(page, kEdges[e].winCheckBoxId) == BST_CHECKED);
        fine = fine && (keys[e] == 0 || IsUsableHotKey(keys[e]));
        for (int before = 0; before < e; ++before)
            fine = fine && (keys[e] == 0 || keys[e] != keys[before]);
    }
    if (!fine) {
        MessageBoxA(page, UiTextsFor(edit.language).keysRefused, kMessageCaption, MB_ICONERROR);
        SetWindowLongPtrA(page, DWLP_MSGRESULT, TRUE);
        return TRUE;
    }
    for (int e = 0; e < EdgeCount; ++e)
        edit.pendingKeys[e] = keys[e];
    SetWindowLongPtrA(page, DWLP_MSGRESULT, FALSE);
    return TRUE;
}

// The hot-key control takes Backspace and Delete as keys a hot key may not
// use, so clearing one has a button of its own.
static void OnCommand(HWND page, int id, HWND, UINT code)
{
    for (const EdgeFacts& edge : kEdges) {
        if (id == edge.clearButtonId && code == BN_CLICKED) {
            SendDlgItemMessageA(page, edge.hotKeyId, HKM_SETHOTKEY, 0, 0);
            CheckDlgButton(page, edge.winCheckBoxId, BST_UNCHECKED);
            SetFocus(GetDlgItem(page, edge.hotKeyId));
        }
    }
}

INT_PTR CALLBACK KeysPageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_INITDIALOG:
        return HANDLE_WM_INITDIALOG(page, wParam, lParam, OnInitDialog);
    case WM_COMMAND:
        HANDLE_WM_COMMAND(page, wParam, lParam, OnCommand);
        return FALSE;
    case WM_NOTIFY:
        return reinterpret_cast<const NMHDR*>(lParam)->code == PSN_KILLACTIVE ? OnKillActive(page) : FALSE;
    }
    return FALSE;
}
