// Libraries Sashlet loads at run time, which not every Windows has.
#pragma once
#include <windows.h>

// Loads `fileName` from the system folder by its full path: a bare name would
// be searched for in the program's own folder first, where a planted copy
// would run. None when it cannot be loaded.
HMODULE LoadSystemLibrary(const char* fileName);
