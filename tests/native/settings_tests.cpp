#include <doctest/doctest.h>

#include <cstdio>
#include <cstring>
#include <initializer_list>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "config/bar_look.h"
#include "config/hot_key.h"
#include "config/settings.h"
#include "default_settings.h"

namespace {
// An INI section in memory that answers the way the platform's profile reader does.
struct FakeIni {
    std::map<std::string, std::string> values;
    std::vector<std::pair<std::string, std::string>> writes;
    std::set<std::string> asked;
};

int FakeReadInt(void* c, const char* key, int def)
{
    auto& ini = *static_cast<FakeIni*>(c);
    ini.asked.insert(key);
    auto it = ini.values.find(key);
    return it == ini.values.end() ? def : ProfileTextToInt(it->second.c_str());
}

void FakeReadString(void* c, const char* key, const char* def, char* out, int size)
{
    auto& ini = *static_cast<FakeIni*>(c);
    ini.asked.insert(key);
    auto it = ini.values.find(key);
    snprintf(out, static_cast<size_t>(size), "%s", it == ini.values.end() ? def : it->second.c_str());
}

// No value removes the key, as the profile writer does; the write shows as "(none)".
bool FakeWrite(void* c, const char* key, const char* value)
{
    auto& ini = *static_cast<FakeIni*>(c);
    if (value)
        ini.values[key] = value;
    else
        ini.values.erase(key);
    ini.writes.emplace_back(key, value ? value : "(none)");
    return true;
}

Settings Load(FakeIni& ini, ScreenSize screen = {1024, 768}, Settings start = {})
{
    ReadSettings(ProfileStore{&ini, FakeReadInt, FakeReadString, FakeWrite}, screen, start);
    return start;
}
}

TEST_CASE("no file gives the defaults, with an opaque yellow left bar")
{
    FakeIni ini;
    const Settings s = Load(ini);
    CheckDefaultSettings(s);

    const Settings absent = [] {
        Settings a{};
        ReadSettings(AbsentProfileStore(), ScreenSize{1024, 768}, a);
        return a;
    }();
    CHECK(absent.left == 1);
    CHECK(absent.transparency == 0);
    CHECK(absent.width == 2);
    CHECK(absent.red == 255);
    CHECK(absent.everyScreen == 0);
    CHECK(absent.hoverDelay == 0);
}

TEST_CASE("a key the file does not list reads as its default without asking the file")
{
    FakeIni ini;
    ini.values = {{"Width", "5"}, {"Color", "1,2,3"}, {"Right", "1"}, {"LeftKey", "Ctrl+Alt+L"}};
    const Settings direct = Load(ini);
    ini.asked.clear();
    // The reader lists keys whatever their case; one listed may still hold nothing.
    const char keys[] = "width\0COLOR\0Right\0Offset\0leftkey";
    ListedKeys listed = {ProfileStore{&ini, FakeReadInt, FakeReadString, FakeWrite}, keys, sizeof keys};
    Settings viaList{};
    ReadSettings(ListedKeysStore(listed), ScreenSize{1024, 768}, viaList);
    CHECK(memcmp(&viaList, &direct, sizeof direct) == 0);
    CHECK(ini.asked == std::set<std::string>{"Width", "Color", "Right", "Offset", "LeftKey"});
    // Without a list every key is asked, and writes reach the file either way.
    listed.keys = nullptr;
    ReadSettings(ListedKeysStore(listed), ScreenSize{1024, 768}, viaList);
    CHECK(ini.asked == std::set<std::string>{"Left", "Right", "Top", "Bottom", "Width", "Alpha", "Color", "Offset",
                                             "OpenWidth", "LeftKey", "RightKey", "TopKey", "BottomKey",
                                             "EveryScreen", "HoverDelay"});
    CHECK(WriteSettings(ListedKeysStore(listed), viaList));
    CHECK(ini.values["Width"] == "5");
    CHECK(ini.writes.size() > 0);
}

