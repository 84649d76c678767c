#include "ignore_list.h"

#include <cstdlib>
#include <cstring>

void ClearIgnoreList(IgnoreList& list)
{
    for (int i = 0; i < list.count; ++i)
        free(list.entries[i]);
    free(list.entries);
    list.entries = nullptr;
    list.count = 0;
}

static bool AppendEntry(IgnoreList& list, const char* bytes, size_t n, int& capacity)
{
    if (list.count == capacity) {
        const int grown = capacity ? capacity * 2 : 8;
        char** entries = static_cast<char**>(realloc(list.entries, sizeof(char*) * static_cast<size_t>(grown)));
        if (!entries)
            return false;
        list.entries = entries;
        capacity = grown;
    }
    char* entry = static_cast<char*>(malloc(n + 1));
    if (!entry)
        return false;
    memcpy(entry, bytes, n);
    entry[n] = '\0';
    list.entries[list.count++] = entry;
    return true;
}

// The file is read the way a text-mode stream with a 260-byte line buffer sees
// it: CR LF is one LF, 0x1A ends the data, and each piece runs to the next LF
// but holds at most 259 bytes. Of each piece the bytes before a NUL count, and
// the last of those (normally the LF) is dropped. A last line that no line
// break ends is taken whole, and a UTF-8 byte-order mark that an editor put at
// the very start is no part of the first path.
// Ctrl+Z: a text-mode stream reads no further.
const char kEndOfText = 0x1A;

bool ParseIgnoreList(const char* data, size_t size, IgnoreList& list)
{
    ClearIgnoreList(list);
    int capacity = 0;
    char piece[kPathBufferSize];
    size_t used = 0;
    size_t i = 0;
    static const char kUtf8Mark[] = "\xEF\xBB\xBF";
    if (size >= 3 && memcmp(data, kUtf8Mark, 3) == 0)
        i = 3;
    bool atEnd = false;
    while (!atEnd) {
        bool pieceDone = false;
        if (i >= size || data[i] == kEndOfText) {
            atEnd = true;
            pieceDone = used > 0;
        } else {
            char c = data[i++];
            if (c == '\r' && i < size && data[i] == '\n')
                c = data[i++];
            piece[used++] = c;
            pieceDone = c == '\n' || used == kPathBufferSize - 1;
        }
        if (!pieceDone)
            continue;
        const void* nul = memchr(piece, 0, used);
        const size_t n = nul ? static_cast<size_t>(static_cast<const char*>(nul) - piece) : used;
        const bool unbrokenLastLine = atEnd && !nul;
        used = 0;
        if (n == 0)
            continue;
        if (!AppendEntry(list, piece, unbrokenLastLine ? n : n - 1, capacity)) {
            ClearIgnoreList(list);
            return false;
        }
    }
    return true;
}

char* FormatIgnoreList(const char* const* paths, int count, size_t* size)
{
    size_t total = 0;
    for (int i = 0; i < count; ++i)
        total += strlen(paths[i]) + 2;
    char* out = static_cast<char*>(malloc(total ? total : 1));
    if (!out)
        return nullptr;
    char* p = out;
    for (int i = 0; i < count; ++i) {
        const size_t n = strlen(paths[i]);
        memcpy(p, paths[i], n);
        p += n;
        *p++ = '\r';
        *p++ = '\n';
    }
    *size = total;
    return out;
}

static unsigned char FoldAsciiCapital(unsigned char c) { return (c >= 'A' && c <= 'Z') ? c - 'A' + 'a' : c; }

bool IgnoreEntryMatches(const char* entry, const char* path)
{
    const unsigned char* a = reinterpret_cast<const unsigned char*>(entry);
    const unsigned char* b = reinterpret_cast<const unsigned char*>(path);
    for (;; ++a, ++b) {
        if (FoldAsciiCapital(*a) != FoldAsciiCapital(*b))
            return false;
        if (*a == 0)
            return true;
    }
}

bool IgnoreListContains(const IgnoreList& list, const char* path)
{
    for (int i = 0; i < list.count; ++i)
        if (IgnoreEntryMatches(list.entries[i], path))
            return true;
    return false;
}

bool IgnoreListFromPaths(const char* const* paths, int count, IgnoreList& list)
{
    size_t size = 0;
    char* data = FormatIgnoreList(paths, count, &size);
    if (!data) {
        ClearIgnoreList(list);
        return false;
    }
    const bool parsed = ParseIgnoreList(data, size, list);
    free(data);
    return parsed;
}
