// Test helper: a process that owns plain top-level windows for wipes to move.
//   testwin LAYOUT...   each LAYOUT is TITLE:LEFT,TOP,WIDTH,HEIGHT[:OPTION...]
// Options: hidden (created without WS_VISIBLE), progman (class "Progman", so it
// stands in for the desktop's "Program Manager" window), minimized, caption (a
// framed, captioned window), maximized (captioned and maximised).
// A window sent WM_APP stops pumping messages, as a program that has stopped
// responding does, until the event "SashletTestResume" is set.
// A press on a window holds the mouse until release, as a drag-and-drop source does.
// A layout "many:N:LEFT,TOP,WIDTH,HEIGHT[:NAME]" makes N windows titled
// NAME0..NAME(N-1), "many" when no NAME is given.
// The process runs until it is killed or one of its windows gets WM_CLOSE.
#include <windows.h>
#include <cstdio>
#include <cstdlib>
#include <cstring>

// A press starts what a drag source does: it keeps the mouse until release,
// so windows it passes over get no mouse messages.
static LRESULT CALLBACK TestWindowProc(HWND w, UINT msg, WPARAM wp, LPARAM lp)
{
    switch (msg) {
    case WM_CLOSE:
        PostQuitMessage(0);
        return 0;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
        SetCapture(w);
        return 0;
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
        ReleaseCapture();
        return 0;
    case WM_APP: {
        // A plain wait, not a message wait: sent messages queue up unanswered.
        HANDLE resume = CreateEventA(nullptr, FALSE, FALSE, "SashletTestResume");
        WaitForSingleObject(resume, INFINITE);
        CloseHandle(resume);
        return 0;
    }
    }
    return DefWindowProcA(w, msg, wp, lp);
}

static void Register(const char* name, HINSTANCE inst)
{
    WNDCLASSA wc = {};
    wc.lpfnWndProc = TestWindowProc;
    wc.hInstance = inst;
    wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    wc.hbrBackground = CreateSolidBrush(RGB(90, 90, 110));
    wc.lpszClassName = name;
    RegisterClassA(&wc);
}

static void Create(const char* title, int x, int y, int w, int h, const char* options, HINSTANCE inst)
{
    const bool hidden = strstr(options, "hidden") != nullptr;
    const bool progman = strstr(options, "progman") != nullptr;
    const bool maximized = strstr(options, "maximized") != nullptr;
    const bool framed = maximized || strstr(options, "caption") != nullptr;
    const DWORD style = (framed ? WS_OVERLAPPEDWINDOW : WS_POPUP | WS_BORDER) | (hidden || maximized ? 0 : WS_VISIBLE);
    HWND hwnd = CreateWindowExA(0, progman ? "Progman" : "SashletTestWindow", title, style, x, y, w, h, nullptr,
                                nullptr, inst, nullptr);
    if (strstr(options, "minimized"))
        ShowWindow(hwnd, SW_MINIMIZE);
    else if (maximized && !hidden)
        ShowWindow(hwnd, SW_MAXIMIZE);
}

int WINAPI WinMain(HINSTANCE inst, HINSTANCE, LPSTR, int)
{
    Register("SashletTestWindow", inst);
    Register("Progman", inst);
    for (int i = 1; i < __argc; ++i) {
        char layout[512];
        snprintf(layout, sizeof layout, "%s", __argv[i]);
        int x, y, w, h, n;
        char options[128] = "";
        char name[32] = "many";
        if (sscanf(layout, "many:%d:%d,%d,%d,%d:%31s", &n, &x, &y, &w, &h, name) >= 5) {
            for (int k = 0; k < n; ++k) {
                char title[48];
                snprintf(title, sizeof title, "%s%d", name, k);
                Create(title, x, y, w, h, "", inst);
            }
            continue;
        }
        char* colon = strchr(layout, ':');
        if (!colon)
            return 2;
        *colon = '\0';
        if (sscanf(colon + 1, "%d,%d,%d,%d:%127s", &x, &y, &w, &h, options) < 4)
            return 2;
        Create(layout, x, y, w, h, options, inst);
    }
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return 0;
}
