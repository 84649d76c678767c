// One wipe's life, from the gesture that starts it to the window in front
// that ends it, over the state it is handed. The shell owns that state and
// forwards its window messages and timer callbacks here; tests hand in their own.
#pragma once
#include <windows.h>

#include "../config/ignore_list.h"
#include "../config/settings.h"
#include "bar_layout.h"
#include "moved_windows.h"
#include "window_facts.h"

// The shell's timer callbacks, which call back into this session.
struct WipeTimerProcs {
    TIMERPROC dragHover;     // DragHoverTick
    TIMERPROC dragConfirm;   // DragConfirmTick
    TIMERPROC restoreWatch;  // RestoreWatchTick, with the bar as its window
};

struct WipeSession {
    HWND mainWindow;          // carries the drag-hover timers
    HWND bars[EdgeCount];     // in Edge order
    HBRUSH barBrush;          // paints every window of the bars' class
    ScreenSize screen;        // the primary screen
    const Settings* settings;
    const IgnoreList* ignore;
    MovedWindowTable moved;
    // Per wiped edge, besides its bar, the one window that keeps the wipe in
    // front: the one left there when the bar was refused the foreground, then
    // the last desktop or ignored window found there.
    HWND allowedInFront[EdgeCount];
    bool wiped[EdgeCount];    // the edge's restore watch runs
    // While a program shows full screen the bars step aside, hidden, and
    // take no gesture; they come back on top when it leaves.
    bool barsAside;
    FrontWindowLook front;
    WipeTimerProcs timers;
    // Each push writes down what it moves in "Sashlet.moved" first: the
    // program does, tests mostly do not.
    bool keepsMovedFile;
};

// Moves the edge's bar out by the wipe distance, pushes the windows reaching
// into the strip onto its line and starts the edge's restore watch.
void WipeEdge(WipeSession& wipe, Edge edge);

// After the edge's bar was dragged: pushes the windows onto its inner side
// where it lies, and starts the edge's restore watch.
void WipeToDraggedBar(WipeSession& wipe, Edge edge);

// Ends every wipe: bars home, every moved window back, drag-hover polling on again.
void EndWipe(WipeSession& wipe);

// The edge's key was pressed: an edge not wiped is wiped as a double-click
// on its bar wipes it, ending any other edge's wipe first, and a wiped edge's
// wipe ends. A key pressed while a button is held, as in the middle of a
// drag, leaves the window in front where it is, as the held-file wipe
// does, so the drag goes on over the opened strip. While the bars stand
// aside for a full-screen program, or the edge has no bar, it does nothing.
void EdgeKeyPressed(WipeSession& wipe, Edge edge);

// Escape on a wiped edge's bar, which is in front since its wipe, ends the wipe.
void EscapeOnBar(WipeSession& wipe, Edge edge);

// Sashlet is ending, or the whole session is (signing out, shutting down,
// restarting for updates): every wipe ends, and the programs whose windows
// go home get a moment to take their moves, as many save their window's
// place as they close. A program that does not answer costs no more than
// that moment.
void EndWipeBeforeLeaving(WipeSession& wipe);

// Shows the bars of the enabled edges, hides the others, and lays them out
// in the colour, thickness and opacity of the settings in use.
void ApplySettingsToBars(WipeSession& wipe, BarActivation activation);

// A new screen size: every wipe ends while the moved windows' places still
// mean what they meant on the old screen; then `settings` is read again for
// the new screen, as a fresh start on it would read it, and the bars are laid
// out without taking the foreground.
void FollowDisplayChange(WipeSession& wipe, Settings& settings);

// Polls for a button held over a bar, as a drag onto it shows itself.
void StartDragHoverPoll(WipeSession& wipe);

// The pointer is over a bar, so the bar itself hears of it: no polling.
void PointerOverBar(WipeSession& wipe);

// The pointer left a bar: poll for a held button again, and confirm nothing.
void PointerLeftBars(WipeSession& wipe);

// The timers' work.
void DragHoverTick(WipeSession& wipe);
void DragConfirmTick(WipeSession& wipe);
void RestoreWatchTick(WipeSession& wipe, Edge edge);

// Lets a test refuse the bar the foreground, as Windows does to a program
// that did not have the last input; none restores SetForegroundWindow.
void SetForegroundRequestForTests(BOOL(WINAPI* request)(HWND window));
