#include "cloaking.h"

#include "../processes/system_library.h"

const DWORD kDwmCloaked = 14;  // DWMWA_CLOAKED, which older SDKs lack

static bool (*s_cloakedTest)(HWND);

void BeginCloakQuery(CloakQuery& query) { query = CloakQuery{false, nullptr, nullptr}; }

void EndCloakQuery(CloakQuery& query)
{
    if (query.dwmapi)
        FreeLibrary(query.dwmapi);
    BeginCloakQuery(query);
}

bool IsCloaked(CloakQuery& query, HWND window)
{
    if (s_cloakedTest)
        return s_cloakedTest(window);
    if (!query.tried) {
        query.tried = true;
        query.dwmapi = LoadSystemLibrary("dwmapi.dll");
        if (query.dwmapi)
            query.getAttribute = LibraryFunction<DwmGetWindowAttributeFn>(query.dwmapi, "DwmGetWindowAttribute");
    }
    DWORD cloaked = 0;
    return query.getAttribute && SUCCEEDED(query.getAttribute(window, kDwmCloaked, &cloaked, sizeof cloaked)) &&
           cloaked != 0;
}

void SetCloakedWindowTest(bool (*isCloaked)(HWND)) { s_cloakedTest = isCloaked; }
