// The Options and Ignore pages against real dialog controls: what they show
// for stored values, and what pressing OK writes.
#include <windows.h>
#include <commctrl.h>

#include <doctest/doctest.h>

#include <string>
#include <vector>

#include "config/ignore_list_store.h"
#include "options/ignore_page.h"
#include "options/options_page.h"
#include "options/options_sheet.h"
#include "resource.h"
#include "test_files.h"

namespace {
const std::string kIni = BesideExe("Sashlet.ini");
const std::string kList = BesideExe("ignore.lst");

// Answers the first message box the page shows, remembering its text.
std::string g_boxText;
int g_boxCount;

BOOL CALLBACK FindBox(HWND w, LPARAM found)
{
    char cls[32];
    GetClassNameA(w, cls, sizeof cls);
    if (strcmp(cls, "#32770") == 0 && IsWindowVisible(w) && GetDlgItem(w, 0xFFFF)) {
        *reinterpret_cast<HWND*>(found) = w;
        return FALSE;
    }
    return TRUE;
}

void CALLBACK AnswerBox(HWND, UINT, UINT_PTR id, DWORD)
{
    HWND box = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), FindBox, reinterpret_cast<LPARAM>(&box));
    if (!box)
        return;
    char text[1024] = "", caption[64] = "";
    GetDlgItemTextA(box, 0xFFFF, text, sizeof text);
    GetWindowTextA(box, caption, sizeof caption);
    g_boxText = std::string(caption) + "|" + text;
    ++g_boxCount;
    KillTimer(nullptr, id);
    PostMessageA(box, WM_COMMAND, IDOK, 0);
}

int g_savedCount;

void CountSave() { ++g_savedCount; }

struct PageFixture {
    HWND parent = nullptr;
    HWND page = nullptr;
    ScreenSize screen = {1024, 768};
    Settings settings = {1, 0, 0, 0, 2, 0, 255, 255, 0, 0, 2};
    IgnoreList ignore = {};
    OptionsEdit edit = {GetModuleHandleA(nullptr), nullptr, LanguageEnglish, &screen, &settings, &ignore, CountSave};
    PROPSHEETPAGEA sheetPage = {};

    PageFixture()
    {
        RemoveFile(kIni);
        RemoveFile(kList);
        g_savedCount = 0;
        g_boxText.clear();
        g_boxCount = 0;
        INITCOMMONCONTROLSEX icc = {sizeof icc, ICC_WIN95_CLASSES};
        InitCommonControlsEx(&icc);
        parent = CreateWindowExA(0, "STATIC", "sheet", WS_POPUP, 0, 0, 600, 400, nullptr, nullptr, nullptr, nullptr);
    }

    ~PageFixture()
    {
        if (page)
            DestroyWindow(page);
        DestroyWindow(parent);
        ClearIgnoreList(ignore);
        RemoveFile(kIni);
        RemoveFile(kList);
    }

    void Open(int templateId, DLGPROC proc)
    {
        sheetPage.dwSize = sizeof sheetPage;
        sheetPage.lParam = reinterpret_cast<LPARAM>(&edit);
        page = CreateDialogParamA(edit.instance, MAKEINTRESOURCEA(templateId), parent, proc,
                                  reinterpret_cast<LPARAM>(&sheetPage));
        REQUIRE(page != nullptr);
    }

    std::string Text(int id)
    {
        char text[64] = "";
        GetDlgItemTextA(page, id, text, sizeof text);
        return text;
    }

