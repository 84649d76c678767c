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
