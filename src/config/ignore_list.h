// The list of executables whose windows are never moved, and the byte-exact
// rules by which "ignore.lst" turns into entries and back.
#pragma once
#include <cstddef>

#include "../common/path.h"

struct IgnoreList {
    char** entries;  // each NUL-terminated, 0 to 258 bytes, owned by the list
    int count;
};

// Replaces `list` with the entries the file's bytes yield. Returns false when
// memory ran out; the list is then empty.
bool ParseIgnoreList(const char* data, size_t size, IgnoreList& list);

void ClearIgnoreList(IgnoreList& list);

// The file's bytes for `paths`: each path followed by CR LF. The caller frees
// the result with free(). Returns nullptr when memory runs out.
char* FormatIgnoreList(const char* const* paths, int count, size_t* size);

// Replaces `list` with the entries a file written from `paths` reads back
// as. Returns false when memory ran out; the list is then empty.
bool IgnoreListFromPaths(const char* const* paths, int count, IgnoreList& list);

// Equal lengths and equal bytes once the ASCII capitals are folded to small
// letters; no other byte is folded, whatever the code page.
bool IgnoreEntryMatches(const char* entry, const char* path);

bool IgnoreListContains(const IgnoreList& list, const char* path);
