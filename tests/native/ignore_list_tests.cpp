#include <doctest/doctest.h>

#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "common/path.h"
#include "config/ignore_list.h"

namespace {
std::vector<std::string> Parse(const std::string& bytes)
{
    IgnoreList list{};
    REQUIRE(ParseIgnoreList(bytes.data(), bytes.size(), list));
    std::vector<std::string> out;
    for (int i = 0; i < list.count; ++i)
        out.emplace_back(list.entries[i]);
    if (list.count == 0)
        CHECK(list.entries == nullptr);
    ClearIgnoreList(list);
    return out;
}

std::string Format(const std::vector<std::string>& paths)
{
    std::vector<const char*> ptrs;
    for (const std::string& p : paths)
        ptrs.push_back(p.c_str());
    size_t size = 0;
    char* bytes = FormatIgnoreList(ptrs.data(), static_cast<int>(ptrs.size()), &size);
    REQUIRE(bytes != nullptr);
    std::string out(bytes, size);
    free(bytes);
    return out;
}

std::string Bytes(size_t n, char first = 'a')
{
    std::string s;
    for (size_t i = 0; i < n; ++i)
        s += static_cast<char>(first + i % 26);
    return s;
}

using Entries = std::vector<std::string>;
}

TEST_CASE("each kind of line yields the entries the reading rules give")
{
    const std::string b258 = Bytes(258), b259 = Bytes(259), b300 = Bytes(300), b518 = Bytes(518);
    struct Row { const char* name; std::string file; Entries entries; };
    const Row rows[] = {
        {"one byte line", "a\r\n", {"a"}},
        {"258 bytes", b258 + "\r\n", {b258}},
        {"blank line", "\r\n", {""}},
        {"259 bytes", b259 + "\r\n", {b259.substr(0, 258), ""}},
        {"300 bytes", b300 + "\r\n", {b300.substr(0, 258), b300.substr(259)}},
        {"518 bytes, a multiple of 259", b518 + "\r\n", {b518.substr(0, 258), b518.substr(259, 258), ""}},
        {"last line without break is read whole", "x\r\nabc", {"x", "abc"}},
        {"last line of one byte", "x\r\nq", {"x", "q"}},
        {"only line without break", "C:\\a.exe", {"C:\\a.exe"}},
        {"last line of 258 bytes without break", b258, {b258}},
        {"last line of 259 bytes", b259, {b259.substr(0, 258)}},
        {"last line of 300 bytes", b300, {b300.substr(0, 258), b300.substr(259)}},
        {"last line of 518 bytes", b518, {b518.substr(0, 258), b518.substr(259, 258)}},
        {"NUL inside a line", std::string("ab\0cd\r\nef\r\n", 11), {"a", "ef"}},
        {"NUL at the start of a line", std::string("\0abc\r\nef\r\n", 10), {"ef"}},
        {"lone LF", "a\nb\n", {"a", "b"}},
        {"lone CR stays", "a\rb\r\n", {"a\rb"}},
        {"CR CR LF", "a\r\r\n", {"a\r"}},
        {"0x1A ends the data and the line before it", "a\r\nb\x1A" "c\r\nd\r\n", {"a", "b"}},
        {"NUL in a last line without break", std::string("ab\0c", 4), {"a"}},
        {"lone CR at the very end stays", "a\r", {"a\r"}},
        {"0x1A at a line start", "a\r\n\x1A" "b\r\n", {"a"}},
        {"UTF-8 byte-order mark at the start dropped", "\xEF\xBB\xBF" "C:\\a.exe\r\nb\r\n", {"C:\\a.exe", "b"}},
        {"byte-order mark and an unbroken line", "\xEF\xBB\xBF" "C:\\a.exe", {"C:\\a.exe"}},
        {"byte-order mark alone", "\xEF\xBB\xBF", {}},
        {"byte-order mark on a later line kept", "a\r\n\xEF\xBB\xBF" "b\r\n", {"a", "\xEF\xBB\xBF" "b"}},
        {"part of a mark kept", "\xEF\xBB" "a\r\n", {"\xEF\xBB" "a"}},
        {"UTF-16 mark kept", "\xFF\xFE" "a\r\n", {"\xFF\xFE" "a"}},
        {"empty file", "", {}},
        {"repeated and case-differing entries stay", "A\r\na\r\nA\r\n", {"A", "a", "A"}},
    };
    for (const Row& r : rows) {
        CAPTURE(r.name);
        CHECK(Parse(r.file) == r.entries);
    }
}

TEST_CASE("a saved list reads back identical for entries up to 258 bytes")
{
    const Entries lists[] = {
        {},
        {""},
        {"C:\\Program Files\\App\\app.exe", "c:\\program files\\app\\app.exe", "", "C:\\x.exe"},
        {Bytes(258), Bytes(1), Bytes(257, 'A')},
        {"\x83\x5C\x83\x74\x83\x67.exe", "with\rcarriage"},
    };
    for (const Entries& e : lists) {
        CHECK(Parse(Format(e)) == e);
    }
    CHECK(Format({}).empty());
    CHECK(Format({"a", ""}) == "a\r\n\r\n");
}

TEST_CASE("a 259-byte path saved and read comes back cut, with an empty entry after it")
{
    const std::string p = Bytes(259);
    CHECK(Parse(Format({p})) == Entries{p.substr(0, 258), ""});
}

