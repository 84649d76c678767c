// A library that stands for one planted beside a program: found only where
// the program's library search looks in its own folder.
#include <windows.h>

extern "C" __declspec(dllexport) int PlantedLibraryLoaded() { return 1; }
