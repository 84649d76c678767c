#include "config_files.h"

#include <windows.h>

#include <cstring>

#include "../common/path.h"

static bool IsLeadByte(unsigned char byte) { return IsDBCSLeadByte(byte) != FALSE; }

bool ExeDirectory(char* out)
{
    char path[kPathBufferSize];
    out[0] = '\0';
    const DWORD n = GetModuleFileNameA(nullptr, path, sizeof path);
    // A full buffer means the name was cut short (and, on older systems, left
    // unterminated): its folder would be some other folder.
    // The folder is cut off here rather than by shlwapi.dll, which would cost
    // every start the loading of a library for this one call.
    if (n == 0 || n >= sizeof path || !CutToFolder(path, IsLeadByte))
        return false;
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
