// Starts the testwin helper (beside the test program) as another process
// owning real top-level windows, and ends it again.
#pragma once
#include <windows.h>

#include <string>

#include "test_files.h"

struct TestWindows {
    PROCESS_INFORMATION process = {};

    // layouts as testwin takes them; waits until the window titled `waitFor` exists.
    bool Start(const std::string& layouts, const char* waitFor)
    {
        std::string cmd = "\"" + BesideExe("testwin.exe") + "\" " + layouts;
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

inline std::string TestWinPath()
{
    return BesideExe("testwin.exe");
}
