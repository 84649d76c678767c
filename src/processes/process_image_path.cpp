#include "process_image_path.h"

#include <tlhelp32.h>

#include "system_library.h"

typedef BOOL(WINAPI* QueryFullProcessImageNameAFn)(HANDLE, DWORD, LPSTR, PDWORD);
typedef HANDLE(WINAPI* CreateToolhelp32SnapshotFn)(DWORD, DWORD);
typedef BOOL(WINAPI* Process32Fn)(HANDLE, LPPROCESSENTRY32);

static unsigned long s_lookupCount;

// The name GetProcAddress hands back has to pass through FARPROC first.
template <typename Fn>
static Fn Lookup(HMODULE module, const char* name)
{
    return reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

void BeginImageLookups(ImageLookups& lookups) { lookups = ImageLookups{0, false, nullptr, nullptr, nullptr}; }

void EndImageLookups(ImageLookups& lookups)
{
    if (lookups.psapi)
        FreeLibrary(lookups.psapi);
    BeginImageLookups(lookups);
}

static bool HavePsapi(ImageLookups& lookups)
{
    if (!lookups.psapiTried) {
        lookups.psapiTried = true;
        lookups.psapi = LoadSystemLibrary("PSAPI.DLL");
        if (lookups.psapi) {
            lookups.enumModules = Lookup<EnumProcessModulesFn>(lookups.psapi, "EnumProcessModules");
            lookups.moduleFileName = Lookup<GetModuleFileNameExAFn>(lookups.psapi, "GetModuleFileNameExA");
        }
    }
    return lookups.enumModules && lookups.moduleFileName;
}

static int ModuleListRoute(ImageLookups& lookups, DWORD processId, char* path)
{
    if (!HavePsapi(lookups))
        return 0;
    HANDLE process = OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, processId);
    if (!process)
        return 0;
    // Room for one handle: the first is the executable's, and a process with
    // more modules is no failure.
    HMODULE module;
    DWORD needed;
    const int result = lookups.enumModules(process, &module, sizeof module, &needed) &&
                               lookups.moduleFileName(process, module, path, MAX_PATH) != 0
                           ? 1
                           : 0;
    CloseHandle(process);
    return result;
}

int ImagePathFromModuleList(DWORD processId, char* path)
{
    ImageLookups lookups;
    BeginImageLookups(lookups);
    const int result = ModuleListRoute(lookups, processId, path);
    EndImageLookups(lookups);
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

int LookUpImagePath(ImageLookups& lookups, DWORD processId, char* path)
{
    if (processId == 0)
        return 0;
    ++s_lookupCount;
    if (lookups.platform == 0) {
        OSVERSIONINFOA version = {};
        version.dwOSVersionInfoSize = sizeof version;
        if (!GetVersionExA(&version))
            return 0;
        lookups.platform = version.dwPlatformId;
    }
    switch (lookups.platform) {
    case VER_PLATFORM_WIN32_NT:
        return ModuleListRoute(lookups, processId, path) || ImagePathFromImageQuery(processId, path);
    case VER_PLATFORM_WIN32_WINDOWS:
        return ImagePathFromProcessSnapshot(processId, path);
    }
    return 0;
}

int GetWindowProcessImagePath(HWND window, char* path)
{
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    ImageLookups lookups;
    BeginImageLookups(lookups);
    const int result = LookUpImagePath(lookups, processId, path);
    EndImageLookups(lookups);
    return result;
}

unsigned long ImagePathLookupCount() { return s_lookupCount; }