TEST_CASE("width, transparency and offset follow their load rules")
{
    struct Row { const char* key; const char* text; int Settings::*field; int expected; };
    const Row rows[] = {
        {"Width", "0", &Settings::width, 1},
        {"Width", "25", &Settings::width, 10},
        {"Width", "-3", &Settings::width, 1},
        {"Width", "7", &Settings::width, 7},
        {"Alpha", "100", &Settings::transparency, 100},
        {"Alpha", "101", &Settings::transparency, 0},
        {"Alpha", "-1", &Settings::transparency, 0},
        {"Alpha", "50", &Settings::transparency, 50},
        {"Offset", "-5", &Settings::offset, 0},
        {"Offset", "384", &Settings::offset, 384},
        {"Offset", "385", &Settings::offset, 0},
        {"OpenWidth", "-1", &Settings::openWidth, -1},
        {"OpenWidth", "50", &Settings::openWidth, 50},
        {"Left", "5", &Settings::left, 5},
        {"Left", "abc", &Settings::left, 0},
        {"Width", "4px", &Settings::width, 4},
        {"EveryScreen", "1", &Settings::everyScreen, 1},
        {"EveryScreen", "2", &Settings::everyScreen, 0},
        {"EveryScreen", "-1", &Settings::everyScreen, 0},
        {"EveryScreen", "yes", &Settings::everyScreen, 0},
        {"EveryScreen", " 1x", &Settings::everyScreen, 1},
        {"HoverDelay", "0", &Settings::hoverDelay, 0},
        {"HoverDelay", "99", &Settings::hoverDelay, 0},
        {"HoverDelay", "100", &Settings::hoverDelay, 100},
        {"HoverDelay", "400", &Settings::hoverDelay, 400},
        {"HoverDelay", "5000", &Settings::hoverDelay, 5000},
        {"HoverDelay", "5001", &Settings::hoverDelay, 0},
        {"HoverDelay", "-400", &Settings::hoverDelay, 0},
        {"HoverDelay", "slow", &Settings::hoverDelay, 0},
    };
    for (const Row& r : rows) {
        CAPTURE(r.key);
        CAPTURE(r.text);
        FakeIni ini;
        ini.values[r.key] = r.text;
        CHECK(Load(ini).*r.field == r.expected);
    }
}

TEST_CASE("a negative offset leaves the transparency as read")
{
    FakeIni ini;
    ini.values["Offset"] = "-5";
    ini.values["Alpha"] = "30";
    const Settings s = Load(ini);
    CHECK(s.offset == 0);
    CHECK(s.transparency == 30);
}

TEST_CASE("the corner margin may not pass half of either screen side")
{
    FakeIni ini;
    ini.values["Offset"] = "385";
    CHECK(Load(ini, {768, 1024}).offset == 0);
    ini.values["Offset"] = "384";
    CHECK(Load(ini, {768, 1024}).offset == 384);
    ini.values["Offset"] = "500";
    CHECK(Load(ini, {1001, 1999}).offset == 500);
    ini.values["Offset"] = "501";
    CHECK(Load(ini, {1001, 1999}).offset == 0);
    CHECK(Load(ini, {1999, 1001}).offset == 0);
}

TEST_CASE("colour fields are taken left to right until the text stops matching")
{
    struct Row { const char* text; int r, g, b; };
    const Row rows[] = {
        {"0,128", 0, 128, 9},
        {"300,-1,0", 300, -1, 0},
        {"1,2,3", 1, 2, 3},
        {"1, 2, 3", 1, 2, 3},
        {"1 ,2,3", 1, 7, 9},
        {"", 5, 7, 9},
        {"red", 5, 7, 9},
        {"12,x,3", 12, 7, 9},
        {" 4,5,6junk", 4, 5, 6},
        {"+4,-0,6", 4, 0, 6},
    };
    for (const Row& r : rows) {
        CAPTURE(r.text);
        Settings s{};
        s.red = 5;
        s.green = 7;
        s.blue = 9;
        ParseColor(r.text, s);
        CHECK(s.red == r.r);
        CHECK(s.green == r.g);
        CHECK(s.blue == r.b);
    }
}

TEST_CASE("a colour longer than 30 characters is cut before parsing")
{
    FakeIni ini;
    // 28 characters up to the last comma; only "1" of the blue value fits.
    ini.values["Color"] = "0000000000000000000000001,2,123";
    Settings start{};
    start.blue = 77;
    const Settings s = Load(ini, {1024, 768}, start);
    CHECK(s.red == 1);
    CHECK(s.green == 2);
    CHECK(s.blue == 12);
}

TEST_CASE("integers are read as the profile reader reads them")
{
    struct Row { const char* text; int value; };
    const Row rows[] = {
        {"12", 12}, {"-3", -3}, {"12abc", 12}, {"abc", 0}, {"", 0},
        {" 7", 7}, {"+8", 8}, {"-", 0}, {"2147483647", 2147483647}, {"-2147483648", -2147483647 - 1},
    };
    for (const Row& r : rows) {
        CAPTURE(r.text);
        CHECK(ProfileTextToInt(r.text) == r.value);
    }
}

