#include "config_files.h"

#include <windows.h>
#include <shlwapi.h>

#include <cstring>

#include "../common/path.h"

bool ExeDirectory(char* out)
{
    char path[kPathBufferSize];
    out[0] = '\0';
    const DWORD n = GetModuleFileNameA(nullptr, path, sizeof path);
    // A full buffer means the name was cut short (and, on older systems, left
    // unterminated): its folder would be some other folder.
    if (n == 0 || n >= sizeof path)
        return false;
    PathRemoveFileSpecA(path);
    memcpy(out, path, strlen(path) + 1);
    return true;
}

bool ConfigFilePath(const char* fileName, char* out)
{
    char dir[kPathBufferSize];
    out[0] = '\0';
    return ExeDirectory(dir) && JoinPath(dir, fileName, out, kPathBufferSize);
}

bool IsReadOnlyFile(const char* path)
{
    const DWORD attributes = GetFileAttributesA(path);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY);
}
