// How a bar answers the pointer: its cursor, the notice that the pointer has
// left it, and its menu.
#pragma once
#include <windows.h>

#include "../common/geometry.h"
#include "../common/ui_language.h"

// Each edge's cursor, loaded on first use: LoadImage hands out a new cursor
// object on every call.
struct BarCursors {
    HCURSOR byEdge[EdgeCount];
};

// Shows the cursor that points the way a wipe from `edge` pushes.
void SetBarCursor(BarCursors& cursors, HINSTANCE instance, Edge edge);

// Asks the system to tell `window` once when the pointer leaves it.
void AskForLeaveNotice(HWND window);

// The bar's menu in the user's language, at `at` in the bar's client
// coordinates, owned by the bar; returns once it has closed.
void ShowBarMenu(HINSTANCE instance, UiLanguage language, HWND bar, Point at);
