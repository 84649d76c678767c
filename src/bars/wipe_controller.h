#pragma once
#include <windows.h>

// How far a wipe opens: the desktop's horizontal icon spacing times the
// configured multiple, for every edge.
int WipeDistance();

// Moves the bar out by `distance`, pushes the windows and starts its restore watch.
void WipeFromEdge(HWND bar, int distance);

// After a bar was dragged: pushes the windows onto its inner side where it lies.
void WipeToBar(HWND bar);

// Bars home, every moved window back, drag-hover polling on again.
void RestoreAll();

// Stops every bar's restore watch; the moved windows stay where they are.
void StopRestoreWatches();

// (Re)starts the poll that notices a button held over a bar.
void StartDragHoverPoll();

// The bar under the mouse cursor, or none.
HWND HitTestBars();

void CALLBACK DragHoverPoll(HWND window, UINT message, UINT_PTR id, DWORD time);
void CALLBACK DragConfirm(HWND window, UINT message, UINT_PTR id, DWORD time);
void CALLBACK RestoreWatch(HWND bar, UINT message, UINT_PTR id, DWORD time);
