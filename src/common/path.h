// Path buffers and joining, for the files beside the program and the system's
// own libraries alike.
#pragma once
#include <cstddef>

// Room for a path the "A" functions accept (MAX_PATH): the one buffer size
// for file names, executables and the ignore list's lines alike.
const size_t kPathBufferSize = 260;

// Forms "<directory>\<fileName>" in `out`. Returns false, leaving `out` empty,
// when the whole name does not fit: a cut-off path would name another file.
bool JoinPath(const char* directory, const char* fileName, char* out, size_t outSize);

// Cuts a full file name down to its folder at the last backslash, as the
// shell's PathRemoveFileSpecA does: a drive's root keeps its own ("C:\").
// Steps a character at a time, `isLeadByte` telling the first bytes of the
// ANSI code page's double-byte characters, whose second byte may be a
// backslash. False, leaving `path` as it was, when it has no backslash.
bool CutToFolder(char* path, bool (*isLeadByte)(unsigned char byte));
