// The Options, Ignore and Keys pages against real dialog controls: what they
// show for stored values, and what pressing OK writes and registers.
#include <windows.h>
#include <commctrl.h>

#include <doctest/doctest.h>

#include <string>
#include <vector>

#include "config/hot_key.h"
#include "config/ignore_list_store.h"
#include "options/ignore_page.h"
#include "options/keys_page.h"
#include "options/options_page.h"
#include "options/options_sheet.h"
#include "resource.h"
#include "bars/edge_keys.h"
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

int CountSave()
{
    ++g_savedCount;
    return 0;
}

struct PageFixture {
    HWND parent = nullptr;
    HWND page = nullptr;
    ScreenSize screen = {1024, 768};
    Settings settings = {1, 0, 0, 0, 2, 0, 255, 255, 0, 0, 2};
    IgnoreList ignore = {};
    OptionsEdit edit = {GetModuleHandleA(nullptr), nullptr, LanguageEnglish, &screen, {}, &settings, &ignore, CountSave, {}};
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
    CHECK(IsDlgButtonChecked(page, IDC_EVERY_SCREEN_CHECK) == BST_UNCHECKED);
    CHECK(Text(IDC_HOVER_EDIT) == "off");
    CHECK(SwatchColour() == RGB(44, 255, 0));

    CHECK(Apply() == 0);
    CHECK(g_boxCount == 0);
    // Left unchecked, every screen and the rest leave no line, as for a user who never saw them.
    CHECK(Ini().find("EveryScreen") == std::string::npos);
    CHECK(Ini().find("HoverDelay") == std::string::npos);
    CheckDlgButton(page, IDC_EVERY_SCREEN_CHECK, BST_CHECKED);
    // The rest's arrow steps by a tenth of a second from off.
    SendDlgItemMessageA(page, IDC_HOVER_SPIN, WM_KEYDOWN, VK_UP, 0);
    SendDlgItemMessageA(page, IDC_HOVER_SPIN, WM_KEYDOWN, VK_UP, 0);
    CHECK(Text(IDC_HOVER_EDIT) == "200 ms");
    CHECK(Apply() == 0);
    CHECK(settings.everyScreen == 1);
    CHECK(settings.hoverDelay == 200);
    const std::string ini = Ini();
    CHECK(ini.find("EveryScreen=1") != std::string::npos);
    CHECK(ini.find("HoverDelay=200") != std::string::npos);
    for (const char* line : {"Left=1", "Right=0", "Top=1", "Bottom=0", "Width=3", "Alpha=40", "Offset=383",
                             "OpenWidth=10", "Color=44,255,0"}) {
        CAPTURE(line);
        CHECK(ini.find(line) != std::string::npos);
    }
    // What was written went back through the load rules, and the caller heard of it.
    CHECK(settings.offset == 383);
    CHECK(settings.red == 44);
    CHECK(g_savedCount == 2);  // once for each OK
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
    CHECK(Text(IDC_HOVER_EDIT) == "オフ");
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

    // One row is selected at a time, as in the Japanese list: the last one
    // chosen, which Delete removes.
    LVITEMA state = {};
    state.stateMask = LVIS_SELECTED;
    state.state = LVIS_SELECTED;
    for (int i : {1, 2, 3})
        SendMessageA(list, LVM_SETITEMSTATE, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&state));
    CHECK(SendMessageA(list, LVM_GETSELECTEDCOUNT, 0, 0) == 1);
    SendMessageA(page, WM_COMMAND, MAKEWPARAM(IDC_IGNORE_DELETE, 0), 0);
    CHECK(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0) == 3);

    CHECK(Apply() == 0);
    std::string bytes;
    REQUIRE(ReadFileBytes(kList, bytes));
    CHECK(bytes == "C:\\a.exe\r\n\r\nC:\\b.exe\r\n");
    REQUIRE(ignore.count == 3);
    CHECK(std::string(ignore.entries[2]) == "C:\\b.exe");
}

namespace {
HWND s_keysWindow;
const Settings* s_keysSettings;
}

