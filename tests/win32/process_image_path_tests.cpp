// Finding a window's executable through each of the system's routes.
#include <doctest/doctest.h>

#include <string>

#include "processes/process_image_path.h"
#include "processes/system_library.h"
#include "test_windows.h"

namespace {
bool IsNtFamily()
{
    OSVERSIONINFOA v = {};
    v.dwOSVersionInfoSize = sizeof v;
    return GetVersionExA(&v) && v.dwPlatformId == VER_PLATFORM_WIN32_NT;
}

std::string EndOf(const std::string& path)
{
    const size_t slash = path.rfind('\\');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}
}

TEST_CASE("the executable of another process's window, by every route")
{
    TestWindows windows;
    REQUIRE(windows.Start("lookup:200,200,50,50", "lookup"));
    HWND w = Find("lookup");
    DWORD pid = 0;
    GetWindowThreadProcessId(w, &pid);
    char path[MAX_PATH];

    if (IsNtFamily()) {
        REQUIRE(GetWindowProcessImagePath(w, path));
        CHECK(std::string(path) == TestWinPath());
        char other[MAX_PATH];
        REQUIRE(ImagePathFromModuleList(pid, other));
        CHECK(std::string(other) == TestWinPath());
        // The route taken when the module list is refused (64-bit or elevated processes).
        REQUIRE(ImagePathFromImageQuery(pid, other));
        CHECK(std::string(other) == TestWinPath());
    } else {
        REQUIRE(GetWindowProcessImagePath(w, path));
        CHECK(EndOf(path) == "testwin.exe");
    }
    REQUIRE(ImagePathFromProcessSnapshot(pid, path));
    CHECK(EndOf(path) == "testwin.exe");
}

TEST_CASE("this program's own window is looked up like any other")
{
    HWND own = CreateWindowExA(0, "STATIC", "own", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    REQUIRE(own);
    char path[MAX_PATH];
    REQUIRE(GetWindowProcessImagePath(own, path));
    if (IsNtFamily())
        CHECK(std::string(path) == BesideExe("sashlet_win32_tests.exe"));
    else
        CHECK(EndOf(path) == "sashlet_win32_tests.exe");
    DestroyWindow(own);
}

TEST_CASE("a window that no longer exists has no executable")
{
    TestWindows windows;
    REQUIRE(windows.Start("gone:200,200,50,50", "gone"));
    HWND w = Find("gone");
    windows.Stop();
    char path[MAX_PATH];
    CHECK_FALSE(GetWindowProcessImagePath(w, path));
    CHECK_FALSE(GetWindowProcessImagePath(nullptr, path));
    CHECK_FALSE(ImagePathFromProcessSnapshot(0x7FFFFFF0, path));
    CHECK_FALSE(ImagePathFromModuleList(0x7FFFFFF0, path));
    CHECK_FALSE(ImagePathFromImageQuery(0x7FFFFFF0, path));
}

TEST_CASE("the platform family decides the route" * doctest::test_suite("platform"))
{
    OSVERSIONINFOA v = {};
    v.dwOSVersionInfoSize = sizeof v;
    REQUIRE(GetVersionExA(&v));
    // The test run says which family its prefix reports; without that this
    // test cannot tell which route the others took.
    const char* expected = getenv("SASHLET_EXPECT_PLATFORM");
    REQUIRE_MESSAGE(expected != nullptr, "SASHLET_EXPECT_PLATFORM names the family the prefix reports");
    CHECK(v.dwPlatformId == static_cast<DWORD>(atoi(expected)));
}

TEST_CASE("narrowed at start-up, the library search no longer looks beside the program")
{
    HMODULE planted = LoadLibraryA("planted.dll");
    REQUIRE_MESSAGE(planted != nullptr, "found by its bare name beside the program, as Windows searches at first");
    FreeLibrary(planted);
    CHECK(NarrowLibrarySearch() == SearchSystemFolderOnly);
    planted = LoadLibraryA("planted.dll");
    CHECK(planted == nullptr);
    HMODULE system = LoadSystemLibrary("psapi.dll");
    CHECK(system != nullptr);
    if (system)
        FreeLibrary(system);
    // The rest of the tests search as Windows does by default.
    typedef BOOL(WINAPI * SetDefaultDllDirectoriesFn)(DWORD);
    const SetDefaultDllDirectoriesFn setDefault = reinterpret_cast<SetDefaultDllDirectoriesFn>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("kernel32.dll"), "SetDefaultDllDirectories")));
    REQUIRE(static_cast<bool>(setDefault));
    setDefault(0x1000);  // LOAD_LIBRARY_SEARCH_DEFAULT_DIRS
    if (planted)
        FreeLibrary(planted);
}
