// Files a user may break by hand or another program may hold, and windows
// that change between a wipe and its restore.
#include <doctest/doctest.h>

#include <cstdint>
#include <cstdlib>
#include <initializer_list>
#include <string>
#include <vector>

#include "wipe/moved_file.h"
#include "wipe/moved_file_store.h"
#include "wipe/wipe_engine.h"
#include "config/ignore_list_store.h"
#include "config/settings_store.h"
#include "default_settings.h"
#include "test_files.h"
#include "test_windows.h"

namespace {
const std::string kIni = BesideExe("Sashlet.ini");
const std::string kList = BesideExe("ignore.lst");
const std::string kTemp = BesideExe("ignore.new");

// Files gone before and after, and the state a test loads into, on a 1024 by 768 screen.
struct Clean : WipeScene {
    Clean()
    {
        Remove();
        wipe.screen = ScreenSize{1024, 768};
    }
    ~Clean() { Remove(); }
    static void Remove()
    {
        RemoveFile(kIni);
        RemoveFile(kList);
        RemoveFile(kTemp);
    }
};

// Holds a file open without sharing, as a backup or virus scanner might.
struct Lock {
    HANDLE file;
    explicit Lock(const std::string& path)
        : file(CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr))
    {
    }
    ~Lock() { CloseHandle(file); }
};

bool WithinRules(const Settings& s)
{
    return s.width >= 1 && s.width <= 10 && s.transparency >= 0 && s.transparency <= 100 && s.offset >= 0 && s.offset <= 384;
}

std::string Garbage(size_t n, unsigned seed)
{
    std::string s(n, '\0');
    for (char& c : s) {
        seed = seed * 1103515245u + 12345u;
        c = static_cast<char>(seed >> 16);
    }
    return s;
}
}

TEST_CASE_FIXTURE(Clean, "a read-only settings file is left as it was and still read")
{
    WriteFileBytes(kIni, "[Sashlet]\r\nWidth=4\r\n");
    SetFileAttributesA(kIni.c_str(), FILE_ATTRIBUTE_READONLY);
    settings = Settings{1, 0, 0, 0, 7, 0, 1, 2, 3, 0, 2};
    SaveSettings(settings);
    std::string bytes;
    REQUIRE(ReadFileBytes(kIni, bytes));
    CHECK(bytes == "[Sashlet]\r\nWidth=4\r\n");
    LoadSettings(wipe.screen, settings);
    CHECK(settings.width == 4);
}

TEST_CASE_FIXTURE(Clean, "garbage, empty and huge settings files load within the rules")
{
    SUBCASE("empty")
    {
        WriteFileBytes(kIni, "");
        LoadSettings(wipe.screen, settings);
        CHECK(settings.width == 2);
        CHECK(settings.left == 1);
    }
    SUBCASE("binary garbage")
    {
        for (unsigned seed = 1; seed <= 5; ++seed) {
            CAPTURE(seed);
            WriteFileBytes(kIni, Garbage(4096, seed));
            LoadSettings(wipe.screen, settings);
            CHECK(WithinRules(settings));
        }
    }
    SUBCASE("tens of megabytes, the section at the end")
    {
        std::string big;
        const std::string line = "; a comment line a user or a tool has left here, repeated many times\r\n";
        while (big.size() < 20u * 1024 * 1024)
            big += line;
        big += "[Sashlet]\r\nWidth=6\r\n";
        WriteFileBytes(kIni, big);
        const DWORD start = GetTickCount();
        LoadSettings(wipe.screen, settings);
        CHECK(GetTickCount() - start < 20000);
        CHECK(settings.width == 6);
    }
}

TEST_CASE_FIXTURE(Clean, "a settings file locked by another program gives the defaults")
{
    WriteFileBytes(kIni, "[Sashlet]\r\nWidth=6\r\n");
    Lock lock(kIni);
    REQUIRE(lock.file != INVALID_HANDLE_VALUE);
    LoadSettings(wipe.screen, settings);
    CheckDefaultSettings(settings);
}

TEST_CASE_FIXTURE(Clean, "a locked list reads as empty and is not replaced")
{
    WriteFileBytes(kList, "C:\\kept.exe\r\n");
    {
        Lock lock(kList);
        REQUIRE(lock.file != INVALID_HANDLE_VALUE);
        LoadIgnoreList(ignore);
        CHECK(ignore.count == 0);
        const char* paths[] = {"C:\\new.exe"};
        SaveIgnoreList(paths, 1);
    }
    std::string bytes;
    REQUIRE(ReadFileBytes(kList, bytes));
    CHECK(bytes == "C:\\kept.exe\r\n");
    CHECK_FALSE(FileExists(kTemp));
}

TEST_CASE_FIXTURE(Clean, "garbage and huge lists load without harm")
{
    SUBCASE("binary garbage")
    {
        WriteFileBytes(kList, Garbage(100000, 7));
        LoadIgnoreList(ignore);
        for (int i = 0; i < ignore.count; ++i)
            CHECK(strlen(ignore.entries[i]) <= 258);
    }
    SUBCASE("a million lines")
    {
        std::string big;
        for (int i = 0; i < 1000000; ++i)
            big += "C:\\Program Files\\Vendor\\tool" + std::to_string(i) + ".exe\r\n";
        WriteFileBytes(kList, big);
        LoadIgnoreList(ignore);
        CHECK(ignore.count == 1000000);
        CHECK(std::string(ignore.entries[999999]) == "C:\\Program Files\\Vendor\\tool999999.exe");
    }
}