TEST_CASE_FIXTURE(PageFixture, "keys are had for edges with a bar, a key another program holds is named on OK, "
                               "and every key is given back")
{
    const int ctrlAlt = kHotKeyControl | kHotKeyAlt;
    HWND holder = CreateWindowExA(0, "STATIC", "holder", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
    HWND main = CreateWindowExA(0, "STATIC", "main", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
    REQUIRE(RegisterHotKey(holder, 1, MOD_CONTROL | MOD_ALT, 'B'));
    settings.bottom = 1;
    settings.leftKey = MakeHotKey(ctrlAlt, 'L');
    settings.topKey = MakeHotKey(ctrlAlt, 'T');
    settings.bottomKey = MakeHotKey(ctrlAlt, 'B');
    CHECK(RegisterEdgeKeys(main, settings) == 1 << EdgeBottom);
    CHECK_FALSE(RegisterHotKey(holder, 2, MOD_CONTROL | MOD_ALT, 'L'));
    CHECK(GetLastError() == ERROR_HOTKEY_ALREADY_REGISTERED);
    CHECK(RegisterHotKey(holder, 3, MOD_CONTROL | MOD_ALT, 'T'));  // the Top edge has no bar
    UnregisterHotKey(holder, 3);
    // Registered again after OK, the old key is given up for the new one.
    settings.leftKey = MakeHotKey(ctrlAlt, 'M');
    CHECK(RegisterEdgeKeys(main, settings) == 1 << EdgeBottom);
    CHECK(RegisterHotKey(holder, 4, MOD_CONTROL | MOD_ALT, 'L'));
    CHECK_FALSE(RegisterHotKey(holder, 5, MOD_CONTROL | MOD_ALT, 'M'));
    ReleaseEdgeKeys(main);
    CHECK(RegisterHotKey(holder, 6, MOD_CONTROL | MOD_ALT, 'M'));
    UnregisterHotKey(holder, 4);
    UnregisterHotKey(holder, 6);

    // OK registers the keys it has just saved, as the program does: the one
    // the holder keeps is named.
    s_keysWindow = main;
    s_keysSettings = &settings;
    edit.settingsSaved = [] { return RegisterEdgeKeys(s_keysWindow, *s_keysSettings); };
    Open(IDD_OPTIONS_ENGLISH, OptionsPageProc);
    CHECK(Apply() == 0);
    ReleaseEdgeKeys(main);
    DestroyWindow(main);
    DestroyWindow(holder);
    CHECK(g_boxText == "Sashlet|Another program already uses this key, so it does not wipe its edge:\r\n"
                       "    Ctrl+Alt+B (Bottom)\r\n\r\nThe other settings have been applied. Choose another key on the "
                       "Keys page, or close the program that holds it and press OK again.");
    const std::string ini = Ini();
    CHECK(ini.find("\r\nLeftKey=Ctrl+Alt+M\r\n") != std::string::npos);
    CHECK(ini.find("\r\nBottomKey=Ctrl+Alt+B\r\n") != std::string::npos);
}

TEST_CASE_FIXTURE(PageFixture, "the Keys page shows the keys, and refuses to be left with a key set twice")
{
    edit.language = LanguageJapanese;
    edit.pendingKeys[EdgeLeft] = ParseHotKey("Ctrl+Alt+Left");
    edit.pendingKeys[EdgeTop] = ParseHotKey("Win+Shift+F5");
    // Another program holds the Left edge's key: the page marks it taken.
    HWND holder = CreateWindowExA(0, "STATIC", "holder", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
    HWND main = CreateWindowExA(0, "STATIC", "main", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
    REQUIRE(RegisterHotKey(holder, 1, MOD_CONTROL | MOD_ALT, VK_LEFT));
    settings.top = 1;
    settings.leftKey = edit.pendingKeys[EdgeLeft];
    settings.topKey = edit.pendingKeys[EdgeTop];
    edit.keysTaken = RegisterEdgeKeys(main, settings);
    ReleaseEdgeKeys(main);
    DestroyWindow(main);
    DestroyWindow(holder);
    Open(IDD_KEYS_JAPANESE, KeysPageProc);
    const auto marked = [&](int id) { return (GetWindowLongA(GetDlgItem(page, id), GWL_STYLE) & WS_VISIBLE) != 0; };
    CHECK(marked(IDC_LEFT_KEY_TAKEN));
    CHECK_FALSE(marked(IDC_TOP_KEY_TAKEN));
    CHECK_FALSE(marked(IDC_RIGHT_KEY_TAKEN));
    CHECK(SendDlgItemMessageA(page, IDC_LEFT_KEY, HKM_GETHOTKEY, 0, 0) ==
          MAKEWORD(VK_LEFT, HOTKEYF_CONTROL | HOTKEYF_ALT | HOTKEYF_EXT));
    CHECK(SendDlgItemMessageA(page, IDC_TOP_KEY, HKM_GETHOTKEY, 0, 0) == MAKEWORD(VK_F5, HOTKEYF_SHIFT));
    CHECK(IsDlgButtonChecked(page, IDC_TOP_KEY_WIN) == BST_CHECKED);
    CHECK(IsDlgButtonChecked(page, IDC_LEFT_KEY_WIN) == BST_UNCHECKED);

    const auto leave = [&] {
        PSHNOTIFY n = {};
        n.hdr.hwndFrom = parent;
        n.hdr.code = PSN_KILLACTIVE;
        SetTimer(nullptr, 0, 50, AnswerBox);
        SendMessageA(page, WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&n));
        return GetWindowLongPtrA(page, DWLP_MSGRESULT);
    };
    SendDlgItemMessageA(page, IDC_RIGHT_KEY, HKM_SETHOTKEY, MAKEWORD(VK_LEFT, HOTKEYF_CONTROL | HOTKEYF_ALT), 0);
    CHECK(leave() == TRUE);
    CHECK(g_boxText.rfind("Sashlet|キーには Ctrl、Alt、Win", 0) == 0);
    CHECK(edit.pendingKeys[EdgeRight] == 0);
    // Clear empties the box and its Win box; then the page may be left, and its keys are the sheet's.
    SendMessageA(page, WM_COMMAND, MAKEWPARAM(IDC_RIGHT_KEY_CLEAR, BN_CLICKED), 0);
    CHECK(SendDlgItemMessageA(page, IDC_RIGHT_KEY, HKM_GETHOTKEY, 0, 0) == 0);
    SendDlgItemMessageA(page, IDC_BOTTOM_KEY, HKM_SETHOTKEY, MAKEWORD('D', 0), 0);
    CheckDlgButton(page, IDC_BOTTOM_KEY_WIN, BST_CHECKED);
    CHECK(leave() == FALSE);
    CHECK(edit.pendingKeys[EdgeLeft] == ParseHotKey("Ctrl+Alt+Left"));
    CHECK(edit.pendingKeys[EdgeRight] == 0);
    CHECK(edit.pendingKeys[EdgeBottom] == ParseHotKey("Win+D"));
}
