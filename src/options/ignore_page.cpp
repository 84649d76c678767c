#include "ignore_page.h"

#include <commctrl.h>
#include <commdlg.h>
#include <windowsx.h>

#include <cstdlib>
#include <cstring>

#include "../../res/resource.h"
#include "../config/ignore_list_store.h"
#include "options_sheet.h"
#include "sheet_libraries.h"
#include "ui_texts.h"

// Wide enough for a typical program path in the page's list.
const int kColumnWidth = 345;

static HWND ListOf(HWND page) { return GetDlgItem(page, IDC_IGNORE_LIST); }

static void InsertRow(HWND list, int index, const char* text)
{
    LVITEMA item = {};
    item.mask = LVIF_TEXT;
    item.iItem = index;
    item.iSubItem = 0;
    item.pszText = const_cast<char*>(text);
    SendMessageA(list, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
}

static int RowCount(HWND list) { return static_cast<int>(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0)); }

static BOOL OnInitDialog(HWND page, HWND, LPARAM initParam)
{
    KeepEdit(page, initParam);
    const OptionsEdit& edit = EditOf(page);
    HWND list = ListOf(page);
    LVCOLUMNA column = {};
    column.mask = LVCF_FMT | LVCF_WIDTH | LVCF_TEXT | LVCF_SUBITEM;
    column.fmt = LVCFMT_LEFT;
    column.cx = kColumnWidth;
    column.pszText = const_cast<char*>(UiTextsFor(edit.language).ignoreColumn);
    column.iSubItem = 0;
    SendMessageA(list, LVM_INSERTCOLUMNA, 0, reinterpret_cast<LPARAM>(&column));
    for (int i = 0; i < edit.ignore->count; ++i)
        InsertRow(list, i, edit.ignore->entries[i]);
    return TRUE;
}

static void OnAdd(HWND page)
{
    const UiTexts& texts = UiTextsFor(EditOf(page).language);
    char path[kPathBufferSize + 1] = {};
    OPENFILENAMEA ofn = {};
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = page;
    ofn.lpstrFilter = texts.openFilter;
    ofn.nFilterIndex = 0;
    ofn.lpstrFile = path;
    ofn.nMaxFile = kPathBufferSize;
    ofn.lpstrTitle = texts.openTitle;
    ofn.Flags = OFN_FILEMUSTEXIST;
    ofn.lpstrDefExt = "exe";
    if (SheetOpenFileName(&ofn) != 1)
        return;
    // Ignoring itself would be meaningless; the check is exact, so another
    // spelling of the same file gets through.
    char self[kPathBufferSize];
    const DWORD n = GetModuleFileNameA(nullptr, self, sizeof self);
    if (n > 0 && n < sizeof self && strcmp(path, self) == 0) {
        MessageBoxA(page, texts.cannotIgnoreSelf, kMessageCaption, MB_ICONERROR);
        return;
    }
    HWND list = ListOf(page);
    InsertRow(list, RowCount(list), path);
}

// Removes the first selected row; with several selected, each press removes one more.
static void OnDelete(HWND page)
{
    HWND list = ListOf(page);
    const int n = RowCount(list);
    for (int i = 0; i < n; ++i) {
        if (SendMessageA(list, LVM_GETITEMSTATE, static_cast<WPARAM>(i), LVIS_SELECTED)) {
            SendMessageA(list, LVM_DELETEITEM, static_cast<WPARAM>(i), 0);
            return;
        }
    }
}

static void OnCommand(HWND page, int id, HWND, UINT code)
{
    if (code != BN_CLICKED)
        return;
    if (id == IDC_IGNORE_ADD)
        OnAdd(page);
    else if (id == IDC_IGNORE_DELETE)
        OnDelete(page);
}

static void OnApply(HWND page)
{
    HWND list = ListOf(page);
    const int n = RowCount(list);
    char* rows = static_cast<char*>(malloc(static_cast<size_t>(n > 0 ? n : 1) * kPathBufferSize));
    const char** paths = static_cast<const char**>(malloc(sizeof(char*) * static_cast<size_t>(n > 0 ? n : 1)));
    if (!rows || !paths) {
        free(rows);
        free(paths);
        return;
    }
    for (int i = 0; i < n; ++i) {
        char* text = rows + static_cast<size_t>(i) * kPathBufferSize;
        text[0] = '\0';
        LVITEMA item = {};
        item.mask = LVIF_TEXT;
        item.iItem = i;
        item.iSubItem = 0;
        item.pszText = text;
        item.cchTextMax = kPathBufferSize;
        SendMessageA(list, LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item));
        paths[i] = text;
    }
    // A file that cannot be written keeps the rows in use until the program
    // ends, as the file would have given them back, and the user is told.
    OptionsEdit& edit = EditOf(page);
    if (SaveIgnoreList(paths, n)) {
        LoadIgnoreList(*edit.ignore);
    } else {
        IgnoreListFromPaths(paths, n, *edit.ignore);
        TellNotSaved(page, edit.language, UiTextsFor(edit.language).listNotSaved, IgnoreListFilePath);
    }
    free(rows);
    free(paths);
}

INT_PTR CALLBACK IgnorePageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_INITDIALOG:
        return HANDLE_WM_INITDIALOG(page, wParam, lParam, OnInitDialog);
    case WM_COMMAND:
        HANDLE_WM_COMMAND(page, wParam, lParam, OnCommand);
        return FALSE;
    case WM_NOTIFY:
        // The list is saved on OK and never refused.
        if (IsApplyNotice(lParam))
            OnApply(page);
        return FALSE;
    }
    return FALSE;
}