TEST_CASE("the page offers the load rule's range, off for the rest delay, and less than half for the margin")
{
    const ScreenSize s{1024, 768};
    const Range width = OfferedRange(SettingsFieldOf(&Settings::width), s);
    const Range hover = OfferedRange(SettingsFieldOf(&Settings::hoverDelay), s);
    const Range margin = OfferedRange(SettingsFieldOf(&Settings::offset), s);
    CHECK((width.lo == 1 && width.hi == 10));
    CHECK((hover.lo == 0 && hover.hi == 5000));
    CHECK((margin.lo == 0 && margin.hi == 383));
}

TEST_CASE("saving writes the keys in order without applying rules, and removes the later keys not set")
{
    FakeIni ini;
    ini.values["RightKey"] = "Ctrl+R";
    ini.values["EveryScreen"] = "1";
    Settings s{};
    s.topKey = ParseHotKey("win+alt+up");
    s.left = 5;
    s.right = 0;
    s.top = -1;
    s.bottom = 1;
    s.width = 25;
    s.transparency = 255;
    s.offset = -7;
    s.openWidth = 50;
    s.red = 300;
    s.green = -1;
    s.blue = -2147483647 - 1;
    WriteSettings(ProfileStore{&ini, FakeReadInt, FakeReadString, FakeWrite}, s);
    const std::vector<std::pair<std::string, std::string>> expected = {
        {"Left", "5"}, {"Right", "0"}, {"Top", "-1"}, {"Bottom", "1"}, {"Width", "25"},
        {"Alpha", "255"}, {"Offset", "-7"}, {"OpenWidth", "50"}, {"Color", "300,-1,-2147483648"},
        {"LeftKey", "(none)"}, {"RightKey", "(none)"}, {"TopKey", "Alt+Win+Up"}, {"BottomKey", "(none)"},
        {"EveryScreen", "(none)"}, {"HoverDelay", "(none)"},
    };
    CHECK(ini.writes == expected);
    CHECK(ini.values.count("RightKey") == 0);
    CHECK(ini.values.count("EveryScreen") == 0);
    s.everyScreen = 1;
    s.hoverDelay = 400;
    WriteSettings(ProfileStore{&ini, FakeReadInt, FakeReadString, FakeWrite}, s);
    CHECK(ini.values["EveryScreen"] == "1");
    CHECK(ini.writes.back() == std::make_pair(std::string("HoverDelay"), std::string("400")));

    // What was saved loads back through the rules.
    const Settings back = Load(ini);
    CHECK(back.left == 5);
    CHECK(back.width == 10);
    CHECK(back.transparency == 0);
    CHECK(back.offset == 0);
    CHECK(back.openWidth == 50);
    CHECK(back.red == 300);
    CHECK(back.green == -1);
    CHECK(back.blue == -2147483647 - 1);
    CHECK(back.topKey == s.topKey);
    CHECK(back.leftKey == 0);
}

TEST_CASE("numbers are written as decimal text, extremes included")
{
    char text[12];
    for (int v : {0, 7, -7, 10, 255, -1000, 2147483647, -2147483647 - 1}) {
        CAPTURE(v);
        const int len = FormatDecimal(v, text);
        CHECK(std::string(text) == std::to_string(v));
        CHECK(len == static_cast<int>(std::to_string(v).size()));
    }
}

TEST_CASE("opacity falls with the transparency percentage but never reaches 0")
{
    CHECK(BarOpacity(0) == 255);
    CHECK(BarOpacity(10) == 229);
    CHECK(BarOpacity(50) == 127);
    CHECK(BarOpacity(99) == 2);
    CHECK(BarOpacity(100) == 1);
    for (int a = 0; a < 100; ++a) {
        CAPTURE(a);
        CHECK(BarOpacity(a) >= BarOpacity(a + 1));
        CHECK(BarOpacity(a) > 0);
    }
}

TEST_CASE("bar colour takes the low 8 bits of each component, and OK splits it back")
{
    auto BarColour = [](int r, int g, int b) {
        Settings s{};
        s.red = r;
        s.green = g;
        s.blue = b;
        return ::BarColour(s);
    };
    CHECK(BarColour(255, 255, 0) == 0x00FFFFu);
    CHECK(BarColour(0, 0, 255) == 0xFF0000u);
    CHECK(BarColour(300, 0, 0) == 44u);
    CHECK(BarColour(-1, 0, 0) == 255u);
    CHECK(BarColour(1, 2, 3) == 0x030201u);
    CHECK(BarColour(256, 512, -256) == 0u);
    Settings s{};
    SetBarColour(s, BarColour(300, -1, 7));
    CHECK((s.red == 44 && s.green == 255 && s.blue == 7));
}

