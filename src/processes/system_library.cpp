#include "system_library.h"

#include "../common/path.h"

HMODULE LoadSystemLibrary(const char* fileName)
{
    char dir[kPathBufferSize], path[kPathBufferSize];
    const UINT n = GetSystemDirectoryA(dir, sizeof dir);
    if (n == 0 || n >= sizeof dir || !JoinPath(dir, fileName, path, sizeof path))
        return nullptr;
    return LoadLibraryA(path);
}

typedef BOOL(WINAPI* SetDefaultDllDirectoriesFn)(DWORD flags);
typedef BOOL(WINAPI* SetDllDirectoryAFn)(LPCSTR path);
const DWORD kSearchSystem32 = 0x00000800;  // LOAD_LIBRARY_SEARCH_SYSTEM32, which older SDKs lack

LibrarySearch NarrowLibrarySearch()
{
    HMODULE kernel = GetModuleHandleA("kernel32.dll");
    const SetDefaultDllDirectoriesFn setDefault =
        LibraryFunction<SetDefaultDllDirectoriesFn>(kernel, "SetDefaultDllDirectories");
    if (setDefault && setDefault(kSearchSystem32))
        return SearchSystemFolderOnly;
    const SetDllDirectoryAFn setDirectory = LibraryFunction<SetDllDirectoryAFn>(kernel, "SetDllDirectoryA");
    if (setDirectory && setDirectory(""))
        return SearchWithoutWorkingFolder;
    return SearchUnchanged;
}
