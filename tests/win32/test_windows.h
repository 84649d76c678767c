// Starts the testwin helper (beside the test program) as another process
// owning real top-level windows, and ends it again.
#pragma once
#include <windows.h>

#include <string>

#include "config/settings.h"
#include "desktop/monitors.h"
#include "wipe/wipe_engine.h"
#include "wipe/wipe_session.h"
#include "test_files.h"

// What a wipe works on, owned by the test and handed in: the real screen, the
// default settings, an empty list, no bars and nothing moved until the test
// says otherwise. Fixtures derive from it, so their tests push and restore
// as the session does.
struct WipeScene {
    Settings settings = {1, 0, 0, 0, 2, 0, 255, 255, 0, 0, 2};
    IgnoreList ignore = {};
    WipeSession wipe = {};

    WipeScene()
    {
        wipe.screen = ScreenSize{GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
        FindMonitors(wipe.monitors);
        wipe.monitorsWithBars = 1;
        wipe.requestForeground = SetForegroundWindow;
        wipe.settings = &settings;
        wipe.ignore = &ignore;
        ClearMovedWindowTable(wipe.moved);
    }
    ~WipeScene() { ClearIgnoreList(ignore); }
    WipeScene(const WipeScene&) = delete;
    WipeScene& operator=(const WipeScene&) = delete;

    void Push(Edge edge, int line)
    {
        const Rect screen = {0, 0, wipe.screen.width, wipe.screen.height};
        PushWindowsFromEdge(wipe.moved, ignore, wipe.bars, screen, edge, line);
    }
    // A window of the test's own taken for a bar.
    Bar& AddBar(HWND window, Edge edge, int monitor = 0)
    {
        Bar& bar = wipe.bars.items[wipe.bars.count++];
        bar = Bar{};
        bar.window = window;
        bar.edge = edge;
        bar.monitor = monitor;
        return bar;
    }
    void Restore() { RestoreMovedWindows(wipe.moved); }
    int Moved() const { return wipe.moved.count; }
};

struct ProcessWindowSearch {
    DWORD processId;
    HWND found;
};

// A system callback: on 32-bit Windows it must be __stdcall, which no lambda is.
inline BOOL CALLBACK FindProcessWindow(HWND w, LPARAM p)
{
    ProcessWindowSearch& s = *reinterpret_cast<ProcessWindowSearch*>(p);
    DWORD pid = 0;
    GetWindowThreadProcessId(w, &pid);
    if (pid != s.processId)
        return TRUE;
    s.found = w;
    return FALSE;
}

struct TestWindows {
    PROCESS_INFORMATION process = {};

    // layouts as testwin takes them; waits until the window titled `waitFor`
    // exists. `exe` names a copy of testwin beside the tests, for windows of
    // another program.
    bool Start(const std::string& layouts, const char* waitFor, const char* exe = "testwin.exe")
    {
        std::string cmd = "\"" + BesideExe(exe) + "\" " + layouts;
        STARTUPINFOA si = {};
        si.cb = sizeof si;
        if (!CreateProcessA(nullptr, &cmd[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &process))
            return false;
        WaitForInputIdle(process.hProcess, 10000);
        for (int i = 0; i < 400; ++i) {
            if (FindWindowA(nullptr, waitFor))
                return true;
            Sleep(25);
        }
        return false;
    }

    // An asynchronous move of another thread's window reaches that thread as
    // a notify message, which is taken in turn with sent messages and before
    // any posted one: WM_NULL sent now is answered after every move queued
    // before it, so on return they have all been applied. False when the
    // process does not answer in time.
    bool Settle(UINT timeout = 5000) const
    {
        ProcessWindowSearch search = {process.dwProcessId, nullptr};
        EnumWindows(FindProcessWindow, reinterpret_cast<LPARAM>(&search));
        DWORD_PTR answer;
        return search.found &&
               SendMessageTimeoutA(search.found, WM_NULL, 0, 0, SMTO_NORMAL, timeout, &answer) != 0;
    }

    // Makes the process stop answering, as a program that has hung does, and
    // waits until it has: a message sent is answered before one posted
    // earlier is taken, so it may answer a few more first.
    bool Hang(const char* title) const
    {
        if (!PostMessageA(FindWindowA(nullptr, title), WM_APP, 0, 0))
            return false;
        for (int tries = 0; tries < 20; ++tries)
            if (!Settle(250))
                return true;
        return false;
    }

    void Stop()
    {
        if (!process.hProcess)
            return;
        TerminateProcess(process.hProcess, 0);
        WaitForSingleObject(process.hProcess, 10000);
        CloseHandle(process.hProcess);
        CloseHandle(process.hThread);
        process = {};
    }

    ~TestWindows() { Stop(); }
};

inline HWND Find(const char* title) { return FindWindowA(nullptr, title); }

inline RECT RectOf(const char* title)
{
    RECT r = {};
    GetWindowRect(Find(title), &r);
    return r;
}

// Lets every hung helper answer again.
inline bool ResumeHungWindows()
{
    HANDLE resume = OpenEventA(EVENT_MODIFY_STATE, FALSE, "SashletTestResume");
    const bool ok = resume && SetEvent(resume);
    if (resume)
        CloseHandle(resume);
    return ok;
}

inline bool IsAt(const char* title, int left, int top)
{
    const RECT r = RectOf(title);
    return r.left == left && r.top == top;
}

// Waits for a posted move to land; true once the window stands there.
inline bool ArrivesAt(const char* title, int left, int top, int timeout = 5000)
{
    for (int waited = 0; waited < timeout; waited += 10) {
        if (IsAt(title, left, top))
            return true;
        Sleep(10);
    }
    return IsAt(title, left, top);
}

inline std::string TestWinPath()
{
    return BesideExe("testwin.exe");
}
