// "ignore.lst" on disk through the real file API.
#include <doctest/doctest.h>

#include <string>
#include <vector>

#include "config/ignore_list_store.h"
#include "processes/ignore_query.h"
#include "test_files.h"
#include "test_windows.h"

namespace {
const std::string kList = BesideExe("ignore.lst");
const std::string kTemp = BesideExe("ignore.new");

void Save(const std::vector<const char*>& paths) { SaveIgnoreList(paths.data(), static_cast<int>(paths.size())); }

struct CleanFiles {
    IgnoreList list = {};
    CleanFiles() { Clean(); }
    ~CleanFiles()
    {
        Clean();
        ClearIgnoreList(list);
    }
    std::vector<std::string> Loaded()
    {
        LoadIgnoreList(list);
        std::vector<std::string> out;
        for (int i = 0; i < list.count; ++i)
            out.emplace_back(list.entries[i]);
        return out;
    }
    static void Clean()
    {
        RemoveFile(kList);
        RemoveFile(kTemp);
        RemoveDirectoryA(kTemp.c_str());
    }
};
}

TEST_CASE_FIXTURE(CleanFiles, "loading the list file from disk")
{
    SUBCASE("no file gives an empty list")
    {
        CHECK(Loaded().empty());
        CHECK(list.entries == nullptr);
    }
    SUBCASE("an empty file gives an empty list")
    {
        WriteFileBytes(kList, "");
        CHECK(Loaded().empty());
    }
    SUBCASE("line breaks, the end mark and a byte-order mark")
    {
        WriteFileBytes(kList, "\xEF\xBB\xBF" "C:\\a.exe\r\nC:\\b.exe\nC:\\c\rd.exe\r\n\r\nlast\x1A" "after\r\n");
        CHECK(Loaded() == std::vector<std::string>{"C:\\a.exe", "C:\\b.exe", "C:\\c\rd.exe", "", "last"});
    }
    SUBCASE("a failed load empties a list that held entries")
    {
        WriteFileBytes(kList, "C:\\a.exe\r\n");
        CHECK(Loaded().size() == 1);
        RemoveFile(kList);
        CHECK(Loaded().empty());
    }
}

TEST_CASE_FIXTURE(CleanFiles, "saving the list file")
{
    std::string bytes;
    SUBCASE("entries go out with CR LF and read back the same")
    {
        Save({"C:\\Program Files\\A\\a.exe", "", "c:\\program files\\a\\A.EXE"});
        REQUIRE(ReadFileBytes(kList, bytes));
        CHECK(bytes == "C:\\Program Files\\A\\a.exe\r\n\r\nc:\\program files\\a\\A.EXE\r\n");
        CHECK(Loaded() == std::vector<std::string>{"C:\\Program Files\\A\\a.exe", "", "c:\\program files\\a\\A.EXE"});
        CHECK_FALSE(FileExists(kTemp));
    }
    SUBCASE("an empty list gives an empty file")
    {
        WriteFileBytes(kList, "old\r\n");
        Save({});
        REQUIRE(ReadFileBytes(kList, bytes));
        CHECK(bytes.empty());
    }
    SUBCASE("a read-only list stays as it was")
    {
        WriteFileBytes(kList, "C:\\kept.exe\r\n");
        SetFileAttributesA(kList.c_str(), FILE_ATTRIBUTE_READONLY);
        Save({"C:\\new.exe"});
        REQUIRE(ReadFileBytes(kList, bytes));
        CHECK(bytes == "C:\\kept.exe\r\n");
        CHECK_FALSE(FileExists(kTemp));
        CHECK(Loaded() == std::vector<std::string>{"C:\\kept.exe"});
    }
    SUBCASE("when the new content cannot be written aside, the old file stays")
    {
        WriteFileBytes(kList, "C:\\kept.exe\r\n");
        REQUIRE(CreateDirectoryA(kTemp.c_str(), nullptr));
        Save({"C:\\new.exe"});
        REQUIRE(ReadFileBytes(kList, bytes));
        CHECK(bytes == "C:\\kept.exe\r\n");
    }
    SUBCASE("a long list is written whole")
    {
        std::vector<std::string> many;
        for (int i = 0; i < 5000; ++i)
            many.push_back("C:\\Program Files\\Vendor " + std::to_string(i) + "\\app.exe");
        std::vector<const char*> ptrs;
        for (const std::string& m : many)
            ptrs.push_back(m.c_str());
        Save(ptrs);
        CHECK(Loaded() == many);
    }
}

TEST_CASE_FIXTURE(CleanFiles, "a window is ignored when its executable is listed, in any ASCII case")
{
    TestWindows windows;
    REQUIRE(windows.Start("ignoreme:300,300,100,100", "ignoreme"));
    HWND w = Find("ignoreme");
    CHECK_FALSE(IsIgnoredWindow(list, w));  // empty list

    std::string upper = TestWinPath();
    for (char& c : upper)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 0x20);
    Save({"C:\\other.exe", upper.c_str()});
    LoadIgnoreList(list);
    CHECK(IsIgnoredWindow(list, w));
    CHECK_FALSE(IsIgnoredWindow(list, nullptr));

    const std::string prefix = TestWinPath().substr(0, TestWinPath().size() - 1);
    Save({prefix.c_str(), "testwin.exe"});
    LoadIgnoreList(list);
    CHECK_FALSE(IsIgnoredWindow(list, w));
}
