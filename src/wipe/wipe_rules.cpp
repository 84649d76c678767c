#include "wipe_rules.h"

#include "../desktop/monitor_rules.h"

FrontVerdict JudgeFrontWindow(WindowHandle front, WindowHandle bar, WindowHandle remembered, bool buttonHeld,
                              const FrontQuestions& ask)
{
    if (!front || front == bar || front == remembered || buttonHeld)
        return FrontKeepsWipe;
    if (ask.isDesktop(ask.context, front) || ask.isIgnored(ask.context, front))
        return FrontKeepsWipeFromNowOn;
    return FrontEndsWipe;
}

HoverStep NextHoverStep(HoverStage stage, const HoverFacts& facts)
{
    const bool heldOverBar = facts.buttonHeld && !facts.windowBeingMoved && facts.overShownBar && facts.barInSight;
    if (stage == HoverPolling)
        return heldOverBar ? HoverConfirms : HoverWaits;
    return heldOverBar ? HoverWipes : HoverPollsAgain;
}

bool StaysWhereTheSystemPutIt(const Rect& home, const Rect& now, Point sent, const Monitors& monitors)
{
    return monitors.count > 0 && !(Point{now.left, now.top} == sent) && !OnSomeMonitor(home, monitors) &&
           OnSomeMonitor(now, monitors);
}
