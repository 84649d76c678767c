#include <doctest/doctest.h>

#include <cstdlib>
#include <cstring>
#include <string>

#include "wipe/moved_file.h"

namespace {
PushedWindowRecord Record(uint32_t window, uint32_t pid, const char* cls, Point home, Point sent,
                          ShowState state = ShownNormal)
{
    PushedWindowRecord r = {};
    r.window = window;
    r.processId = pid;
    snprintf(r.className, sizeof r.className, "%s", cls);
    r.state = state;
    r.home = home;
    r.sent = sent;
    return r;
}

std::string Format(const PushedWindowsFile& f)
{
    size_t size = 0;
    char* text = FormatPushedWindows(f, &size);
    REQUIRE(text);
    std::string out(text, size);
    free(text);
    return out;
}

bool Parse(const std::string& text, PushedWindowsFile& f) { return ParsePushedWindows(text.data(), text.size(), f); }

PushedWindowsFile s_file, s_read;
}

TEST_CASE("the record of pushed windows reads back exactly as written, and nothing else reads at all")
{
    s_file.writer = 4242;
    s_file.count = 3;
    s_file.records[0] = Record(0x1002a, 77, "Notepad", Point{10, 100}, Point{150, 100});
    s_file.records[1] = Record(0xffffffff, 4294967295u, "Chrome_WidgetWin_1", Point{-4, -4}, Point{146, -4},
                               ShownMaximised);
    // A class name may hold spaces, colons and bytes of any code page.
    std::string odd(256, 'x');
    odd[0] = ' ';
    odd[10] = ':';
    odd[20] = '\r';
    odd[21] = '\n';
    odd[30] = '\x82';
    s_file.records[2] = Record(1, 0, odd.c_str(), Point{-2147483647 - 1, 2147483647}, Point{0, -1});
    const std::string text = Format(s_file);
    CHECK(text.rfind("Sashlet.moved 1 4242\r\n1002a 77 0 10 100 150 100 7:Notepad\r\n", 0) == 0);
    REQUIRE(Parse(text, s_read));
    CHECK(s_read.writer == 4242);
    // Whose the file is shows in its first line alone.
    uint32_t writer = 0;
    CHECK(WriterOfPushedWindows(text.data(), 22, &writer));
    CHECK(writer == 4242);
    CHECK_FALSE(WriterOfPushedWindows(text.data(), 21, &writer));
    REQUIRE(s_read.count == 3);
    for (int i = 0; i < 3; ++i) {
        CHECK(s_read.records[i].window == s_file.records[i].window);
        CHECK(s_read.records[i].processId == s_file.records[i].processId);
        CHECK(std::string(s_read.records[i].className) == s_file.records[i].className);
        CHECK(s_read.records[i].state == s_file.records[i].state);
        CHECK(s_read.records[i].home == s_file.records[i].home);
        CHECK(s_read.records[i].sent == s_file.records[i].sent);
    }

    const std::string line = "1002a 77 0 10 100 150 100 7:Notepad\r\n";
    const std::string header = "Sashlet.moved 1 4242\r\n";
    std::string wipes = header;
    for (int i = 1; i <= kMovedWindowCapacity; ++i)
        wipes += std::to_string(i) + " 77 0 10 100 150 100 7:Notepad\r\n";
    REQUIRE(Parse(wipes, s_read));
    CHECK(s_read.count == kMovedWindowCapacity);
    struct {
        const char* why;
        std::string text;
    } damaged[] = {
        {"empty", ""},
        {"the header cut off", "Sashlet.moved 1 42"},
        {"another version", "Sashlet.moved 2 4242\r\n" + line},
        {"another program's file", "[Sashlet]\r\nLeft=1\r\n"},
        {"lines broken by LF alone", "Sashlet.moved 1 4242\n1002a 77 0 10 100 150 100 7:Notepad\n"},
        {"a line cut off", header + line.substr(0, line.size() - 5)},
        {"the name longer than its length says", header + "1002a 77 0 10 100 150 100 6:Notepad\r\n"},
        {"a name past 256 bytes", header + "1002a 77 0 1 1 2 2 257:" + std::string(257, 'a') + "\r\n"},
        {"a NUL in the name", header + "1 7 0 1 1 2 2 3:a" + std::string(1, '\0') + "b\r\n"},
        {"a null handle", header + "0 77 0 10 100 150 100 7:Notepad\r\n"},
        {"a handle past 32 bits", header + "100000000 77 0 10 100 150 100 7:Notepad\r\n"},
        {"capital hex", header + "1002A 77 0 10 100 150 100 7:Notepad\r\n"},
        {"an unknown state", header + "1002a 77 3 10 100 150 100 7:Notepad\r\n"},
        {"a coordinate past an int", header + "1002a 77 0 2147483648 100 150 100 7:Notepad\r\n"},
        {"minus zero", header + "1002a 77 0 -0 100 150 100 7:Notepad\r\n"},
        {"a leading zero", header + "1002a 077 0 10 100 150 100 7:Notepad\r\n"},
        {"two spaces", header + "1002a  77 0 10 100 150 100 7:Notepad\r\n"},
        {"a window twice", header + line + line},
        {"two wipes' worth", wipes + "999 77 0 10 100 150 100 7:Notepad\r\n"},
    };
    for (const auto& d : damaged) {
        CAPTURE(d.why);
        CHECK_FALSE(Parse(d.text, s_read));
        CHECK(s_read.count == 0);
    }
}

TEST_CASE("at start-up only the very window pushed, still where the push sent it, goes home")
{
    const PushedWindowRecord r = Record(0x1002a, 77, "Notepad", Point{10, 100}, Point{150, 100});
    const PushedWindowRecord maximised =
        Record(0x1002b, 77, "Notepad", Point{-4, -4}, Point{146, -4}, ShownMaximised);
    struct {
        const char* what;
        const PushedWindowRecord& record;
        WindowNow now;
        bool home;
    } rows[] = {
        {"the same window where it was sent", r, {true, 77, "Notepad", ShownNormal, {150, 100}}, true},
        {"a maximised window still maximised there", maximised, {true, 77, "Notepad", ShownMaximised, {146, -4}},
         true},
        {"gone", r, {false, 0, "", ShownNormal, {0, 0}}, false},
        {"its handle now another process's", r, {true, 78, "Notepad", ShownNormal, {150, 100}}, false},
        {"its handle now another class's", r, {true, 77, "Edit", ShownNormal, {150, 100}}, false},
        {"the class differs in case only", r, {true, 77, "notepad", ShownNormal, {150, 100}}, false},
        {"no class could be read", r, {true, 77, nullptr, ShownNormal, {150, 100}}, false},
        {"moved since", r, {true, 77, "Notepad", ShownNormal, {151, 100}}, false},
        {"already home", r, {true, 77, "Notepad", ShownNormal, {10, 100}}, false},
        {"maximised since", r, {true, 77, "Notepad", ShownMaximised, {150, 100}}, false},
        {"minimised since", maximised, {true, 77, "Notepad", ShownMinimised, {146, -4}}, false},
    };
    for (const auto& row : rows) {
        CAPTURE(row.what);
        CHECK(PutsHomeAtStart(row.record, row.now) == row.home);
    }
}
