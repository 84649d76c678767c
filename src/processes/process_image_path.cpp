#include "process_image_path.h"

#include <tlhelp32.h>

#include "../common/path.h"
#include "system_library.h"

typedef BOOL(WINAPI* QueryFullProcessImageNameAFn)(HANDLE, DWORD, LPSTR, PDWORD);
typedef HANDLE(WINAPI* CreateToolhelp32SnapshotFn)(DWORD, DWORD);
typedef BOOL(WINAPI* Process32Fn)(HANDLE, LPPROCESSENTRY32);

static unsigned long s_lookupCount;

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
            lookups.enumModules = LibraryFunction<EnumProcessModulesFn>(lookups.psapi, "EnumProcessModules");
            lookups.moduleFileName = LibraryFunction<GetModuleFileNameExAFn>(lookups.psapi, "GetModuleFileNameExA");
        }
    }
    return lookups.enumModules && lookups.moduleFileName;
}

static bool ModuleListRoute(ImageLookups& lookups, DWORD processId, char* path)
{
    if (!HavePsapi(lookups))
        return false;
    HANDLE process = OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, processId);
    if (!process)
        return false;
    // Room for one handle: the first is the executable's, and a process with
    // more modules is no failure.
    HMODULE module;
    DWORD needed;
    const bool result = lookups.enumModules(process, &module, sizeof module, &needed) &&
                        lookups.moduleFileName(process, module, path, kPathBufferSize) != 0;
    CloseHandle(process);
    return result;
}

bool ImagePathFromModuleList(DWORD processId, char* path)
{
    ImageLookups lookups;
    BeginImageLookups(lookups);
    const bool result = ModuleListRoute(lookups, processId, path);
    EndImageLookups(lookups);
    return result;
}

// A 32-bit process cannot list a 64-bit process's modules, and elevated
// processes refuse PROCESS_QUERY_INFORMATION; this asks only for the least
// access (Vista and later), so the lookup still works for them.
bool ImagePathFromImageQuery(DWORD processId, char* path)
{
    QueryFullProcessImageNameAFn query =
        LibraryFunction<QueryFullProcessImageNameAFn>(GetModuleHandleA("kernel32.dll"), "QueryFullProcessImageNameA");
    if (!query)
        return false;
    HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, processId);
    if (!process)
        return false;
    DWORD size = kPathBufferSize;
    const bool found = query(process, 0, path, &size) != FALSE;
    CloseHandle(process);
    return found;
}

bool ImagePathFromProcessSnapshot(DWORD processId, char* path)
{
    CreateToolhelp32SnapshotFn createSnapshot =
        LibraryFunction<CreateToolhelp32SnapshotFn>(GetModuleHandleA("kernel32.dll"), "CreateToolhelp32Snapshot");
    Process32Fn first = LibraryFunction<Process32Fn>(GetModuleHandleA("kernel32.dll"), "Process32First");
    Process32Fn next = LibraryFunction<Process32Fn>(GetModuleHandleA("kernel32.dll"), "Process32Next");
    if (!createSnapshot || !first || !next)
        return false;
    HANDLE snapshot = createSnapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == INVALID_HANDLE_VALUE)
        return false;
    PROCESSENTRY32 entry = {};
    entry.dwSize = sizeof entry;
    bool found = false;
    for (BOOL more = first(snapshot, &entry); more; more = next(snapshot, &entry)) {
        if (entry.th32ProcessID == processId) {
            lstrcpynA(path, entry.szExeFile, kPathBufferSize);
            found = true;
            break;
        }
    }
    CloseHandle(snapshot);
    return found;
}

bool LookUpImagePath(ImageLookups& lookups, DWORD processId, char* path)
{
    if (processId == 0)
        return false;
    ++s_lookupCount;
    if (lookups.platform == 0) {
        OSVERSIONINFOA version = {};
        version.dwOSVersionInfoSize = sizeof version;
        if (!GetVersionExA(&version))
            return false;
        lookups.platform = version.dwPlatformId;
    }
    switch (lookups.platform) {
    case VER_PLATFORM_WIN32_NT:
        return ModuleListRoute(lookups, processId, path) || ImagePathFromImageQuery(processId, path);
    case VER_PLATFORM_WIN32_WINDOWS:
        return ImagePathFromProcessSnapshot(processId, path);
    }
    return false;
}

bool GetWindowProcessImagePath(HWND window, char* path)
{
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    ImageLookups lookups;
    BeginImageLookups(lookups);
    const bool result = LookUpImagePath(lookups, processId, path);
    EndImageLookups(lookups);
    return result;
}

unsigned long ImagePathLookupCount() { return s_lookupCount; }
