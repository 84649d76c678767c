#pragma once
#include <windows.h>
#include <commctrl.h>

// Runs the modal options sheet; returns when the user has closed it.
void ShowOptionsSheet();

// The Options page tells the sheet its window once the sheet has made it.
void RememberOpenSheet(HWND sheet);

// True for the notice the sheet sends each page when the user presses OK.
inline bool IsApplyNotice(LPARAM lParam) { return reinterpret_cast<const NMHDR*>(lParam)->code == PSN_APPLY; }
