// The probe's long runs and its counts of what a process holds: many wipes
// and options sheets in a row, and the USER and GDI objects in use, as Wine
// keeps them.
#include <windows.h>
#include <winternl.h>
#include <cstdio>

#include "probe.h"
#include "resource.h"

// A cycle is a miss only when it never completes: on a loaded machine a round
// trip through Sashlet may take seconds, and the soak counts leaks, not speed.
const DWORD kCycleDeadline = 15000;

static bool WaitFor(bool (*condition)(HWND), HWND w)
{
    const DWORD start = GetTickCount();
    while (!condition(w)) {
        if (GetTickCount() - start > kCycleDeadline)
            return false;
        Sleep(5);
    }
    return true;
}

static bool BarOut(HWND bar)
{
    RECT r;
    return GetWindowRect(bar, &r) && r.left != 0;
}

static bool BarHome(HWND bar) { return !BarOut(bar); }

static bool SheetOpen(HWND) { return FindDialogWindow(false) != nullptr; }

static bool SheetClosed(HWND) { return FindDialogWindow(false) == nullptr; }

int SoakWipes(int n, const char* otherTitle)
{
    HWND bar = FindWindowA(nullptr, "SashletLeft"), other = FindWindowA(nullptr, otherTitle);
    if (!bar || !other)
        return 1;
    int failures = 0;
    for (int i = 0; i < n; ++i) {
        // A real double-click activates the bar first.
        SetForegroundWindow(bar);
        PostMessageA(bar, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(0, 10));
        bool ok = WaitFor(BarOut, bar);
        // No one clicks elsewhere within milliseconds of a double-click; the
        // bar moves out before the wipe has finished taking the foreground.
        Sleep(100);
        SetForegroundWindow(other);
        ok = WaitFor(BarHome, bar) && ok;
        failures += ok ? 0 : 1;
    }
    printf("%d|%d\n", n, failures);
    return 0;
}

int SoakOptions(int n)
{
    HWND bar = FindWindowA(nullptr, "SashletLeft");
    if (!bar)
        return 1;
    int failures = 0;
    for (int i = 0; i < n; ++i) {
        PostMessageA(bar, WM_COMMAND, IDM_OPTIONS, 0);
        bool ok = WaitFor(SheetOpen, nullptr);
        PostMessageA(FindDialogWindow(false), WM_COMMAND, IDOK, 0);
        ok = WaitFor(SheetClosed, nullptr) && ok;
        failures += ok ? 0 : 1;
    }
    printf("%d|%d\n", n, failures);
    return 0;
}

// Wine answers GetGuiResources with 0, but its USER handles come from one
// table per session that hands out freed slots first and grows only when
// none is left. So take slots until the table grows steadily: the size it
// has then, less the slots taken, is the number in use by every program.
int UserObjects()
{
    const int most = 30000, steady = 64;
    static HMENU taken[most];
    int count = 0, highest = -1, run = 0;
    while (count < most && run < steady) {
        HMENU menu = CreatePopupMenu();
        if (!menu)
            break;
        taken[count++] = menu;
        const int slot = (LOWORD(reinterpret_cast<UINT_PTR>(menu)) - 0x20) / 2;
        run = slot == highest + 1 ? run + 1 : 0;
        if (slot > highest)
            highest = slot;
    }
    for (int i = 0; i < count; ++i)
        DestroyMenu(taken[i]);
    if (run < steady)
        return 1;
    printf("%d\n", highest + 1 - count);
    return 0;
}

// Wine keeps each process's GDI handles in a table that the process's PEB
// points to, as Windows once did; a slot in use has a non-zero type. The
// table's entries are Wine's: 24 bytes whatever the process's bitness.
struct GdiHandleEntry {
    unsigned long long object;
    unsigned long owner;
    unsigned short unique;
    unsigned char type, flags;
    unsigned long long userPointer;
};
static_assert(sizeof(GdiHandleEntry) == 24, "Wine's GDI handle entry");
const int kGdiHandleCount = 0x10000;
const SIZE_T kPebGdiTableOffset = sizeof(void*) == 8 ? 0xF8 : 0x94;

int GdiObjects(HWND w)
{
    typedef LONG(WINAPI * QueryProcess)(HANDLE, PROCESSINFOCLASS, void*, ULONG, ULONG*);
    const QueryProcess query =
        reinterpret_cast<QueryProcess>(GetProcAddress(GetModuleHandleA("ntdll.dll"), "NtQueryInformationProcess"));
    DWORD pid = 0;
    GetWindowThreadProcessId(w, &pid);
    HANDLE process = OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, pid);
    if (!process || !query)
        return 1;
    PROCESS_BASIC_INFORMATION info = {};
    void* table = nullptr;
    static GdiHandleEntry entries[kGdiHandleCount];
    SIZE_T read = 0;
    const bool ok = query(process, ProcessBasicInformation, &info, sizeof info, nullptr) == 0 &&
                    ReadProcessMemory(process, reinterpret_cast<char*>(info.PebBaseAddress) + kPebGdiTableOffset,
                                      &table, sizeof table, nullptr) &&
                    table && ReadProcessMemory(process, table, entries, sizeof entries, &read);
    CloseHandle(process);
    if (!ok)
        return 1;
    int byType[256] = {};
    for (const GdiHandleEntry& e : entries)
        ++byType[e.type];
    for (int type = 1; type < 256; ++type)
        if (byType[type])
            printf("%x:%d ", type, byType[type]);
    printf("\n");
    return 0;
}
