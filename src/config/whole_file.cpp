#include "whole_file.h"

#include <windows.h>
#include <cstdlib>

// The file is read and written in chunks no larger than one ReadFile or
// WriteFile call can take, growing the buffer a block at a time.
const size_t kReadBlock = 65536;
const size_t kLargestTransfer = 0x40000000;

char* ReadWholeFile(const char* path, size_t* size)
{
    HANDLE file = CreateFileA(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return nullptr;
    char* data = nullptr;
    size_t used = 0, capacity = 0;
    bool ok = true;
    for (;;) {
        if (capacity - used < kReadBlock) {
            capacity = capacity ? capacity * 2 : kReadBlock;
            char* grown = static_cast<char*>(realloc(data, capacity));
            if (!grown) {
                ok = false;
                break;
            }
            data = grown;
        }
        DWORD got = 0;
        const DWORD want = static_cast<DWORD>(capacity - used > kLargestTransfer ? kLargestTransfer : capacity - used);
        if (!ReadFile(file, data + used, want, &got, nullptr)) {
            ok = false;
            break;
        }
        if (got == 0)
            break;
        used += got;
    }
    CloseHandle(file);
    if (!ok) {
        free(data);
        return nullptr;
    }
    *size = used;
    return data;
}

static bool WriteWholeFile(const char* path, const char* data, size_t size, bool durable)
{
    HANDLE file = CreateFileA(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    bool ok = true;
    while (ok && size > 0) {
        DWORD wrote = 0;
        const DWORD chunk = static_cast<DWORD>(size > kLargestTransfer ? kLargestTransfer : size);
        ok = WriteFile(file, data, chunk, &wrote, nullptr) && wrote == chunk;
        data += wrote;
        size -= wrote;
    }
    if (durable)
        ok = FlushFileBuffers(file) && ok;
    return CloseHandle(file) && ok;
}

bool ReplaceWholeFile(const char* path, const char* temp, const char* data, size_t size, bool durable)
{
    if (WriteWholeFile(temp, data, size, durable) &&
        MoveFileExA(temp, path, MOVEFILE_REPLACE_EXISTING | (durable ? MOVEFILE_WRITE_THROUGH : 0)))
        return true;
    DeleteFileA(temp);
    return false;
}
