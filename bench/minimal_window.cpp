// The yardstick for start-up time: a program that only shows one window,
// with Sashlet's manifest (minimal_window.rc).
#include <windows.h>

static LRESULT CALLBACK Proc(HWND w, UINT msg, WPARAM wp, LPARAM lp)
{
    if (msg == WM_DESTROY)
        PostQuitMessage(0);
    return DefWindowProcA(w, msg, wp, lp);
}

int WINAPI WinMain(HINSTANCE inst, HINSTANCE, LPSTR, int)
{
    WNDCLASSA wc = {};
    wc.lpfnWndProc = Proc;
    wc.hInstance = inst;
    wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    wc.lpszClassName = "MinimalWindow";
    RegisterClassA(&wc);
    CreateWindowExA(0, "MinimalWindow", "MinimalWindow", WS_POPUP | WS_VISIBLE, 100, 100, 200, 100, nullptr, nullptr,
                    inst, nullptr);
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0)
        DispatchMessageA(&msg);
    return 0;
}
