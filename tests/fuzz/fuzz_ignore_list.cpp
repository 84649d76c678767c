// Any bytes read as "ignore.lst" give entries of at most 258 bytes without
// NUL, and those entries, saved and read again, come back identical, except
// that a byte-order mark starting the first entry is read as a mark.
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "config/ignore_list.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    IgnoreList list{};
    if (!ParseIgnoreList(reinterpret_cast<const char*>(data), size, list))
        abort();
    for (int i = 0; i < list.count; ++i)
        if (strlen(list.entries[i]) > 258)
            abort();
    size_t bytes = 0;
    char* file = FormatIgnoreList(list.entries, list.count, &bytes);
    if (!file)
        abort();
    IgnoreList again{};
    if (!ParseIgnoreList(file, bytes, again) || again.count != list.count)
        abort();
    for (int i = 0; i < list.count; ++i) {
        const char* expected = list.entries[i];
        if (i == 0 && strncmp(expected, "\xEF\xBB\xBF", 3) == 0)
            expected += 3;
        if (strcmp(expected, again.entries[i]) != 0)
            abort();
    }
    free(file);
    ClearIgnoreList(again);
    ClearIgnoreList(list);
    return 0;
}
