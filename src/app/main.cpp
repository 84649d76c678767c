// Entry point: hand-over from a running copy, the windows a killed copy left
// pushed, the window class, the hidden main window and the bars, the
// message loop, and every window home before the end.
#include <windows.h>

#include "../bars/edge_keys.h"
#include "../config/ignore_list_store.h"
#include "../config/settings_store.h"
#include "../desktop/monitors.h"
#include "../options/ui_texts.h"
#include "../processes/running_copies.h"
#include "../processes/system_library.h"
#include "../wipe/moved_file_store.h"
#include "../wipe/wipe_engine.h"
#include "app_state.h"
#include "bar_window.h"

// A copy that has ended its loop still sends its windows home, waiting a
// bounded time for their programs, before its process ends.
const DWORD kRunningCopyEndWait = kMovesLandWait + 3000;

// A copy that holds its turn at starting longer than this is frozen.
const DWORD kStartUpTurnWait = 5000;

static bool RegisterBarClass(HINSTANCE instance)
{
    WNDCLASSA wc = {};
    wc.style = CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS;
    wc.lpfnWndProc = SashletWindowProc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    wc.lpszClassName = kWindowClassName;
    return RegisterClassA(&wc) != 0;
}

// The main window, never shown, owns the bars and carries the drag-hover
// timers. Without it there is nothing to show bars from: the start ends.
static bool CreateMainWindow(WipeSession& wipe)
{
    wipe.mainWindow = CreateWindowExA(0, kWindowClassName, kMainWindowTitle, WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                                      g_app.instance, nullptr);
    return wipe.mainWindow != nullptr;
}

int WINAPI WinMain(HINSTANCE instance, HINSTANCE previous, LPSTR, int)
{
    NarrowLibrarySearch();
    HANDLE turn = TakeStartUpTurn(kStartUpTurnWait);
    HandOverFromRunningCopies(kWindowClassName, kMainWindowTitle, kRunningCopyEndWait);
    // A copy killed or crashed mid-wipe left its record behind.
    PutHomeWindowsLeftPushed(kMovesLandWait);
    if (!previous && !RegisterBarClass(instance)) {
        GiveUpStartUpTurn(turn);
        return 0;
    }
    g_app.instance = instance;
    WipeSession& wipe = g_app.wipe;
    wipe.screen = PrimaryScreenSize();
    wipe.settings = &g_app.settings;
    wipe.ignore = &g_app.ignore;
    wipe.timers = WipeCallbacks{DragHoverTimer, DragConfirmTimer, RestoreWatchTimer, ButtonWatchHook, RestTimer};
    wipe.requestForeground = SetForegroundWindow;
    wipe.keepsMovedFile = true;
    ClearMovedWindowTable(wipe.moved);
    LoadIgnoreList(g_app.ignore);
    g_app.language = UserLanguage();
    LoadSettings(wipe.screen, g_app.settings);
    FindMonitors(wipe.monitors);
    if (!CreateMainWindow(wipe)) {
        ClearIgnoreList(g_app.ignore);
        GiveUpStartUpTurn(turn);
        return 0;
    }
    // Each monitor's bars where the settings put them at rest, the primary's
    // first, those of the enabled edges shown.
    ApplySettingsToBars(wipe, ActivateBars);
    // A key another program holds is skipped without a word: a start from the
    // Startup folder must never stop at a message box.
    g_app.keysTaken = RegisterEdgeKeys(wipe.mainWindow, g_app.settings);
    StartDragHoverPoll(wipe);
    GiveUpStartUpTurn(turn);

    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    ReleaseEdgeKeys(wipe.mainWindow);
    EndWipeBeforeLeaving(wipe);
    ClearIgnoreList(g_app.ignore);
    return static_cast<int>(msg.wParam);
}
