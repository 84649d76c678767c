// Any text in the settings file loads into values that keep the load rules
// (a hot key is a usable key or none),
// and what is then saved loads back to the same values, as long as the saved
// colour fits the 30 characters the reader takes (components of a hand-edited
// file need not lie in 0..255, and nothing bounds them).
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <map>
#include <string>

#include "config/bar_look.h"
#include "config/hot_key.h"
#include "config/settings.h"

namespace {
struct Store {
    std::map<std::string, std::string> values;
};

int ReadInt(void* c, const char* key, int def)
{
    auto& v = static_cast<Store*>(c)->values;
    auto it = v.find(key);
    return it == v.end() ? def : ProfileTextToInt(it->second.c_str());
}

void ReadString(void* c, const char* key, const char* def, char* out, int size)
{
    auto& v = static_cast<Store*>(c)->values;
    auto it = v.find(key);
    const std::string text = it == v.end() ? def : it->second;
    const size_t n = text.size() < static_cast<size_t>(size - 1) ? text.size() : static_cast<size_t>(size - 1);
    memcpy(out, text.data(), n);
    out[n] = '\0';
}

// No value removes the key, as the profile writer does.
bool Write(void* c, const char* key, const char* value)
{
    if (value)
        static_cast<Store*>(c)->values[key] = value;
    else
        static_cast<Store*>(c)->values.erase(key);
    return true;
}

// "Key=value" lines, as a hand-edited file might hold them.
Store Parse(const uint8_t* data, size_t size)
{
    Store store;
    std::string text(reinterpret_cast<const char*>(data), size);
    size_t at = 0;
    while (at <= text.size()) {
        size_t end = text.find('\n', at);
        if (end == std::string::npos)
            end = text.size();
        const std::string line = text.substr(at, end - at);
        const size_t eq = line.find('=');
        if (eq != std::string::npos)
            store.values[line.substr(0, eq)] = line.substr(eq + 1).c_str();
        at = end + 1;
    }
    return store;
}
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 4)
        return 0;
    const ScreenSize screen{1 + (data[0] | (data[1] << 8)) % 8000, 1 + (data[2] | (data[3] << 8)) % 8000};
    Store store = Parse(data + 4, size - 4);
    const ProfileStore ps{&store, ReadInt, ReadString, Write};
    Settings s{};
    ReadSettings(ps, screen, s);
    if (s.width < 1 || s.width > 10 || s.transparency < 0 || s.transparency > 100 || s.offset < 0 ||
        s.offset > screen.width / 2 || s.offset > screen.height / 2)
        abort();
    for (int key : {s.leftKey, s.rightKey, s.topKey, s.bottomKey})
        if (key != 0 && !IsUsableHotKey(key))
            abort();
    Store saved;
    WriteSettings(ProfileStore{&saved, ReadInt, ReadString, Write}, s);
    Settings back{};
    ReadSettings(ProfileStore{&saved, ReadInt, ReadString, Write}, screen, back);
    if (saved.values[kColorKey].size() >= static_cast<size_t>(kColorBufferSize)) {
        back.red = s.red;
        back.green = s.green;
        back.blue = s.blue;
    }
    if (memcmp(&s, &back, sizeof s) != 0)
        abort();
    return 0;
}
