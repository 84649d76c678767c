// Helpers for tests that work on the real files beside the test program.
#pragma once
#include <windows.h>

#include <cstdio>
#include <string>

inline std::string BesideExe(const char* name)
{
    char dir[MAX_PATH];
    GetModuleFileNameA(nullptr, dir, sizeof dir);
    std::string path(dir);
    return path.substr(0, path.rfind('\\') + 1) + name;
}

inline void WriteFileBytes(const std::string& path, const std::string& bytes)
{
    FILE* f = fopen(path.c_str(), "wb");
    if (!f)
        return;
    fwrite(bytes.data(), 1, bytes.size(), f);
    fclose(f);
}

inline bool ReadFileBytes(const std::string& path, std::string& bytes)
{
    FILE* f = fopen(path.c_str(), "rb");
    if (!f)
        return false;
    bytes.clear();
    char buf[4096];
    size_t n;
    while ((n = fread(buf, 1, sizeof buf, f)) > 0)
        bytes.append(buf, n);
    fclose(f);
    return true;
}

inline bool FileExists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

inline void RemoveFile(const std::string& path)
{
    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    DeleteFileA(path.c_str());
}
