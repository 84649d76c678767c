#pragma once
#include <windows.h>

// The window procedure of the class shared by the main window and the bars.
LRESULT CALLBACK SashletWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// The timers' callbacks, which the wipe sets on the main window and the bars.
void CALLBACK DragHoverTimer(HWND window, UINT message, UINT_PTR id, DWORD time);
void CALLBACK DragConfirmTimer(HWND window, UINT message, UINT_PTR id, DWORD time);
void CALLBACK RestoreWatchTimer(HWND bar, UINT message, UINT_PTR id, DWORD time);
void CALLBACK RestTimer(HWND bar, UINT message, UINT_PTR id, DWORD time);

// The low-level mouse hook set while a window other than the bar keeps a wipe.
LRESULT CALLBACK ButtonWatchHook(int code, WPARAM message, LPARAM info);
