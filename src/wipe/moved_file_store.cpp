#include "moved_file_store.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "../common/path.h"
#include "../config/config_files.h"
#include "../config/whole_file.h"
#include "moved_file.h"
#include "wipe_engine.h"

static const char kFileName[] = "Sashlet.moved";
static const char kTempName[] = "Sashlet.moved.new";

// A file's worth of records is too large for the stack, and a static one
// would be stored in the program's image, more than doubling its size.
static PushedWindowsFile* NewFile() { return static_cast<PushedWindowsFile*>(calloc(1, sizeof(PushedWindowsFile))); }

static uint32_t HandleValue(HWND window) { return static_cast<uint32_t>(reinterpret_cast<uintptr_t>(window)); }

static HWND HandleOf(uint32_t value) { return reinterpret_cast<HWND>(static_cast<uintptr_t>(value)); }

struct KnownWindow {
    HWND window;
    uint32_t processId;
    char className[kClassNameSize];
};

static void Identify(HWND window, uint32_t* processId, char* className)
{
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    *processId = pid;
    if (!GetClassNameA(window, className, static_cast<int>(kClassNameSize)))
        className[0] = '\0';
}

// The file only has to outlive this program, not the machine: a machine that
// goes down takes every window with it. So nothing waits for the disk.
void WriteDownMovedWindows(void* context, const MovedWindowTable& moved)
{
    MovedFileStore& store = *static_cast<MovedFileStore*>(context);
    char path[kPathBufferSize], temp[kPathBufferSize];
    PushedWindowsFile* file = nullptr;
    if (!ConfigFilePath(kFileName, path) || !ConfigFilePath(kTempName, temp) || !(file = NewFile()))
        return;
    if (!store.known)
        store.known = static_cast<KnownWindow*>(calloc(kMovedWindowCapacity, sizeof(KnownWindow)));
    if (!store.known) {
        free(file);
        return;
    }
    file->writer = GetCurrentProcessId();
    for (int i = 0; i < kMovedWindowCapacity; ++i) {
        const MovedWindowEntry& e = moved.entries[i];
        if (!e.window || e.returning)
            continue;
        KnownWindow& known = store.known[i];
        if (known.window != e.window) {
            Identify(e.window, &known.processId, known.className);
            known.window = e.window;
        }
        PushedWindowRecord& r = file->records[file->count++];
        r.window = HandleValue(e.window);
        r.processId = known.processId;
        memcpy(r.className, known.className, kClassNameSize);
        r.state = e.state;
        r.home = e.home;
        r.sent = e.sent;
    }
    size_t size = 0;
    char* data = FormatPushedWindows(*file, &size);
    free(file);
    if (!data)
        return;
    if (ReplaceWholeFile(path, temp, data, size, false))
        store.written = true;
    free(data);
}

// What the file says (free() it), or nullptr when there is none or it is damaged.
static PushedWindowsFile* ReadPushedWindows(const char* path)
{
    size_t size = 0;
    char* data = ReadWholeFile(path, &size);
    PushedWindowsFile* file = data ? NewFile() : nullptr;
    if (file && !ParsePushedWindows(data, size, *file)) {
        free(file);
        file = nullptr;
    }
    free(data);
    return file;
}

// The first line is all it takes to tell whose the file is.
static bool WrittenByThisCopy(const char* path)
{
    HANDLE file = CreateFileA(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    char head[64];
    DWORD got = 0;
    const bool read = ReadFile(file, head, sizeof head, &got, nullptr) != FALSE;
    CloseHandle(file);
    uint32_t writer = 0;
    return read && WriterOfPushedWindows(head, got, &writer) && writer == GetCurrentProcessId();
}

void ForgetMovedWindows(MovedFileStore& store)
{
    char path[kPathBufferSize];
    if (!store.written || !ConfigFilePath(kFileName, path))
        return;
    store.written = false;
    if (WrittenByThisCopy(path))
        DeleteFileA(path);
}

static bool PutHomeIfUnmoved(const PushedWindowRecord& r)
{
    HWND window = HandleOf(r.window);
    char className[kClassNameSize];
    WindowNow now = {IsWindow(window) != FALSE, 0, className, ShownNormal, Point{0, 0}};
    RECT rc;
    if (!now.exists || !GetWindowRect(window, &rc))
        return false;
    Identify(window, &now.processId, className);
    now.state = ShowStateOf(GetWindowLongA(window, GWL_STYLE));
    now.corner = Point{rc.left, rc.top};
    if (!PutsHomeAtStart(r, now))
        return false;
    PostWindowMove(window, r.home);
    return true;
}

void PutHomeWindowsLeftPushed(DWORD wait)
{
    char path[kPathBufferSize], temp[kPathBufferSize];
    if (!ConfigFilePath(kFileName, path) || !ConfigFilePath(kTempName, temp))
        return;
    DeleteFileA(temp);
    if (PushedWindowsFile* file = ReadPushedWindows(path)) {
        HWND sentHome[kMovedWindowCapacity];
        int count = 0;
        for (int i = 0; i < file->count; ++i)
            if (PutHomeIfUnmoved(file->records[i]))
                sentHome[count++] = HandleOf(file->records[i].window);
        free(file);
        WaitForMovesToLand(sentHome, count, wait);
    }
    DeleteFileA(path);
}
