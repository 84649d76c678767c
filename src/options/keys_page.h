#pragma once
#include <windows.h>

// The Keys page: a hot-key control and a Win box per edge, and a mark on each
// whose key another program holds. What it shows is the sheet's pending
// keys; OK on the Options page takes them.
INT_PTR CALLBACK KeysPageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam);