TEST_CASE("a hot key is read from text a person writes, and written back as one spelling")
{
    const int ctrlAlt = kHotKeyControl | kHotKeyAlt;
    struct {
        const char* text;
        int key;               // 0: no key
        const char* written;   // how it is written back
    } rows[] = {
        {"Ctrl+Alt+Left", MakeHotKey(ctrlAlt, 0x25), "Ctrl+Alt+Left"},
        {"  alt + CTRL +left ", MakeHotKey(ctrlAlt, 0x25), "Ctrl+Alt+Left"},
        {"Win+Shift+Alt+Ctrl+PageDown", MakeHotKey(0xF, 0x22), "Ctrl+Alt+Shift+Win+PageDown"},
        {"Win+D", MakeHotKey(kHotKeyWin, 'D'), "Win+D"},
        {"ctrl+shift+7", MakeHotKey(kHotKeyControl | kHotKeyShift, '7'), "Ctrl+Shift+7"},
        {"Alt+f12", MakeHotKey(kHotKeyAlt, 0x7B), "Alt+F12"},
        {"F24", MakeHotKey(0, 0x87), "F24"},
        {"Shift+F1", MakeHotKey(kHotKeyShift, 0x70), "Shift+F1"},
        {"Ctrl+Alt+NumMultiply", MakeHotKey(ctrlAlt, 0x6A), "Ctrl+Alt+NumMultiply"},
        {"Win+Alt+Backslash", MakeHotKey(kHotKeyAlt | kHotKeyWin, 0xDC), "Alt+Win+Backslash"},
        // A key without Ctrl, Alt or Win would be lost to typing.
        {"Left", 0, ""},
        {"A", 0, ""},
        {"Shift+A", 0, ""},
        {"", 0, ""},
        {"Ctrl+Alt", 0, ""},
        {"Ctrl+Alt+", 0, ""},
        {"+Left", 0, ""},
        {"Ctrl+Ctrl+Left", 0, ""},
        {"Ctrl+Alt+Leftt", 0, ""},
        {"Control+Alt+Left", 0, ""},
        {"Ctrl+Alt+F0", 0, ""},
        {"Ctrl+Alt+F25", 0, ""},
        {"Ctrl+Alt+F01", 0, ""},
        {"Ctrl Alt Left", 0, ""},
        {"Ctrl+Alt+Left+Right", 0, ""},
        {"Ctrl+Alt+\xe5\xb7\xa6", 0, ""},
    };
    for (const auto& r : rows) {
        CAPTURE(r.text);
        CHECK(ParseHotKey(r.text) == r.key);
        char text[kHotKeyTextSize];
        CHECK(FormatHotKey(r.key, text) == static_cast<int>(strlen(r.written)));
        CHECK(std::string(text) == r.written);
    }
    // Every combination of the four modifiers (Alt 1, Ctrl 2, Shift 4, Win 8)
    // reads back as written, or is no key: a named key with nothing or Shift
    // alone would be lost to typing, a function key never.
    const struct {
        int vk;
        const char* usable;  // by the modifiers' number, 0 to 15
    } keys[] = {{0x25, "0111011111111111"}, {'Q', "0111011111111111"}, {0x74, "1111111111111111"}};
    for (const auto& k : keys) {
        for (int modifiers = 0; modifiers < 16; ++modifiers) {
            const int key = MakeHotKey(modifiers, k.vk);
            char text[kHotKeyTextSize];
            FormatHotKey(key, text);
            CAPTURE(k.vk);
            CAPTURE(modifiers);
            CHECK(IsUsableHotKey(key) == (k.usable[modifiers] == '1'));
            CHECK(ParseHotKey(text) == (k.usable[modifiers] == '1' ? key : 0));
        }
    }
    // Text the reader's buffer could have cut short is no key, however it starts.
    const std::string padded = "Ctrl+Alt+Left" + std::string(kHotKeyTextSize, ' ');
    CHECK(ParseHotKey(padded.substr(0, kHotKeyTextSize - 2).c_str()) == MakeHotKey(ctrlAlt, 0x25));
    CHECK(ParseHotKey(padded.substr(0, kHotKeyTextSize - 1).c_str()) == 0);
    FakeIni ini;
    ini.values["LeftKey"] = "Ctrl+Alt+Left";
    ini.values["BottomKey"] = "Left";
    const Settings s = Load(ini);
    CHECK(s.leftKey == MakeHotKey(ctrlAlt, 0x25));
    CHECK(s.bottomKey == 0);
}
