#include "app_state.h"

#include <shlwapi.h>
#include <cstring>

bool ExeDirectory(char* out)
{
    char path[MAX_PATH];
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
