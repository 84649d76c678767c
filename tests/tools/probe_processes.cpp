// The probe's commands that reach into other processes as a whole: the end
// of the session, the resources a process holds, and a library loaded in it.
#include <windows.h>
#include <psapi.h>

#include <cstdio>
#include <cstring>

#include "probe.h"

// Windows asks every program before it tells every program, each with a
// time limit; the probe's own windows are left out.
const UINT kEndSessionTimeout = 5000;

struct TopLevelWindows {
    HWND windows[4096];
    int count;
};

static BOOL CALLBACK CollectTopLevel(HWND w, LPARAM param)
{
    TopLevelWindows& all = *reinterpret_cast<TopLevelWindows*>(param);
    DWORD pid = 0;
    GetWindowThreadProcessId(w, &pid);
    if (pid != GetCurrentProcessId() && all.count < 4096)
        all.windows[all.count++] = w;
    return TRUE;
}

int EndSession(char**, HWND)
{
    static TopLevelWindows all;
    all.count = 0;
    EnumWindows(CollectTopLevel, reinterpret_cast<LPARAM>(&all));
    bool allAgreed = true;
    for (int i = 0; i < all.count; ++i) {
        DWORD_PTR agreed = TRUE;
        if (SendMessageTimeoutA(all.windows[i], WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF, SMTO_NORMAL,
                                kEndSessionTimeout, &agreed) && !agreed) {
            char title[256] = "";
            GetWindowTextA(all.windows[i], title, sizeof title);
            printf("%s\n", title);
            allAgreed = false;
        }
    }
    for (int i = 0; i < all.count; ++i) {
        DWORD_PTR answer;
        SendMessageTimeoutA(all.windows[i], WM_ENDSESSION, allAgreed, ENDSESSION_LOGOFF, SMTO_NORMAL,
                            kEndSessionTimeout, &answer);
    }
    return allAgreed ? 0 : 1;
}

int Resources(char**, HWND w)
{
    DWORD pid = 0;
    GetWindowThreadProcessId(w, &pid);
    HANDLE process = OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, pid);
    if (!process)
        return 1;
    DWORD handles = 0;
    GetProcessHandleCount(process, &handles);
    PROCESS_MEMORY_COUNTERS_EX memory = {};
    memory.cb = sizeof memory;
    GetProcessMemoryInfo(process, reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&memory), sizeof memory);
    printf("%lu|%lu|%lu|%lu\n", GetGuiResources(process, GR_GDIOBJECTS), GetGuiResources(process, GR_USEROBJECTS),
           handles, static_cast<unsigned long>(memory.PrivateUsage));
    CloseHandle(process);
    return 0;
}

// The path of the process's module with that file name, or "".
static void PrintModulePath(HANDLE process, const char* name)
{
    HMODULE modules[512];
    DWORD needed = 0;
    char base[MAX_PATH], path[MAX_PATH] = "";
    if (EnumProcessModules(process, modules, sizeof modules, &needed)) {
        const DWORD count = needed / sizeof modules[0] < 512 ? needed / sizeof modules[0] : 512;
        for (DWORD i = 0; i < count; ++i)
            if (GetModuleBaseNameA(process, modules[i], base, sizeof base) && _stricmp(base, name) == 0)
                GetModuleFileNameExA(process, modules[i], path, sizeof path);
    }
    printf("%s\n", path);
}

int LoadIn(char** argv, HWND w)
{
    DWORD pid = 0;
    GetWindowThreadProcessId(w, &pid);
    HANDLE process = OpenProcess(PROCESS_CREATE_THREAD | PROCESS_QUERY_INFORMATION | PROCESS_VM_OPERATION |
                                     PROCESS_VM_WRITE | PROCESS_VM_READ,
                                 FALSE, pid);
    if (!process)
        return 1;
    const char* name = argv[3];
    const SIZE_T size = strlen(name) + 1;
    void* remote = VirtualAllocEx(process, nullptr, size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
    HANDLE thread = nullptr;
    if (remote && WriteProcessMemory(process, remote, name, size, nullptr)) {
        // kernel32 stands at the same address in every process of the session
        // and bitness, so the thread starts in the target's own LoadLibraryA.
        const LPTHREAD_START_ROUTINE load = reinterpret_cast<LPTHREAD_START_ROUTINE>(
            reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("kernel32.dll"), "LoadLibraryA")));
        thread = CreateRemoteThread(process, nullptr, 0, load, remote, 0, nullptr);
    }
    const bool ended = thread && WaitForSingleObject(thread, 10000) == WAIT_OBJECT_0;
    if (ended)
        PrintModulePath(process, name);
    // A thread still running may yet read the name.
    if (remote && (ended || !thread))
        VirtualFreeEx(process, remote, 0, MEM_RELEASE);
    if (thread)
        CloseHandle(thread);
    CloseHandle(process);
    return ended ? 0 : 1;
}
