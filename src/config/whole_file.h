// Files read and written whole: the ignore list and the record of pushed windows.
#pragma once
#include <cstddef>

// The whole file in one block of malloc'd memory (free() it), or nullptr when
// it cannot be opened or read.
char* ReadWholeFile(const char* path, size_t* size);

// Writes `data` to `temp`, then puts it in place of `path` in one step, so
// that a full disk, a crash or a kill can never leave a cut-off file where
// the old one stood. `durable` also waits until the disk has the data, for a
// file that must outlive the machine, not only the program. On failure `path`
// is as it was and `temp` is gone.
bool ReplaceWholeFile(const char* path, const char* temp, const char* data, size_t size, bool durable);
