#pragma once
#include <windows.h>

// Full path of the executable of the process that owns `window`, into a
// 260-byte buffer. 1 on success, 0 on failure (the buffer is then undefined).
// Nothing is cached: every call asks the system afresh.
int GetWindowProcessImagePath(HWND window, char* path);

// The separate routes, for tests that must exercise each one.
int ImagePathFromModuleList(DWORD processId, char* path);
int ImagePathFromImageQuery(DWORD processId, char* path);
int ImagePathFromProcessSnapshot(DWORD processId, char* path);
