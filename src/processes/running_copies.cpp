#include "running_copies.h"

const char* const kStartUpTurn = "SashletStartUp";

// A running copy that answers within this time has ended its loop; one that
// does not is left behind rather than hanging this start too.
const UINT kHandOverTimeout = 2000;

HANDLE TakeStartUpTurn(DWORD wait)
{
    HANDLE turn = CreateMutexA(nullptr, FALSE, kStartUpTurn);
    if (turn && WaitForSingleObject(turn, wait) == WAIT_TIMEOUT) {
        CloseHandle(turn);
        return nullptr;
    }
    return turn;
}

void GiveUpStartUpTurn(HANDLE turn)
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
void HandOverFromRunningCopies(const char* className, const char* title, DWORD endWait)
{
    HANDLE ending[MAXIMUM_WAIT_OBJECTS];
    DWORD count = 0;
    for (HWND running = FindWindowExA(nullptr, nullptr, className, title); running;
         running = FindWindowExA(nullptr, running, className, title)) {
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
        WaitForMultipleObjects(count, ending, TRUE, endWait);
    for (DWORD i = 0; i < count; ++i)
        CloseHandle(ending[i]);
}
