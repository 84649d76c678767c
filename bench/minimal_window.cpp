// The yardstick for start-up time: a program that only shows one window,
// with Sashlet's manifest (minimal_window.rc). Started with "bars", it makes
// the windows Sashlet makes and nothing else: a hidden main window, then a
// thin layered topmost bar it owns on each monitor's left edge, "MinimalBar
// 1", "MinimalBar 2" and so on, each shown and then brought to the front.
#include <windows.h>

#include <cstdio>
#include <cstring>

static LRESULT CALLBACK Proc(HWND w, UINT msg, WPARAM wp, LPARAM lp)
{
    if (msg == WM_DESTROY)
        PostQuitMessage(0);
    return DefWindowProcA(w, msg, wp, lp);
}

struct Bars {
    HINSTANCE instance;
    HWND owner;
    HWND made[16];
    int count;
};

static BOOL CALLBACK AddBar(HMONITOR, HDC, LPRECT monitor, LPARAM context)
{
    Bars& bars = *reinterpret_cast<Bars*>(context);
    if (bars.count == 16)
        return FALSE;
    char title[32];
    snprintf(title, sizeof title, "MinimalBar %d", bars.count + 1);
    bars.made[bars.count++] = CreateWindowExA(WS_EX_TOOLWINDOW | WS_EX_TOPMOST | WS_EX_LAYERED, "MinimalWindow", title,
                                              WS_POPUP, monitor->left, monitor->top, 2, monitor->bottom - monitor->top,
                                              bars.owner, nullptr, bars.instance, nullptr);
    return TRUE;
}

static void ShowBars(HINSTANCE instance)
{
    Bars bars = {instance, nullptr, {}, 0};
    bars.owner = CreateWindowExA(0, "MinimalWindow", "MinimalMain", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, instance,
                                 nullptr);
    EnumDisplayMonitors(nullptr, nullptr, AddBar, reinterpret_cast<LPARAM>(&bars));
    for (int i = 0; i < bars.count; ++i) {
        SetLayeredWindowAttributes(bars.made[i], 0, 255, LWA_ALPHA);
        SetWindowPos(bars.made[i], HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW | SWP_NOACTIVATE);
    }
    for (int i = 0; i < bars.count; ++i)
        SetWindowPos(bars.made[i], HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
}

int WINAPI WinMain(HINSTANCE inst, HINSTANCE, LPSTR commandLine, int)
{
    WNDCLASSA wc = {};
    wc.lpfnWndProc = Proc;
    wc.hInstance = inst;
    wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    wc.lpszClassName = "MinimalWindow";
    RegisterClassA(&wc);
    if (strcmp(commandLine, "bars") == 0)
        ShowBars(inst);
    else
        CreateWindowExA(0, "MinimalWindow", "MinimalWindow", WS_POPUP | WS_VISIBLE, 100, 100, 200, 100, nullptr,
                        nullptr, inst, nullptr);
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0)
        DispatchMessageA(&msg);
    return 0;
}
