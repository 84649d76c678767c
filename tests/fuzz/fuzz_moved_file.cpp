// Any bytes read as "Sashlet.moved" are either refused whole or read as a
// file that, written again, gives exactly those bytes: the reader takes
// nothing the writer would not have written.
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "wipe/moved_file.h"

static PushedWindowsFile s_file;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (!ParsePushedWindows(reinterpret_cast<const char*>(data), size, s_file)) {
        if (s_file.count != 0)
            abort();
        return 0;
    }
    if (s_file.count < 0 || s_file.count > kMovedWindowCapacity)
        abort();
    size_t bytes = 0;
    char* text = FormatPushedWindows(s_file, &bytes);
    if (!text || bytes != size || memcmp(text, data, size) != 0)
        abort();
    free(text);
    return 0;
}
