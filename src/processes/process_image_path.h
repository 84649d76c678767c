#pragma once
#include <windows.h>

typedef BOOL(WINAPI* EnumProcessModulesFn)(HANDLE, HMODULE*, DWORD, LPDWORD);
typedef DWORD(WINAPI* GetModuleFileNameExAFn)(HANDLE, HMODULE, LPSTR, DWORD);

// What a run of lookups (one wipe) shares: the platform family, asked once,
// and the process status library, loaded at most once and freed at the end.
struct ImageLookups {
    DWORD platform;  // 0 until asked
    bool psapiTried;
    HMODULE psapi;
    EnumProcessModulesFn enumModules;
    GetModuleFileNameExAFn moduleFileName;
};

void BeginImageLookups(ImageLookups& lookups);
void EndImageLookups(ImageLookups& lookups);

// Full path of the executable of process `processId`, into a buffer of
// kPathBufferSize bytes. False on failure, and the buffer is then undefined.
bool LookUpImagePath(ImageLookups& lookups, DWORD processId, char* path);

// The same for the process that owns `window`, as a run of one lookup.
bool GetWindowProcessImagePath(HWND window, char* path);

// How many executable lookups have been made since the program started; tests
// count them to see that a wipe asks about each process once.
unsigned long ImagePathLookupCount();

// The separate routes, for tests that must exercise each one.
bool ImagePathFromModuleList(DWORD processId, char* path);
bool ImagePathFromImageQuery(DWORD processId, char* path);
bool ImagePathFromProcessSnapshot(DWORD processId, char* path);
