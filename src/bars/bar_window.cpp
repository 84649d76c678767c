#include "bar_window.h"

#include <windowsx.h>

#include "bar_layout.h"

// Any window of the class receiving WM_DESTROY ends the program: this is both
// the Close command and the way a newer copy takes over.
static void OnDestroy(HWND) { PostQuitMessage(0); }

LRESULT CALLBACK BarWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_DESTROY:
        OnDestroy(window);
        return 0;
    case WM_MOVING:
        ConstrainBarDrag(window, reinterpret_cast<RECT*>(lParam));
        return TRUE;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}
