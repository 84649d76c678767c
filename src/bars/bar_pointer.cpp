#include "bar_pointer.h"

#include "../../res/resource.h"
#include "../config/edges.h"

// The cursors are drawn 32 pixels square and shown at half that size.
const int kCursorSize = 16;

void SetBarCursor(BarCursors& cursors, HINSTANCE instance, Edge edge)
{
    HCURSOR& cursor = cursors.byEdge[edge];
    if (!cursor)
        cursor = static_cast<HCURSOR>(LoadImageA(instance, MAKEINTRESOURCEA(kEdges[edge].cursorId), IMAGE_CURSOR,
                                                 kCursorSize, kCursorSize, LR_DEFAULTCOLOR));
    SetCursor(cursor);
}

void AskForLeaveNotice(HWND window)
{
    TRACKMOUSEEVENT tme = {};
    tme.cbSize = sizeof tme;
    tme.dwFlags = TME_LEAVE;
    tme.hwndTrack = window;
    TrackMouseEvent(&tme);
}

void ShowBarMenu(HINSTANCE instance, UiLanguage language, HWND bar, Point at)
{
    HMENU menu = LoadMenuA(instance, MAKEINTRESOURCEA(language == LanguageJapanese ? IDM_CONTEXT_JAPANESE
                                                                                   : IDM_CONTEXT_ENGLISH));
    if (!menu)
        return;
    POINT pt = {at.x, at.y};
    ClientToScreen(bar, &pt);
    TrackPopupMenu(GetSubMenu(menu, 0), TPM_VCENTERALIGN, pt.x, pt.y, 0, bar, nullptr);
    DestroyMenu(menu);
}