    LONG_PTR Apply()
    {
        PSHNOTIFY n = {};
        n.hdr.hwndFrom = parent;
        n.hdr.code = PSN_APPLY;
        SetTimer(nullptr, 0, 50, AnswerBox);
        const LRESULT handled = SendMessageA(page, WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&n));
        return handled ? GetWindowLongPtrA(page, DWLP_MSGRESULT) : 0;
    }

    // The colour the swatch paints with, as the page hands it its brush.
    COLORREF SwatchColour()
    {
        HWND swatch = GetDlgItem(page, IDC_COLOR_SWATCH);
        HDC dc = GetDC(swatch);
        const HBRUSH brush = reinterpret_cast<HBRUSH>(
            SendMessageA(page, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(swatch)));
        ReleaseDC(swatch, dc);
        LOGBRUSH lb = {};
        REQUIRE(GetObjectA(brush, sizeof lb, &lb) == sizeof lb);
        return lb.lbColor;
    }

    std::string Ini()
    {
        std::string bytes;
        ReadFileBytes(kIni, bytes);
        return bytes;
    }
};
}

TEST_CASE_FIXTURE(PageFixture, "the Options page shows stored values brought into the controls' ranges")
{
    settings = Settings{5, 0, 1, 0, 3, 40, 300, -1, 0, 384, 50};
    Open(IDD_OPTIONS_ENGLISH, OptionsPageProc);
    CHECK(Text(IDC_WIDTH_EDIT) == "3");
    CHECK(Text(IDC_ALPHA_EDIT) == "40");
    CHECK(Text(IDC_OFFSET_EDIT) == "383");
    CHECK(Text(IDC_OPEN_WIDTH_EDIT) == "10");
    CHECK(IsDlgButtonChecked(page, IDC_LEFT_CHECK) == BST_CHECKED);
    CHECK(IsDlgButtonChecked(page, IDC_RIGHT_CHECK) == BST_UNCHECKED);
    CHECK(IsDlgButtonChecked(page, IDC_TOP_CHECK) == BST_CHECKED);
    CHECK(SwatchColour() == RGB(44, 255, 0));

    CHECK(Apply() == 0);
    CHECK(g_boxCount == 0);
    const std::string ini = Ini();
    for (const char* line : {"Left=1", "Right=0", "Top=1", "Bottom=0", "Width=3", "Alpha=40", "Offset=383",
                             "OpenWidth=10", "Color=44,255,0"}) {
        CAPTURE(line);
        CHECK(ini.find(line) != std::string::npos);
    }
    // What was written went back through the load rules, and the caller heard of it.
    CHECK(settings.offset == 383);
    CHECK(settings.red == 44);
    CHECK(g_savedCount == 1);
}

TEST_CASE_FIXTURE(PageFixture, "a negative value read from the file shows, and is stored, clamped")
{
    settings.openWidth = -1;
    settings.width = 1;
    Open(IDD_OPTIONS_ENGLISH, OptionsPageProc);
    CHECK(Text(IDC_OPEN_WIDTH_EDIT) == "0");
    CHECK(Apply() == 0);
    CHECK(Ini().find("OpenWidth=0") != std::string::npos);
}

TEST_CASE_FIXTURE(PageFixture, "OK with no edge checked is refused with a message and writes nothing")
{
    WriteFileBytes(kIni, "[Sashlet]\r\nWidth=4\r\n");
    Open(IDD_OPTIONS_ENGLISH, OptionsPageProc);
    CheckDlgButton(page, IDC_LEFT_CHECK, BST_UNCHECKED);
    SendDlgItemMessageA(page, IDC_WIDTH_SPIN, UDM_SETPOS32, 0, 9);
    const Settings before = settings;
    CHECK(Apply() == PSNRET_INVALID_NOCHANGEPAGE);
    CHECK(g_boxCount == 1);
    CHECK(g_boxText == "Sashlet|Check edges more than one.");
    CHECK(Ini() == "[Sashlet]\r\nWidth=4\r\n");
    CHECK(settings.width == before.width);
    CHECK(settings.left == before.left);
    CHECK(g_savedCount == 0);
}

TEST_CASE_FIXTURE(PageFixture, "the Japanese page refuses in Japanese")
{
    edit.language = LanguageJapanese;
    Open(IDD_OPTIONS_JAPANESE, OptionsPageProc);
    CheckDlgButton(page, IDC_LEFT_CHECK, BST_UNCHECKED);
    CHECK(Apply() == PSNRET_INVALID_NOCHANGEPAGE);
    CHECK(g_boxText == "Sashlet|場所は上下左右のどれかにチェックを入れてください");
    CHECK_FALSE(FileExists(kIni));
}