TEST_CASE("entries match paths folding only the ASCII capitals")
{
    CHECK(IgnoreEntryMatches("C:\\APPS\\TOOL.EXE", "c:\\apps\\tool.exe"));
    CHECK(IgnoreEntryMatches("c:\\apps\\tool.exe", "C:\\Apps\\Tool.exe"));
    CHECK_FALSE(IgnoreEntryMatches("c:\\apps\\tool.ex", "c:\\apps\\tool.exe"));
    CHECK_FALSE(IgnoreEntryMatches("c:\\apps\\tool.exe", "c:\\apps\\tool.ex"));
    CHECK_FALSE(IgnoreEntryMatches("tool.exe", "c:\\apps\\tool.exe"));
    CHECK_FALSE(IgnoreEntryMatches("c:\\apps\\*.exe", "c:\\apps\\tool.exe"));
    CHECK_FALSE(IgnoreEntryMatches("", "c:\\a.exe"));
    CHECK_FALSE(IgnoreEntryMatches("c:/apps/tool.exe", "c:\\apps\\tool.exe"));
    CHECK_FALSE(IgnoreEntryMatches("c:\\apps\\tool.exe\r", "c:\\apps\\tool.exe"));
    // Letters outside ASCII keep their case: Latin-1 capital and small A grave.
    CHECK_FALSE(IgnoreEntryMatches("c:\\\xC0.exe", "c:\\\xE0.exe"));
    // Trail bytes of double-byte characters fold too: 0x83 0x41 against 0x83 0x61.
    CHECK(IgnoreEntryMatches("\x83\x41.exe", "\x83\x61.exe"));
    // '@' and '[' lie just outside A..Z and must not fold onto '`' and '{'.
    CHECK_FALSE(IgnoreEntryMatches("@[", "`{"));
}

TEST_CASE("a list answers whether it holds a path")
{
    IgnoreList list{};
    const std::string file = "C:\\A.EXE\r\n\r\nc:\\b.exe\r\nc:\\b.exe\r\n";
    REQUIRE(ParseIgnoreList(file.data(), file.size(), list));
    CHECK(IgnoreListContains(list, "c:\\a.exe"));
    CHECK(IgnoreListContains(list, "C:\\B.EXE"));
    CHECK_FALSE(IgnoreListContains(list, "c:\\c.exe"));
    CHECK_FALSE(IgnoreListContains(list, "c:\\a.exe "));
    ClearIgnoreList(list);
    CHECK_FALSE(IgnoreListContains(list, "c:\\a.exe"));
}

TEST_CASE("parsing replaces what the list held")
{
    IgnoreList list{};
    const std::string first = "a\r\nb\r\n", second = "c\r\n";
    REQUIRE(ParseIgnoreList(first.data(), first.size(), list));
    REQUIRE(ParseIgnoreList(second.data(), second.size(), list));
    REQUIRE(list.count == 1);
    CHECK(std::string(list.entries[0]) == "c");
    REQUIRE(ParseIgnoreList("", 0, list));
    CHECK(list.count == 0);
    CHECK(list.entries == nullptr);
}

TEST_CASE("file names that do not fit are refused, never cut")
{
    char out[kPathBufferSize];
    const std::string dir247 = "C:\\" + std::string(244, 'd');
    REQUIRE(dir247.size() == 247);
    CHECK(JoinPath(dir247.c_str(), "Sashlet.ini", out, sizeof out));
    CHECK(std::string(out) == dir247 + "\\Sashlet.ini");
    const std::string dir248 = dir247 + "e";
    CHECK_FALSE(JoinPath(dir248.c_str(), "Sashlet.ini", out, sizeof out));
    CHECK(out[0] == '\0');
    // "ignore.lst" is one byte shorter, so 248 still fits.
    CHECK(JoinPath(dir248.c_str(), "ignore.lst", out, sizeof out));
    CHECK_FALSE(JoinPath((dir248 + "f").c_str(), "ignore.lst", out, sizeof out));
    // A root folder keeps its backslash, giving two in a row, which the platform accepts.
    CHECK(JoinPath("C:\\", "ignore.lst", out, sizeof out));
    CHECK(std::string(out) == "C:\\\\ignore.lst");
}

// Code page 932: the first byte of a double-byte character.
static bool Cp932Lead(unsigned char b) { return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC); }

TEST_CASE("the program's folder is its file name cut as the shell cuts it")
{
    const struct {
        const char* file;
        const char* folder;
    } rows[] = {
        {"C:\\Users\\kim\\Tools\\Sashlet.exe", "C:\\Users\\kim\\Tools"},
        {"C:\\Sashlet.exe", "C:\\"},  // the root keeps its backslash
        {"\\\\server\\share\\Sashlet.exe", "\\\\server\\share"},
        // "ソフト" and "表" end in the byte of a backslash (0x83 0x5C, 0x95 0x5C).
        {"C:\\\x83\x5C\x83\x74\x83\x67\\Sashlet.exe", "C:\\\x83\x5C\x83\x74\x83\x67"},
        {"D:\\tools\\\x95\x5C.exe", "D:\\tools"},
    };
    for (const auto& row : rows) {
        char path[kPathBufferSize];
        strcpy(path, row.file);
        CHECK(CutToFolder(path, Cp932Lead));
        CHECK(std::string(path) == row.folder);
    }
    char bare[] = "Sashlet.exe";
    CHECK_FALSE(CutToFolder(bare, Cp932Lead));
    CHECK(std::string(bare) == "Sashlet.exe");
}
