#pragma once
#include <windows.h>

// The window procedure of the class shared by the main window and the bars.
LRESULT CALLBACK SashletWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
