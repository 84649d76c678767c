// "Sashlet.moved": what a wipe has moved, written down before its moves are
// posted, so that a copy that was killed or crashed mid-wipe leaves enough
// behind for the next start to put the windows home. Window-free.
#pragma once
#include <cstddef>
#include <cstdint>

#include "moved_windows.h"

// A class name is at most 256 characters, as RegisterClass takes it.
const size_t kClassNameSize = 257;

// One pushed window, and what tells it from a later window that was given
// the same handle: its process and its class.
struct PushedWindowRecord {
    uint32_t window;  // the handle's value; handles are 32 bits wide on every Windows
    uint32_t processId;
    char className[kClassNameSize];
    ShowState state;  // as shown when first pushed
    Point home;       // where it stood before the wipe
    Point sent;       // where the last push sent it
};

struct PushedWindowsFile {
    uint32_t writer;  // the process id of the copy that wrote it
    int count;
    PushedWindowRecord records[kMovedWindowCapacity];
};

// The file's text, or nullptr when memory runs out; free() it. `size` gets its length.
char* FormatPushedWindows(const PushedWindowsFile& file, size_t* size);

// True, with `file` filled, only for a file exactly as FormatPushedWindows
// writes it: anything else (cut off, edited, another program's, more windows
// than a wipe moves, a window twice) is damaged and gives false.
bool ParsePushedWindows(const char* data, size_t size, PushedWindowsFile& file);

// The writer's process id from the file's first line, which is all of the
// file `data` needs to hold; false when that line is not as written.
bool WriterOfPushedWindows(const char* data, size_t size, uint32_t* writer);

// The window a record names, as it is now.
struct WindowNow {
    bool exists;
    uint32_t processId;
    const char* className;
    ShowState state;
    Point corner;
};

// Whether a window left pushed is put home at start-up: only the very window
// that was pushed (same process and class as recorded), still where the push
// sent it and shown as it was. One moved since, by the user or its program,
// maximised or minimised since, or gone, is left alone.
bool PutsHomeAtStart(const PushedWindowRecord& record, const WindowNow& now);