TEST_CASE_FIXTURE(Clean, "windows hidden, minimised or closed after a wipe do not stop the restore")
{
    wipe.screen = ScreenSize{GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    TestWindows windows;
    REQUIRE(windows.Start("hides:10,10,80,80 shrinks:10,200,80,80 stays:10,400,80,80", "stays"));
    TestWindows closing;
    REQUIRE(closing.Start("closes:10,600,80,80", "closes"));
    Push(EdgeLeft, 150);
    REQUIRE(windows.Settle());
    REQUIRE(IsAt("hides", 150, 10));
    REQUIRE(IsAt("shrinks", 150, 200));
    REQUIRE(IsAt("stays", 150, 400));
    REQUIRE(closing.Settle());
    REQUIRE(RectOf("closes").left == 150);
    const RECT beforeMinimising = RectOf("shrinks");
    ShowWindow(Find("hides"), SW_HIDE);
    ShowWindow(Find("shrinks"), SW_MINIMIZE);
    REQUIRE(windows.Settle());
    const RECT minimised = RectOf("shrinks");
    REQUIRE(!EqualRect(&minimised, &beforeMinimising));
    closing.Stop();
    Restore();
    CHECK(wipe.moved.count == 0);
    REQUIRE(windows.Settle());
    CHECK(IsAt("stays", 10, 400));
    CHECK(IsAt("hides", 10, 10));
    // A minimised window is not moved as an icon; it keeps its state.
    CHECK(IsIconic(Find("shrinks")));
    CHECK(IsAt("shrinks", minimised.left, minimised.top));
}

TEST_CASE_FIXTURE(WipeScene, "a window maximised or minimised while pushed returns home when the user restores it")
{
    // A window of this process: Wine keeps no restore position for another
    // program's window, so only here can the one set on restore be read back.
    for (int command : {SW_MAXIMIZE, SW_MINIMIZE}) {
        CAPTURE(command);
        HWND own = CreateWindowExA(0, "STATIC", "own", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 10, 200, 200, 120, nullptr,
                                   nullptr, nullptr, nullptr);
        REQUIRE(own);
        // A thread that has not looked at its messages for seconds counts as
        // hung, and a hung program's windows are left as they are.
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
            DispatchMessageA(&msg);
        RECT home;
        GetWindowRect(own, &home);
        Push(EdgeLeft, 150);
        REQUIRE(IsAt("own", 150, 200));
        ShowWindow(own, command);
        Restore();
        const bool keptState = command == SW_MAXIMIZE ? IsZoomed(own) : IsIconic(own);
        CHECK(keptState);
        ShowWindow(own, SW_RESTORE);
        RECT back;
        GetWindowRect(own, &back);
        CHECK(EqualRect(&back, &home));
        DestroyWindow(own);
    }
}

namespace {
const std::string kMoved = BesideExe("Sashlet.moved");

// The record as the file holds it, or none when there is none or it is damaged.
std::vector<HWND> RecordedWindows()
{
    std::string bytes;
    std::vector<HWND> windows;
    static PushedWindowsFile file;
    if (!ReadFileBytes(kMoved, bytes) || !ParsePushedWindows(bytes.data(), bytes.size(), file))
        return windows;
    for (int i = 0; i < file.count; ++i)
        windows.push_back(reinterpret_cast<HWND>(static_cast<uintptr_t>(file.records[i].window)));
    return windows;
}

struct BeforeMovesSeen {
    MovedFileStore store;
    int calls;
    bool allHome;
    std::vector<HWND> recorded;
};

// Writes the record as the program does, then looks at every window it lists.
void WriteDownAndLook(void* context, const MovedWindowTable& moved)
{
    BeforeMovesSeen& seen = *static_cast<BeforeMovesSeen*>(context);
    WriteDownMovedWindows(&seen.store, moved);
    ++seen.calls;
    seen.allHome = true;
    for (const MovedWindowEntry& e : moved.entries) {
        RECT r;
        if (e.window && !e.returning && GetWindowRect(e.window, &r))
            seen.allHome = seen.allHome && r.left == e.home.x && r.top == e.home.y;
    }
    seen.recorded = RecordedWindows();
}
}

TEST_CASE_FIXTURE(Clean, "the record of moved windows is written before any moves, lists only its own wipe's "
                         "windows, and is left to the copy that wrote it")
{
    RemoveFile(kMoved);
    TestWindows windows;
    REQUIRE(windows.Start("a:10,100,200,100 b:700,400,200,100", "b"));
    BeforeMovesSeen seen = {};
    const Rect screen = {0, 0, 1024, 768};
    PushWindowsFromEdge(wipe.moved, ignore, wipe.bars, screen, EdgeLeft, 150, BeforeMoves{WriteDownAndLook, &seen});
    CHECK(seen.calls == 1);
    CHECK(seen.allHome);
    CHECK(seen.recorded == std::vector<HWND>{Find("a")});
    REQUIRE(windows.Settle());
    REQUIRE(IsAt("a", 150, 100));
    Restore();
    ForgetMovedWindows(seen.store);
    CHECK_FALSE(FileExists(kMoved));
    REQUIRE(windows.Settle());
    // The next wipe's record names its own window alone.
    PushWindowsFromEdge(wipe.moved, ignore, wipe.bars, screen, EdgeRight, 1024 - 150,
                        BeforeMoves{WriteDownAndLook, &seen});
    CHECK(seen.recorded == std::vector<HWND>{Find("b")});
    Restore();
    // A newer copy has written the file since: this copy's end must not take it away.
    static PushedWindowsFile other;
    other.writer = GetCurrentProcessId() + 4;
    other.count = 0;
    size_t size = 0;
    char* text = FormatPushedWindows(other, &size);
    REQUIRE(text != nullptr);
    WriteFileBytes(kMoved, std::string(text, size));
    free(text);
    ForgetMovedWindows(seen.store);
    CHECK(FileExists(kMoved));
    RemoveFile(kMoved);
    REQUIRE(windows.Settle());
}
