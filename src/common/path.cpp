#include "path.h"

#include <cstring>

bool JoinPath(const char* directory, const char* fileName, char* out, size_t outSize)
{
    if (outSize == 0)
        return false;
    out[0] = '\0';
    const size_t dirLen = strlen(directory), nameLen = strlen(fileName);
    if (dirLen + 1 + nameLen + 1 > outSize)
        return false;
    memcpy(out, directory, dirLen);
    out[dirLen] = '\\';
    memcpy(out + dirLen + 1, fileName, nameLen + 1);
    return true;
}

bool CutToFolder(char* path, bool (*isLeadByte)(unsigned char byte))
{
    char* cut = nullptr;
    for (char* p = path; *p; ++p) {
        if (*p == '\\')
            cut = p;
        else if (isLeadByte(static_cast<unsigned char>(*p)) && p[1])
            ++p;
    }
    if (!cut)
        return false;
    if (cut == path + 2 && path[1] == ':')
        ++cut;
    *cut = '\0';
    return true;
}
