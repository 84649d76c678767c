// Where Sashlet keeps its two files: beside its own executable.
#pragma once

// Fills `out` (kPathBufferSize bytes) with the executable's folder. On
// failure, or when the path would not fit, `out` is empty and the result is false.
bool ExeDirectory(char* out);

// Forms the full name of `fileName` in the executable's folder in `out`
// (kPathBufferSize bytes). False, with `out` empty, when no such name can be
// formed: then no file is read and none is written.
bool ConfigFilePath(const char* fileName, char* out);

// A read-only file is the user's way of freezing it: neither store rewrites one.
bool IsReadOnlyFile(const char* path);
