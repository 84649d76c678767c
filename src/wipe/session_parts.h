// What the files of one wipe's life share among themselves: the wipe itself
// (wipe_session), the front it takes and gives back (front_given_back), and
// the poll that notices a dragged file held over a bar (drag_hover).
#pragma once
#include "wipe_session.h"

bool AnyEdgeWiped(const WipeSession& wipe);

// The left or the right button is down, as GetAsyncKeyState says.
bool ButtonHeld();

// The main window or a bar.
bool IsSashletWindow(const WipeSession& wipe, HWND window);

// A wipe ended by Sashlet's own gesture: the front goes back to the window
// remembered as the wipe began, unless the user has turned to another.
void GiveFrontBack(WipeSession& wipe);
void EndWipeGivingFrontBack(WipeSession& wipe);

// The mouse hook that hears the drop and the next press, while a window
// other than the bar keeps a wipe.
void StartButtonWatch(WipeSession& wipe);
void StopButtonWatch(WipeSession& wipe);

// The pointer rests on the bar, or has left it.
void RestBegins(WipeSession& wipe, Bar& bar);
void RestEnds(Bar& bar);

// The bars are home: the one the pointer is on does not wipe for its rest
// until the pointer has left it and come back; every other may again.
void SpendRestsUnderPointer(WipeSession& wipe);

// Shows or hides the bars of the monitors whose bit in `aside` changed.
void StepBarsAside(WipeSession& wipe, unsigned aside);
