// The settings store against the platform's real INI reader and writer.
#include <doctest/doctest.h>

#include "config/hot_key.h"
#include "config/settings_store.h"
#include "default_settings.h"
#include "test_files.h"

namespace {
const std::string kIni = BesideExe("Sashlet.ini");

Settings LoadFrom(const char* content, ScreenSize screen = {1024, 768}, Settings settings = {})
{
    RemoveFile(kIni);
    if (content)
        WriteFileBytes(kIni, content);
    LoadSettings(screen, settings);
    RemoveFile(kIni);
    return settings;
}
}

TEST_CASE("the store finds its file beside the program")
{
    char path[MAX_PATH];
    REQUIRE(SettingsFilePath(path));
    CHECK(std::string(path) == kIni);
}

TEST_CASE("a missing file gives the defaults and is not created")
{
    const Settings s = LoadFrom(nullptr);
    CheckDefaultSettings(s);
    CHECK_FALSE(FileExists(kIni));
}

TEST_CASE("values out of range are brought back by the load rules")
{
    const Settings s = LoadFrom("[Sashlet]\r\nLeft=5\r\nRight=1\r\nWidth=25\r\nAlpha=101\r\n"
                                "Offset=385\r\nOpenWidth=50\r\nColor=300,-1,0\r\n");
    CHECK(s.left == 5);
    CHECK(s.right == 1);
    CHECK(s.width == 10);
    CHECK(s.transparency == 0);
    CHECK(s.offset == 0);
    CHECK(s.openWidth == 50);
    CHECK(s.red == 300);
    CHECK(s.green == -1);
    CHECK(s.blue == 0);

    Settings before = {};
    before.blue = 77;  // neither the default nor what a reset gives
    const Settings t = LoadFrom("[Sashlet]\nWidth=-3\nAlpha=100\nOffset=384\nColor=0,128\n", {1024, 768}, before);
    CHECK(t.width == 1);
    CHECK(t.transparency == 100);
    CHECK(t.offset == 384);
    CHECK(t.red == 0);
    CHECK(t.green == 128);
    CHECK(t.blue == 77);  // kept from before the load

    CHECK(LoadFrom("[Sashlet]\nOffset=385\n", {768, 1024}).offset == 0);
    CHECK(LoadFrom("[Sashlet]\nOffset=384\n", {768, 1024}).offset == 384);
    CHECK(LoadFrom("[Sashlet]\nWidth=0\nAlpha=-1\n").width == 1);
}

TEST_CASE("keys are found whatever their case and spacing, under a section that comes twice")
{
    // The section's keys are asked for once, and only those are read: what
    // the system's reader gives for each key must come through unchanged.
    WriteFileBytes(kIni, "; written by hand\r\n[sashlet]\r\n  WIDTH = 5 \r\n;Left=0\r\nright=1\r\ncolor=1,2,3\r\n"
                         "[Other]\r\nAlpha=40\r\n[Sashlet]\r\nOffset=7\r\n");
    // Whether a section's second coming is read differs between platforms.
    const int offset = static_cast<int>(GetPrivateProfileIntA("Sashlet", "Offset", 0, kIni.c_str()));
    Settings s = {};
    LoadSettings(ScreenSize{1024, 768}, s);
    RemoveFile(kIni);
    CHECK(s.width == 5);
    CHECK(s.left == 1);
    CHECK(s.right == 1);
    CHECK(s.transparency == 0);
    CHECK(s.offset == offset);
    CHECK(s.red == 1);
    CHECK(s.green == 2);
    CHECK(s.blue == 3);
}

TEST_CASE("the platform reads integers the way the rules expect")
{
    struct Row { const char* text; int value; };
    const Row rows[] = {{"12", 12}, {"-3", -3}, {"12abc", 12}, {"abc", 0}, {"7 ", 7}};
    for (const Row& r : rows) {
        CAPTURE(r.text);
        const std::string content = std::string("[Sashlet]\nOpenWidth=") + r.text + "\n";
        CHECK(LoadFrom(content.c_str()).openWidth == r.value);
        CHECK(ProfileTextToInt(r.text) == r.value);
    }
}

