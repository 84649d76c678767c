// Objects the bars and the options page create are released or reused, so
// weeks of use do not pile them up.
#include <windows.h>
#include <commctrl.h>

#include <doctest/doctest.h>

#include "app/app_state.h"
#include "app/bar_window.h"
#include "options/options_page.h"
#include "options/options_sheet.h"
#include "resource.h"
#include "test_windows.h"

namespace {
// Four bars of the program's own window procedure, which keeps the cursors.
struct Bars : WipeScene {
    Bars()
    {
        g_app.instance = GetModuleHandleA(nullptr);
        WNDCLASSA wc = {};
        wc.style = CS_DBLCLKS;
        wc.lpfnWndProc = SashletWindowProc;
        wc.hInstance = g_app.instance;
        wc.lpszClassName = "SashletResourceTestBar";
        RegisterClassA(&wc);
        wipe.mainWindow = CreateWindowExA(0, wc.lpszClassName, "main", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                                          g_app.instance, nullptr);
        wipe.screen = ScreenSize{1024, 768};
        settings = Settings{1, 1, 1, 1, 2, 0, 255, 255, 0, 0, 2};
        ApplySettingsToBars(wipe, KeepForeground);
        // The window procedure finds its bars, and the settings they follow, in the program's state.
        g_app.wipe.bars = wipe.bars;
        g_app.wipe.settings = &settings;
    }
    ~Bars()
    {
        g_app.wipe.bars = BarList{};
        g_app.wipe.settings = nullptr;
        for (const Bar& bar : wipe.bars)
            DestroyWindow(bar.window);
        DestroyWindow(wipe.mainWindow);
    }
    HWND TopBar() { return BarAt(wipe.bars, 0, EdgeTop)->window; }
};
}

TEST_CASE_FIXTURE(Bars, "each layout frees the brush of the one before")
{
    ApplySettingsToBars(wipe, ActivateBars);
    for (int i = 0; i < 1000; ++i) {
        HBRUSH before = wipe.barBrush;
        settings.red = i;
        ApplySettingsToBars(wipe, ActivateBars);
        REQUIRE(wipe.barBrush != nullptr);
        REQUIRE(GetObjectType(before) == 0);
    }
    CHECK(GetObjectType(wipe.barBrush) == OBJ_BRUSH);
}

TEST_CASE_FIXTURE(Bars, "the direction cursors are loaded once")
{
    for (HCURSOR& c : g_app.cursors.byEdge)
        c = nullptr;
    SendMessageA(TopBar(), WM_MOUSEMOVE, 0, MAKELPARAM(1, 1));
    HCURSOR first = g_app.cursors.byEdge[EdgeTop];
    REQUIRE(first != nullptr);
    for (int i = 0; i < 1000; ++i)
        SendMessageA(TopBar(), WM_MOUSEMOVE, 0, MAKELPARAM(1, 1));
    CHECK(g_app.cursors.byEdge[EdgeTop] == first);
    CHECK(g_app.cursors.byEdge[EdgeLeft] == nullptr);
}

TEST_CASE("the swatch brush goes with the page")
{
    ScreenSize screen = {1024, 768};
    Settings settings = {1, 0, 0, 0, 2, 0, 10, 20, 30, 0, 2};
    IgnoreList ignore = {};
    OptionsEdit edit = {GetModuleHandleA(nullptr), nullptr, LanguageEnglish, &screen, {}, &settings, &ignore, nullptr, {}};
    PROPSHEETPAGEA sheetPage = {};
    sheetPage.dwSize = sizeof sheetPage;
    sheetPage.lParam = reinterpret_cast<LPARAM>(&edit);
    INITCOMMONCONTROLSEX icc = {sizeof icc, ICC_WIN95_CLASSES};
    InitCommonControlsEx(&icc);
    HWND parent = CreateWindowExA(0, "STATIC", "sheet", WS_POPUP | WS_VISIBLE, 0, 0, 600, 400, nullptr, nullptr,
                                  nullptr, nullptr);
    for (int i = 0; i < 200; ++i) {
        HWND page = CreateDialogParamA(edit.instance, MAKEINTRESOURCEA(IDD_OPTIONS_ENGLISH), parent, OptionsPageProc,
                                       reinterpret_cast<LPARAM>(&sheetPage));
        REQUIRE(page);
        ShowWindow(page, SW_SHOW);
        UpdateWindow(page);
        // Asking for the swatch's colours hands back the brush it paints with.
        HWND control = GetDlgItem(page, IDC_COLOR_SWATCH);
        HDC dc = GetDC(control);
        const HBRUSH swatch = reinterpret_cast<HBRUSH>(
            SendMessageA(page, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(control)));
        ReleaseDC(control, dc);
        REQUIRE(GetObjectType(swatch) == OBJ_BRUSH);
        DestroyWindow(page);
        REQUIRE(GetObjectType(swatch) == 0);
    }
    DestroyWindow(parent);
}
