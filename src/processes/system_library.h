// Libraries Sashlet loads at run time, which not every Windows has.
#pragma once
#include <windows.h>

// Loads `fileName` from the system folder by its full path: a bare name would
// be searched for in the program's own folder first, where a planted copy
// would run. None when it cannot be loaded.
HMODULE LoadSystemLibrary(const char* fileName);

// A function of a loaded library, as its own type: the address GetProcAddress
// hands back has to pass through FARPROC first. None when either is missing.
template <typename Fn>
Fn LibraryFunction(HMODULE library, const char* name)
{
    return library ? reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(library, name))) : nullptr;
}

// How the program's own library search was narrowed at start-up.
enum LibrarySearch {
    SearchSystemFolderOnly,  // SetDefaultDllDirectories: libraries named bare come from the system folder
    SearchWithoutWorkingFolder,  // SetDllDirectoryA(""): older systems leave out at least the working folder
    SearchUnchanged,  // neither call exists (Windows XP before its first service pack)
};

// The common controls and the file dialog load further libraries by bare
// name, which Windows looks for in the program's own folder first: a copy
// planted beside a program run from Downloads would run inside it. Both
// calls are looked up at run time, as not every Windows has them.
LibrarySearch NarrowLibrarySearch();
