#include "process_image_path.h"

#include <tlhelp32.h>

#include "config_path.h"

typedef BOOL(WINAPI* EnumProcessModulesFn)(HANDLE, HMODULE*, DWORD, LPDWORD);
typedef DWORD(WINAPI* GetModuleFileNameExAFn)(HANDLE, HMODULE, LPSTR, DWORD);
typedef BOOL(WINAPI* QueryFullProcessImageNameAFn)(HANDLE, DWORD, LPSTR, PDWORD);
typedef HANDLE(WINAPI* CreateToolhelp32SnapshotFn)(DWORD, DWORD);
typedef BOOL(WINAPI* Process32Fn)(HANDLE, LPPROCESSENTRY32);

// The name GetProcAddress hands back has to pass through FARPROC first.
template <typename Fn>
static Fn Lookup(HMODULE module, const char* name)
{
    return reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

// A bare "PSAPI.DLL" would be searched for in the program's own folder first,
// where a planted copy would run; take the system's.
static HMODULE LoadSystemPsapi()
{
    char dir[MAX_PATH], path[MAX_PATH];
    const UINT n = GetSystemDirectoryA(dir, sizeof dir);
    if (n == 0 || n >= sizeof dir || !JoinConfigPath(dir, "PSAPI.DLL", path, sizeof path))
        return nullptr;
    return LoadLibraryA(path);
}

int ImagePathFromModuleList(DWORD processId, char* path)
{
    HMODULE psapi = LoadSystemPsapi();
    if (!psapi)
        return 0;
    EnumProcessModulesFn enumModules = Lookup<EnumProcessModulesFn>(psapi, "EnumProcessModules");
    GetModuleFileNameExAFn moduleFileName = Lookup<GetModuleFileNameExAFn>(psapi, "GetModuleFileNameExA");
    int result = 0;
    if (enumModules && moduleFileName) {
        HANDLE process = OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, processId);
        if (process) {
            // Room for one handle: the first is the executable's, and a
            // process with more modules is no failure.
            HMODULE module;
            DWORD needed;
            if (enumModules(process, &module, sizeof module, &needed) &&
                moduleFileName(process, module, path, MAX_PATH) != 0)
                result = 1;
            CloseHandle(process);
        }
    }
    FreeLibrary(psapi);
    return result;
}

// A 32-bit process cannot list a 64-bit process's modules, and elevated
// processes refuse PROCESS_QUERY_INFORMATION; this asks only for the least
// access (Vista and later), so the lookup still works for them.
int ImagePathFromImageQuery(DWORD processId, char* path)
{
    QueryFullProcessImageNameAFn query =
        Lookup<QueryFullProcessImageNameAFn>(GetModuleHandleA("kernel32.dll"), "QueryFullProcessImageNameA");
    if (!query)
        return 0;
    const DWORD kProcessQueryLimitedInformation = 0x1000;
    HANDLE process = OpenProcess(kProcessQueryLimitedInformation, FALSE, processId);
    if (!process)
        return 0;
    DWORD size = MAX_PATH;
    const int result = query(process, 0, path, &size) ? 1 : 0;
    CloseHandle(process);
    return result;
}

int ImagePathFromProcessSnapshot(DWORD processId, char* path)
{
    CreateToolhelp32SnapshotFn createSnapshot =
        Lookup<CreateToolhelp32SnapshotFn>(GetModuleHandleA("kernel32.dll"), "CreateToolhelp32Snapshot");
    Process32Fn first = Lookup<Process32Fn>(GetModuleHandleA("kernel32.dll"), "Process32First");
    Process32Fn next = Lookup<Process32Fn>(GetModuleHandleA("kernel32.dll"), "Process32Next");
    if (!createSnapshot || !first || !next)
        return 0;
    HANDLE snapshot = createSnapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == INVALID_HANDLE_VALUE)
        return 0;
    PROCESSENTRY32 entry = {};
    entry.dwSize = sizeof entry;
    int result = 0;
    for (BOOL more = first(snapshot, &entry); more; more = next(snapshot, &entry)) {
        if (entry.th32ProcessID == processId) {
            lstrcpynA(path, entry.szExeFile, MAX_PATH);
            result = 1;
            break;
        }
    }
    CloseHandle(snapshot);
    return result;
}

int GetWindowProcessImagePath(HWND window, char* path)
{
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    if (processId == 0)
        return 0;
    OSVERSIONINFOA version = {};
    version.dwOSVersionInfoSize = sizeof version;
    if (!GetVersionExA(&version))
        return 0;
    switch (version.dwPlatformId) {
    case VER_PLATFORM_WIN32_NT:
        return ImagePathFromModuleList(processId, path) || ImagePathFromImageQuery(processId, path);
    case VER_PLATFORM_WIN32_WINDOWS:
        return ImagePathFromProcessSnapshot(processId, path);
    }
    return 0;
}
