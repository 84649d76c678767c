// When a wipe starts from a held button and when it ends: the decisions
// alone, over plain facts, so they are checked natively against tables.
#pragma once
#include "moved_windows.h"

// What the window in front means for a wiped edge's restore watch.
enum FrontVerdict {
    FrontKeepsWipe,             // the wipe lasts
    FrontKeepsWipeFromNowOn,    // the wipe lasts, and this window is remembered as allowed in front
    FrontEndsWipe,              // every moved window goes home
};

// The questions that cost a look at other programs, asked only when the
// cheaper facts leave the window in front undecided.
struct FrontQuestions {
    void* context;
    bool (*isDesktop)(void* context, WindowHandle window);  // the desktop or the shell's icon windows
    bool (*isIgnored)(void* context, WindowHandle window);  // a window of a program on the ignore list
};

// The wipe lasts while nothing is in front, or the wiping bar, or the window
// remembered as allowed there (the drag's source when Windows refused the bar
// the foreground, or the last desktop or ignored window found there), or the
// desktop, or an ignored program. A window brought forward by a press is
// judged once the button is released, so the click lands where the user
// pressed. Anything else ends it, the other bars and the options sheet included.
FrontVerdict JudgeFrontWindow(WindowHandle front, WindowHandle bar, WindowHandle remembered, bool buttonHeld,
                              const FrontQuestions& ask);

// A file dragged onto a bar shows only as a button held over it: the poll
// notices it, and a confirmation a moment later wipes if it is still there.
enum HoverStage { HoverPolling, HoverConfirming };
enum HoverStep {
    HoverWaits,        // nothing to do this tick
    HoverConfirms,     // stop polling; confirm at the next tick
    HoverPollsAgain,   // it only brushed the bar: poll again at once
    HoverWipes,        // wipe the edge under the pointer
};

struct HoverFacts {
    bool buttonHeld;        // left or right
    bool windowBeingMoved;  // a window dragged by its frame, a bar included, holds the button too: no file
    bool overShownBar;      // the pointer is on a bar that is shown
    bool barInSight;        // and that bar is what the user sees there: no other window covers it
};

HoverStep NextHoverStep(HoverStage stage, const HoverFacts& facts);

// A pushed window whose home lies on no monitor now, its monitor gone, and
// which the system has moved from where the push sent it onto a monitor,
// stays there: sent home it would leave the screen. One still where it was
// sent goes home, as after a change of resolution that comes back: its
// place shows again with the display that holds it.
bool StaysWhereTheSystemPutIt(const Rect& home, const Rect& now, Point sent, const Monitors& monitors);
