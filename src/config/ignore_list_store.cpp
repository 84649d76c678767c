#include "ignore_list_store.h"

#include <windows.h>
#include <cstdlib>

#include "config_files.h"
#include "../common/path.h"

// The file is read and written in chunks no larger than one ReadFile or
// WriteFile call can take, growing the buffer a block at a time.
const size_t kReadBlock = 65536;
const size_t kLargestTransfer = 0x40000000;

bool IgnoreListFilePath(char* out) { return ConfigFilePath("ignore.lst", out); }

// The whole file in one block, or nullptr when it cannot be opened or read.
static char* ReadWholeFile(const char* path, size_t* size)
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

void LoadIgnoreList(IgnoreList& list)
{
    ClearIgnoreList(list);
    char path[kPathBufferSize];
    if (!IgnoreListFilePath(path))
        return;
    size_t size = 0;
    char* data = ReadWholeFile(path, &size);
    if (!data)
        return;
    ParseIgnoreList(data, size, list);
    free(data);
}

static bool WriteWholeFile(const char* path, const char* data, size_t size)
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
    ok = FlushFileBuffers(file) && ok;
    return CloseHandle(file) && ok;
}

bool SaveIgnoreList(const char* const* paths, int count)
{
    char path[kPathBufferSize], temp[kPathBufferSize];
    if (!IgnoreListFilePath(path) || !ConfigFilePath("ignore.new", temp) || IsReadOnlyFile(path))
        return false;
    size_t size = 0;
    char* data = FormatIgnoreList(paths, count, &size);
    if (!data)
        return false;
    // Write everything aside first, so that a full disk or a crash can never
    // leave a cut-off list in place of the old one.
    const bool written = WriteWholeFile(temp, data, size);
    free(data);
    if (written && MoveFileExA(temp, path, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return true;
    DeleteFileA(temp);
    return false;
}
