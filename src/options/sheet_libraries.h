// The common controls and the common dialogs serve the options sheet alone.
// They are loaded the first time it opens rather than at start-up: with the
// libraries they bring in (the shell, the print spooler), loading them cost
// a start more than everything Sashlet itself does before its bars show.
#pragma once
#include <windows.h>
#include <commctrl.h>
#include <commdlg.h>

// Loads both libraries once and makes the common controls' window classes.
// False, with nothing loaded, when either is missing: then the sheet cannot open.
bool LoadSheetLibraries();

// The sheet's calls into them; each fails as its own function does when the
// libraries are not loaded.
HPROPSHEETPAGE SheetCreatePage(const PROPSHEETPAGEA* page);
INT_PTR SheetRun(const PROPSHEETHEADERA* header);
BOOL SheetChooseColour(CHOOSECOLORA* cc);
BOOL SheetOpenFileName(OPENFILENAMEA* ofn);
