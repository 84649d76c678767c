// What the probe's commands share across its files.
#pragma once
#include <windows.h>

// The open property sheet, or with `wantBox` the open message box; none when there is none.
HWND FindDialogWindow(bool wantBox);

// N double-click wipes of the Left bar, each ended by activating the window titled `otherTitle`.
int SoakWipes(int n, const char* otherTitle);
// N openings of the options sheet, each closed with OK.
int SoakOptions(int n);
// USER objects in use in the session; GDI objects of the process owning `w`, by type.
int UserObjects();
int GdiObjects(HWND w);

// Commands of probe_processes.cpp, as the command table calls them: argv[2]
// onward are the command's own arguments; `w` the window they name, if any.
int EndSession(char** argv, HWND w);
int Resources(char** argv, HWND w);
int LoadIn(char** argv, HWND w);
