// Entry point: hand-over from a running copy, the windows a killed copy left
// pushed, the window class, the hidden main window and the bars, the
// message loop, and every window home before the end.
#include <windows.h>
#include <cstring>

#include "../config/ignore_list_store.h"
#include "../config/settings_store.h"
#include "../processes/system_library.h"
#include "../wipe/edge_keys.h"
#include "../wipe/moved_file_store.h"
#include "../wipe/wipe_engine.h"
#include "../wipe/window_facts.h"
#include "app_state.h"
#include "bar_window.h"

// The English name of a locale's language fits easily.
const int kLanguageNameSize = 64;

// A running copy that answers within this time has ended its loop; one that
// does not is left behind rather than hanging this start too.
const UINT kHandOverTimeout = 2000;

// A copy that has ended its loop still sends its windows home, waiting a
// bounded time for their programs, before its process ends.
const DWORD kRunningCopyEndWait = kMovesLandWait + 3000;

// Copies started at once take turns from the search for a running copy until
// their bars stand, so the last one ends every other. A copy that holds
// its turn longer than this is frozen; the next one goes ahead without it.
const char* const kStartUpTurn = "SashletStartUp";
const DWORD kStartUpTurnWait = 5000;

static HANDLE TakeStartUpTurn()
{
    HANDLE turn = CreateMutexA(nullptr, FALSE, kStartUpTurn);
    if (turn && WaitForSingleObject(turn, kStartUpTurnWait) == WAIT_TIMEOUT) {
        CloseHandle(turn);
        return nullptr;
    }
    return turn;
}

static void GiveUpStartUpTurn(HANDLE turn)
{
    if (!turn)
        return;
    ReleaseMutex(turn);
    CloseHandle(turn);
}

// A later copy takes over: every running one ends its loop before the
// message is answered. WM_DESTROY is used rather than WM_CLOSE because every
// window of the class treats it as the quit request without being destroyed.
// A sent message that times out is withdrawn, so a copy that has stopped
// responding finds the request posted instead and quits once it recovers.
// Each copy's main window is asked, so that one that was itself just ending
// cannot hide another. This copy's bars come up only once every copy that
// answered has ended, its windows home, so that no wipe of ours takes a
// window still on its way back for one at home.
static void HandOverFromRunningCopies()
{
    HANDLE ending[MAXIMUM_WAIT_OBJECTS];
    DWORD count = 0;
    for (HWND running = FindWindowExA(nullptr, nullptr, kWindowClassName, kMainWindowTitle); running;
         running = FindWindowExA(nullptr, running, kWindowClassName, kMainWindowTitle)) {
        DWORD processId = 0;
        GetWindowThreadProcessId(running, &processId);
        HANDLE process = count < MAXIMUM_WAIT_OBJECTS ? OpenProcess(SYNCHRONIZE, FALSE, processId) : nullptr;
        DWORD_PTR answer;
        if (SendMessageTimeoutA(running, WM_DESTROY, 0, 0, SMTO_ABORTIFHUNG, kHandOverTimeout, &answer) && process) {
            ending[count++] = process;
            continue;
        }
        if (process)
            CloseHandle(process);
        PostMessageA(running, WM_DESTROY, 0, 0);
    }
    if (count)
        WaitForMultipleObjects(count, ending, TRUE, kRunningCopyEndWait);
    for (DWORD i = 0; i < count; ++i)
        CloseHandle(ending[i]);
}

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

static UiLanguage UserLanguage()
{
    char name[kLanguageNameSize];
    if (GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SENGLANGUAGE, name, sizeof name) && strcmp(name, "Japanese") == 0)
        return LanguageJapanese;
    return LanguageEnglish;
}

// The main window, never shown, owns the bars and carries the drag-hover
// timers. The layout makes each monitor's bars where the settings put them at
// rest, the primary's first, and shows those of the enabled edges.
static void CreateMainWindow(WipeSession& wipe)
{
    wipe.mainWindow = CreateWindowExA(0, kWindowClassName, kMainWindowTitle, WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                                      g_app.instance, nullptr);
}

int WINAPI WinMain(HINSTANCE instance, HINSTANCE previous, LPSTR, int)
{
    NarrowLibrarySearch();
    HANDLE turn = TakeStartUpTurn();
    HandOverFromRunningCopies();
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
    wipe.timers = WipeCallbacks{DragHoverTimer, DragConfirmTimer, RestoreWatchTimer, ButtonWatchHook};
    wipe.keepsMovedFile = true;
    ClearMovedWindowTable(wipe.moved);
    LoadIgnoreList(g_app.ignore);
    g_app.language = UserLanguage();
    LoadSettings(wipe.screen, g_app.settings);
    FindMonitors(wipe.monitors);
    CreateMainWindow(wipe);
    ApplySettingsToBars(wipe, ActivateBars);
    // A key another program holds is skipped without a word: a start from the
    // Startup folder must never stop at a message box.
    RegisterEdgeKeys(wipe.mainWindow, g_app.settings);
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
