// Whether Windows hides a window by cloaking it (on another virtual desktop,
// a suspended app): such a window keeps WS_VISIBLE, and only DWM tells.
#pragma once
#include <windows.h>

typedef HRESULT(WINAPI* DwmGetWindowAttributeFn)(HWND, DWORD, PVOID, DWORD);

// One run of questions: dwmapi.dll is loaded at most once.
struct CloakQuery {
    bool tried;
    HMODULE dwmapi;
    DwmGetWindowAttributeFn getAttribute;
};

void BeginCloakQuery(CloakQuery& query);
void EndCloakQuery(CloakQuery& query);

// Without DWM (Windows XP) or an answer (Wine), not cloaked.
bool IsCloaked(CloakQuery& query, HWND window);

// Lets a test declare windows cloaked, as Wine never does; none restores the
// system's answer.
void SetCloakedWindowTest(bool (*isCloaked)(HWND window));