TEST_CASE("saving into a new file lists the nine keys in order and reads back")
{
    RemoveFile(kIni);
    const ScreenSize screen = {1024, 768};
    Settings saved = {1, 0, 1, 0, 5, 50, 0, 0, 255, 100, 3};
    SaveSettings(saved);
    std::string bytes;
    REQUIRE(ReadFileBytes(kIni, bytes));
    const char* const lines[] = {"[Sashlet]", "Left=1", "Right=0", "Top=1", "Bottom=0", "Width=5",
                                 "Alpha=50", "Offset=100", "OpenWidth=3", "Color=0,0,255"};
    size_t at = 0;
    for (const char* line : lines) {
        CAPTURE(line);
        const size_t found = bytes.find(line, at);
        CHECK(found != std::string::npos);
        if (found != std::string::npos)
            at = found + strlen(line);
    }

    Settings s = {};
    LoadSettings(screen, s);
    CHECK(s.left == 1);
    CHECK(s.top == 1);
    CHECK(s.width == 5);
    CHECK(s.transparency == 50);
    CHECK(s.offset == 100);
    CHECK(s.openWidth == 3);
    CHECK(s.blue == 255);
    CHECK(s.red == 0);
    RemoveFile(kIni);
}

TEST_CASE("saving keeps values the rules would change, and keeps the order of an existing file")
{
    WriteFileBytes(kIni, "[Sashlet]\r\nColor=1,2,3\r\nWidth=4\r\n");
    SaveSettings(Settings{5, 0, 0, 0, 25, 255, 300, -1, 0, -5, 50});
    std::string bytes;
    REQUIRE(ReadFileBytes(kIni, bytes));
    CHECK(bytes.find("Color=300,-1,0") < bytes.find("Width=25"));
    CHECK(bytes.find("Left=5") != std::string::npos);
    CHECK(bytes.find("Alpha=255") != std::string::npos);
    CHECK(bytes.find("Offset=-5") != std::string::npos);
    CHECK(bytes.find("OpenWidth=50") != std::string::npos);
    RemoveFile(kIni);
}

TEST_CASE("every key name the file takes reads as the key Windows numbers so, each modifier as its own")
{
    const struct {
        const char* name;
        UINT vk;
    } keys[] = {
        {"Backspace", VK_BACK},      {"Tab", VK_TAB},           {"Enter", VK_RETURN},        {"Pause", VK_PAUSE},
        {"Escape", VK_ESCAPE},       {"Space", VK_SPACE},       {"PageUp", VK_PRIOR},        {"PageDown", VK_NEXT},
        {"End", VK_END},             {"Home", VK_HOME},         {"Left", VK_LEFT},           {"Up", VK_UP},
        {"Right", VK_RIGHT},         {"Down", VK_DOWN},         {"Insert", VK_INSERT},       {"Delete", VK_DELETE},
        {"Num0", VK_NUMPAD0},        {"Num1", VK_NUMPAD1},      {"Num2", VK_NUMPAD2},        {"Num3", VK_NUMPAD3},
        {"Num4", VK_NUMPAD4},        {"Num5", VK_NUMPAD5},      {"Num6", VK_NUMPAD6},        {"Num7", VK_NUMPAD7},
        {"Num8", VK_NUMPAD8},        {"Num9", VK_NUMPAD9},      {"NumMultiply", VK_MULTIPLY}, {"NumAdd", VK_ADD},
        {"NumSubtract", VK_SUBTRACT}, {"NumDecimal", VK_DECIMAL}, {"NumDivide", VK_DIVIDE},   {"Semicolon", VK_OEM_1},
        {"Equals", VK_OEM_PLUS},     {"Comma", VK_OEM_COMMA},   {"Minus", VK_OEM_MINUS},     {"Period", VK_OEM_PERIOD},
        {"Slash", VK_OEM_2},         {"Backquote", VK_OEM_3},   {"LeftBracket", VK_OEM_4},   {"Backslash", VK_OEM_5},
        {"RightBracket", VK_OEM_6},  {"Quote", VK_OEM_7},       {"A", 'A'},                  {"z", 'Z'},
        {"0", '0'},                  {"9", '9'},                {"F1", VK_F1},               {"F24", VK_F24},
    };
    for (const auto& k : keys) {
        CAPTURE(k.name);
        const std::string text = std::string("Ctrl+Alt+") + k.name;
        const int key = ParseHotKey(text.c_str());
        CHECK(HotKeyVirtualKey(key) == static_cast<int>(k.vk));
        CHECK(HotKeyModifiers(key) == static_cast<int>(MOD_CONTROL | MOD_ALT));
    }
    const struct {
        const char* name;
        UINT modifier;
    } modifiers[] = {{"Ctrl", MOD_CONTROL}, {"Alt", MOD_ALT}, {"Shift", MOD_SHIFT}, {"Win", MOD_WIN}};
    for (const auto& m : modifiers) {
        CAPTURE(m.name);
        CHECK(HotKeyModifiers(ParseHotKey((std::string(m.name) + "+F5").c_str())) == static_cast<int>(m.modifier));
    }
}
