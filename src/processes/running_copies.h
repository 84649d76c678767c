// Other copies of Sashlet: the one started last takes over from every one
// running, and copies started at once take turns.
#pragma once
#include <windows.h>

// Copies started at once take turns from the search for a running copy until
// their bars stand, so the last one ends every other. A copy that holds its
// turn longer than `wait` is frozen; the next one goes ahead without it.
// Returns the turn to give up, or none when it went ahead without one.
HANDLE TakeStartUpTurn(DWORD wait);
void GiveUpStartUpTurn(HANDLE turn);

// Every running copy, each found by its main window of `className` titled
// `title`, ends its loop before the message is answered; each that answered
// gets up to `endWait` milliseconds to end its process, its windows home.
void HandOverFromRunningCopies(const char* className, const char* title, DWORD endWait);
