// Times one push and one restore over 10, 100 and 250 windows of another
// process, with an empty ignore list and with a 50-entry list (none of which
// matches, so every window costs a process lookup). Prints a Markdown table
// of medians over several runs.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "app/app_state.h"
#include "bars/wipe_engine.h"
#include "config/ignore_list_store.h"

static double Now()
{
    LARGE_INTEGER f, t;
    QueryPerformanceFrequency(&f);
    QueryPerformanceCounter(&t);
    return static_cast<double>(t.QuadPart) * 1000.0 / static_cast<double>(f.QuadPart);
}

static double Median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

static std::string BesideExe(const char* name)
{
    char path[MAX_PATH];
    GetModuleFileNameA(nullptr, path, sizeof path);
    std::string s(path);
    return s.substr(0, s.rfind('\\') + 1) + name;
}

int main()
{
    g_app.screen = ScreenSize{GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    ClearMovedWindows();
    std::vector<std::string> fifty;
    for (int i = 0; i < 50; ++i)
        fifty.push_back("C:\\Program Files\\Vendor" + std::to_string(i) + "\\tool.exe");
    std::vector<const char*> fiftyPtrs;
    for (const std::string& s : fifty)
        fiftyPtrs.push_back(s.c_str());

    printf("| windows | ignore list | push (ms) | restore (ms) |\n|---:|---|---:|---:|\n");
    for (int n : {10, 100, 250}) {
        std::string cmd = "\"" + BesideExe("testwin.exe") + "\" many:" + std::to_string(n) + ":10,10,60,60";
        STARTUPINFOA si = {};
        si.cb = sizeof si;
        PROCESS_INFORMATION pi = {};
        if (!CreateProcessA(nullptr, &cmd[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi))
            return 1;
        const std::string last = "many" + std::to_string(n - 1);
        for (int i = 0; i < 800 && !FindWindowA(nullptr, last.c_str()); ++i)
            Sleep(25);
        for (int withList = 0; withList < 2; ++withList) {
            SaveIgnoreList(fiftyPtrs.data(), withList ? 50 : 0);
            LoadIgnoreList();
            std::vector<double> push, restore;
            for (int run = 0; run < 7; ++run) {
                const double t0 = Now();
                PushWindowsFromEdge(EdgeLeft, 150);
                const double t1 = Now();
                RestoreMovedWindows();
                const double t2 = Now();
                push.push_back(t1 - t0);
                restore.push_back(t2 - t1);
            }
            printf("| %d | %s | %.2f | %.2f |\n", n, withList ? "50 entries" : "empty", Median(push), Median(restore));
        }
        TerminateProcess(pi.hProcess, 0);
        WaitForSingleObject(pi.hProcess, 10000);
        CloseHandle(pi.hProcess);
        CloseHandle(pi.hThread);
    }
    FreeIgnoreList();
    DeleteFileA(BesideExe("ignore.lst").c_str());
    return 0;
}
