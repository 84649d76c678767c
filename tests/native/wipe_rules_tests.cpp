// Which window in front keeps a wipe, and when a held button wipes, over
// plain facts: the rules the restore watch and the drag-hover poll follow.
#include <doctest/doctest.h>

#include <cstdint>

#include "wipe/wipe_rules.h"

namespace {
WindowHandle H(uintptr_t n) { return reinterpret_cast<WindowHandle>(n); }

const WindowHandle kBar = H(1), kRemembered = H(2), kDesktop = H(3), kShellIcons = H(4), kIgnored = H(5),
                   kOther = H(6), kOtherBar = H(7), kSheet = H(8);

// What the system would answer, and how often it was asked.
struct Answers {
    int asked = 0;
};

bool IsDesktop(void* c, WindowHandle w)
{
    ++static_cast<Answers*>(c)->asked;
    return w == kDesktop || w == kShellIcons;
}

bool IsIgnored(void* c, WindowHandle w)
{
    ++static_cast<Answers*>(c)->asked;
    return w == kIgnored;
}
}

TEST_CASE("the window in front keeps the wipe or ends it")
{
    struct Row {
        const char* what;
        WindowHandle front;
        bool buttonHeld;
        FrontVerdict verdict;
        bool asksOthers;  // whether the answer needed a look at other programs
    };
    const Row rows[] = {
        {"no window", nullptr, false, FrontKeepsWipe, false},
        {"the wiping bar", kBar, false, FrontKeepsWipe, false},
        {"the window remembered", kRemembered, false, FrontKeepsWipe, false},
        {"the desktop", kDesktop, false, FrontKeepsWipeFromNowOn, true},
        {"the shell's icon window", kShellIcons, false, FrontKeepsWipeFromNowOn, true},
        {"an ignored program", kIgnored, false, FrontKeepsWipeFromNowOn, true},
        {"another window", kOther, false, FrontEndsWipe, true},
        {"another bar", kOtherBar, false, FrontEndsWipe, true},
        {"the options sheet", kSheet, false, FrontEndsWipe, true},
        {"another window, the button still held", kOther, true, FrontKeepsWipe, false},
        {"the desktop, the button still held", kDesktop, true, FrontKeepsWipe, false},
    };
    for (const Row& r : rows) {
        CAPTURE(r.what);
        Answers answers;
        const FrontQuestions ask = {&answers, IsDesktop, IsIgnored};
        CHECK(JudgeFrontWindow(r.front, kBar, kRemembered, r.buttonHeld, ask) == r.verdict);
        CHECK((answers.asked > 0) == r.asksOthers);
    }
}

TEST_CASE("a button held over a shown bar is confirmed a tick later, and only then wipes")
{
    struct Row {
        const char* what;
        HoverFacts facts;
        HoverStep polling, confirming;
    };
    const Row rows[] = {
        {"nothing held", {false, false, false, false}, HoverWaits, HoverPollsAgain},
        {"held elsewhere", {true, false, false, false}, HoverWaits, HoverPollsAgain},
        {"held over a bar", {true, false, true, true}, HoverConfirms, HoverWipes},
        {"held where a full-screen program covers a bar", {true, false, true, false}, HoverWaits, HoverPollsAgain},
        {"a window dragged by its frame over a bar", {true, true, true, true}, HoverWaits, HoverPollsAgain},
        {"over a bar, nothing held", {false, false, true, true}, HoverWaits, HoverPollsAgain},
    };
    for (const Row& r : rows) {
        CAPTURE(r.what);
        CHECK(NextHoverStep(HoverPolling, r.facts) == r.polling);
        CHECK(NextHoverStep(HoverConfirming, r.facts) == r.confirming);
    }
}

TEST_CASE("a window whose monitor went while it was pushed stays where the system put it, and only then")
{
    const Monitors mainAlone = {{{0, 0, 1024, 768}}, 1};
    const Rect homeOnGone = {1100, 100, 1400, 300}, putOnMain = {100, 100, 400, 300};
    const Point sent = {1250, 100};
    CHECK(StaysWhereTheSystemPutIt(homeOnGone, putOnMain, sent, mainAlone));
    // Still where the push sent it, it goes home: a smaller resolution that
    // comes back shows it there again.
    const Rect stillSent = {1250, 100, 1550, 300}, sentOnMain = {900, 100, 1200, 300};
    CHECK_FALSE(StaysWhereTheSystemPutIt(homeOnGone, stillSent, sent, mainAlone));
    CHECK_FALSE(StaysWhereTheSystemPutIt(homeOnGone, sentOnMain, Point{900, 100}, mainAlone));
    // Moved, but off every monitor too: home.
    CHECK_FALSE(StaysWhereTheSystemPutIt(homeOnGone, Rect{2000, 100, 2300, 300}, sent, mainAlone));
    // A home with a sliver on a monitor is still on the screen.
    CHECK_FALSE(StaysWhereTheSystemPutIt(Rect{1020, 100, 1320, 300}, putOnMain, sent, mainAlone));
    CHECK_FALSE(StaysWhereTheSystemPutIt(homeOnGone, putOnMain, sent, Monitors{{}, 0}));
}