TEST_CASE_FIXTURE(PageFixture, "a file OK cannot write is named in the sheet's language, and what OK took stays in use")
{
    WriteFileBytes(kIni, "[Sashlet]\r\nWidth=4\r\n");
    SetFileAttributesA(kIni.c_str(), FILE_ATTRIBUTE_READONLY);
    edit.language = LanguageJapanese;
    Open(IDD_OPTIONS_JAPANESE, OptionsPageProc);
    SendDlgItemMessageA(page, IDC_WIDTH_SPIN, UDM_SETPOS32, 0, 9);
    CHECK(Apply() == 0);
    CHECK(g_boxText.rfind("Sashlet|設定を次のファイルに保存できませんでした：\r\n\r\n" + kIni + "\r\n\r\n変更は", 0) == 0);
    CHECK(Ini() == "[Sashlet]\r\nWidth=4\r\n");
    CHECK(settings.width == 9);
    CHECK(g_savedCount == 1);

    DestroyWindow(page);
    WriteFileBytes(kList, "C:\\a.exe\r\nC:\\b.exe\r\n");
    SetFileAttributesA(kList.c_str(), FILE_ATTRIBUTE_READONLY);
    LoadIgnoreList(ignore);
    edit.language = LanguageEnglish;
    Open(IDD_IGNORE_ENGLISH, IgnorePageProc);
    HWND list = GetDlgItem(page, IDC_IGNORE_LIST);
    LVITEMA state = {};
    state.stateMask = state.state = LVIS_SELECTED;
    SendMessageA(list, LVM_SETITEMSTATE, 0, reinterpret_cast<LPARAM>(&state));
    SendMessageA(page, WM_COMMAND, MAKEWPARAM(IDC_IGNORE_DELETE, 0), 0);
    CHECK(Apply() == 0);
    CHECK(g_boxText.rfind("Sashlet|Sashlet could not save the ignore list to this file:\r\n\r\n" + kList, 0) == 0);
    std::string bytes;
    REQUIRE(ReadFileBytes(kList, bytes));
    CHECK(bytes == "C:\\a.exe\r\nC:\\b.exe\r\n");
    REQUIRE(ignore.count == 1);
    CHECK(std::string(ignore.entries[0]) == "C:\\b.exe");
}

TEST_CASE_FIXTURE(PageFixture, "the Ignore page lists, deletes and writes its rows")
{
    WriteFileBytes(kList, "C:\\a.exe\r\n\r\nC:\\b.exe\r\nC:\\c.exe\r\n");
    LoadIgnoreList(ignore);
    Open(IDD_IGNORE_ENGLISH, IgnorePageProc);
    HWND list = GetDlgItem(page, IDC_IGNORE_LIST);
    REQUIRE(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0) == 4);

    SendMessageA(page, WM_COMMAND, MAKEWPARAM(IDC_IGNORE_DELETE, 0), 0);  // nothing selected
    CHECK(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0) == 4);

    // Three selected: one press removes only the topmost of them.
    LVITEMA state = {};
    state.stateMask = LVIS_SELECTED;
    state.state = LVIS_SELECTED;
    for (int i : {1, 2, 3})
        SendMessageA(list, LVM_SETITEMSTATE, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&state));
    SendMessageA(page, WM_COMMAND, MAKEWPARAM(IDC_IGNORE_DELETE, 0), 0);
    CHECK(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0) == 3);

    CHECK(Apply() == 0);
    std::string bytes;
    REQUIRE(ReadFileBytes(kList, bytes));
    CHECK(bytes == "C:\\a.exe\r\nC:\\b.exe\r\nC:\\c.exe\r\n");
    REQUIRE(ignore.count == 3);
    CHECK(std::string(ignore.entries[1]) == "C:\\b.exe");
}
