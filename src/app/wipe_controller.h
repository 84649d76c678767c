// When wipes start and end, driven by the bar window procedure and by the
// controller's own timers, all on the UI thread. The controller is where the
// application's state meets the layout and the engine: everything below it
// takes what it needs as parameters.
#pragma once
#include <windows.h>

#include "../wipe/bar_layout.h"

// The timers, all set with a callback on the UI thread.
enum WipeTimer : UINT_PTR {
    TimerDragHover = 11,    // on the main window, every 200 ms: a button held over a bar?
    TimerWatchLeft = 13,    // on each bar, every 100 ms while its edge is wiped: still wiped?
    TimerWatchRight = 14,
    TimerWatchTop = 15,
    TimerWatchBottom = 16,
    TimerDragConfirm = 17,  // on the main window, 300 ms after a bar came forward: still held?
};

// How far a wipe opens: the desktop's horizontal icon spacing times the
// configured multiple, for every edge.
int WipeDistance();

// Moves the bar out by `distance`, pushes the windows and starts its restore watch.
void WipeEdgeBy(HWND bar, int distance);

// After a bar was dragged: pushes the windows onto its inner side where it lies.
void WipeEdgeToDraggedBar(HWND bar);

// Bars home, every moved window back, drag-hover polling on again.
void RestoreAll();

// Polls for a button held over a bar, as a drag onto it shows itself.
void StartDragHoverPoll();

// Reads the settings file again and shows the bars of the enabled edges.
void ReloadSettings();

// Lays the bars out from the settings in use.
void LayOutBars(BarActivation activation);

// A new screen size: moved windows go home, and the bars are laid out as a
// fresh start on this screen would lay them out, without taking the foreground.
void FollowDisplayChange();

// The pointer is over a bar, so the bar itself hears of it: no polling.
void StopDragHoverPoll();

// The pointer left a bar: poll for a held button again, and confirm nothing.
void ResumeDragHoverPoll();

// The shown bar under the mouse cursor, or none.
HWND HitTestBars();

// Lets a test refuse the bar the foreground, as Windows does to a program
// that did not have the last input; none restores SetForegroundWindow.
void SetForegroundRequestForTests(BOOL(WINAPI* request)(HWND window));

void CALLBACK DragHoverPoll(HWND window, UINT message, UINT_PTR id, DWORD time);
void CALLBACK DragConfirm(HWND window, UINT message, UINT_PTR id, DWORD time);
void CALLBACK RestoreWatch(HWND bar, UINT message, UINT_PTR id, DWORD time);
