// One wipe's life, from the gesture that starts it to the window in front
// that ends it, over the state it is handed. The shell owns that state and
// forwards its window messages and timer callbacks here; tests hand in their own.
#pragma once
#include <windows.h>

#include "../bars/bar.h"
#include "../bars/bar_layout.h"
#include "../config/ignore_list.h"
#include "../config/settings.h"
#include "../desktop/full_screen.h"
#include "moved_file_store.h"
#include "moved_windows.h"

// The shell's timer and hook callbacks, which call back into this session.
struct WipeCallbacks {
    TIMERPROC dragHover;     // DragHoverTick
    TIMERPROC dragConfirm;   // DragConfirmTick
    TIMERPROC restoreWatch;  // RestoreWatchTick, with the bar's window as its window
    HOOKPROC buttons;        // a low-level mouse hook that hands each press and release to ButtonSeen
    TIMERPROC rest;          // RestTick, with the bar's window as its window
};

struct WipeSession {
    HWND mainWindow;          // carries the drag-hover timers, and owns the bars
    BarList bars;             // every bar made, each monitor's in Edge order, the primary's first
    int monitorsWithBars;     // the first monitors that have bars now: all with Every screen, else the primary
    Monitors monitors;        // as found at start-up and at each change of the displays
    HBRUSH barBrush;          // paints every window of the bars' class
    ScreenSize screen;        // the primary screen
    const Settings* settings;
    const IgnoreList* ignore;
    MovedWindowTable moved;
    // While a program shows full screen on a monitor that monitor's bars step
    // aside, hidden, and take no gesture; they come back on top when it
    // leaves. One bit per monitor.
    unsigned barsAside;
    FrontWindowLook front;
    WipeCallbacks timers;
    // Asks Windows for the front for a bar: SetForegroundWindow, or a test's
    // stand-in that refuses, as Windows does to a program that did not have
    // the last input.
    BOOL(WINAPI* requestForeground)(HWND window);
    // The window in front as the first gesture of a wipe began, before a bar
    // took the front: it gets the front back when Sashlet's own gesture ends the wipe.
    HWND frontBefore;
    // While a window other than the bar keeps a wipe, every press and release
    // is heard, so that the press in it after the drop ends the wipe.
    HHOOK buttonWatch;
    bool buttonReleased;      // since that wipe began
    // Each push writes down what it moves in "Sashlet.moved" first: the
    // program does, tests mostly do not.
    bool keepsMovedFile;
    MovedFileStore movedFile;
    bool heldKeys;            // the edges' keys are registered with Ctrl and with Shift too, a button being held
};

// Moves the bar out by the wipe distance at its monitor's DPI, pushes the
// windows of its monitor reaching into the strip onto its line and starts
// the bar's restore watch.
void WipeEdge(WipeSession& wipe, Bar& bar);

// The system's move loop is about to move the bar.
void BarMoveBegins(Bar& bar);

// After the bar was dragged: pushes the windows onto its inner side where it
// lies, and starts its restore watch. A wiped bar dragged back to its edge
// ends the wipe instead, the front going back as after the key.
void WipeToDraggedBar(WipeSession& wipe, Bar& bar);

// Ends every wipe: bars home, every moved window back, drag-hover polling on again.
void EndWipe(WipeSession& wipe);

// A gesture that may wipe begins (a press on a bar, an edge's key, a held
// button's wipe): the window in front is remembered, unless a wipe is under
// way already or it is Sashlet's own.
void GestureBegins(WipeSession& wipe);

// A button was pressed or released at `at`, heard while a window other than
// the bar keeps a wipe: a press in that window after the button has once
// been released takes its right away, so the wipe ends when it is let go.
void ButtonSeen(WipeSession& wipe, bool pressed, Point at);

// The edge's key was pressed: the edge of the monitor under the pointer (of
// those with bars) not wiped is wiped as a double-click on its bar wipes it,
// ending any other wipe first, and a wiped one's wipe ends, the front going
// back to the window that had it before the wipe began. A key pressed
// while a button is held, as in the middle of a drag, leaves the window in
// front where it is, as the held-file wipe does, so the drag goes on over
// the opened strip. While that monitor's bars stand aside for a full-screen
// program, or the edge has no bar, it does nothing.
void EdgeKeyPressed(WipeSession& wipe, Edge edge);

// Escape on a wiped bar, which is in front since its wipe, ends the wipe and
// gives the front back.
void EscapeOnBar(WipeSession& wipe, Bar& bar);

// Sashlet is ending, or the whole session is (signing out, shutting down,
// restarting for updates): every wipe ends, and the programs whose windows
// go home get a moment to take their moves, as many save their window's
// place as they close. A program that does not answer costs no more than
// that moment. A bar in front gives the front back.
void EndWipeBeforeLeaving(WipeSession& wipe);

// Makes the bars of the enabled edges that have none yet on every monitor
// that is to have bars, shows them, hides the others, and lays them out in
// the colour, thickness and opacity of the settings in use.
void ApplySettingsToBars(WipeSession& wipe, BarActivation activation);

// The displays changed (monitors added, removed, rearranged, or a new
// resolution): the monitors are found again, every wipe ends, except that a
// window whose home now lies on no monitor stays where the system put it;
// then `settings` is read again for the new primary screen, as a fresh
// start on it would read it, and the bars are laid out for the monitors
// there now without taking the foreground.
void FollowDisplayChange(WipeSession& wipe, Settings& settings);

// Polls for a button held over a bar, as a drag onto it shows itself.
void StartDragHoverPoll(WipeSession& wipe);

// The pointer is over a window of the class, `bar` or the main window (none),
// so it hears of a held button itself: no polling. Resting on a bar for the
// settings' HoverDelay wipes its edge as a double-click does; moving along
// it does not restart the rest.
void PointerOverBar(WipeSession& wipe, Bar* bar);

// The pointer left the window: poll for a held button again, and confirm
// nothing; a bar's rest ends.
void PointerLeftBar(WipeSession& wipe, Bar* bar);

// The pointer left the bars, as the held-file wipe's poll sees it.
void PointerLeftBars(WipeSession& wipe);


// The timers' work.
void RestTick(WipeSession& wipe, Bar& bar);
void DragHoverTick(WipeSession& wipe);
void DragConfirmTick(WipeSession& wipe);
void RestoreWatchTick(WipeSession& wipe, Bar& bar);
