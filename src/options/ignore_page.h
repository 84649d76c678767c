#pragma once
#include <windows.h>

INT_PTR CALLBACK IgnorePageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam);
