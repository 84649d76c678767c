#include "settings.h"

#include <cctype>
#include <cstdint>
#include <cstring>

#include "edges.h"
#include "hot_key.h"

const SettingsField kSettingsFields[] = {
    {kEdges[EdgeLeft].key, kEdges[EdgeLeft].flag, 1, RuleNone, 0, 0, false},
    {kEdges[EdgeRight].key, kEdges[EdgeRight].flag, 0, RuleNone, 0, 0, false},
    {kEdges[EdgeTop].key, kEdges[EdgeTop].flag, 0, RuleNone, 0, 0, false},
    {kEdges[EdgeBottom].key, kEdges[EdgeBottom].flag, 0, RuleNone, 0, 0, false},
    {"Width", &Settings::width, 2, RuleClampToRange, 1, 10, false},
    // The default lies outside the accepted range on purpose: a file without
    // the key gives an opaque bar.
    {"Alpha", &Settings::transparency, 255, RuleZeroOutside, 0, 100, false},
    {"Offset", &Settings::offset, 0, RuleCornerMargin, 0, 0, false},
    // The file takes any number of icon spacings; the page offers up to ten.
    {"OpenWidth", &Settings::openWidth, 2, RuleNone, 0, 10, false},
    {kEdges[EdgeLeft].hotKeyKey, kEdges[EdgeLeft].hotKey, 0, RuleHotKey, 0, 0, true},
    {kEdges[EdgeRight].hotKeyKey, kEdges[EdgeRight].hotKey, 0, RuleHotKey, 0, 0, true},
    {kEdges[EdgeTop].hotKeyKey, kEdges[EdgeTop].hotKey, 0, RuleHotKey, 0, 0, true},
    {kEdges[EdgeBottom].hotKeyKey, kEdges[EdgeBottom].hotKey, 0, RuleHotKey, 0, 0, true},
    // Anything but 1, text included, is the primary screen alone.
    {"EveryScreen", &Settings::everyScreen, 0, RuleZeroOutside, 0, 1, true},
    // Shorter than a tenth of a second, a pointer only passing would wipe.
    {"HoverDelay", &Settings::hoverDelay, 0, RuleOffOrRange, 100, 5000, true},
};
const int kSettingsFieldCount = sizeof(kSettingsFields) / sizeof(kSettingsFields[0]);

const SettingsField& SettingsFieldOf(int Settings::*field)
{
    for (const SettingsField& f : kSettingsFields)
        if (f.field == field)
            return f;
    return kSettingsFields[0];
}

// Half the screen's smaller side: the largest corner margin the file's rule keeps.
static int LargestCornerMargin(ScreenSize screen)
{
    return (screen.width < screen.height ? screen.width : screen.height) / 2;
}

Range OfferedRange(const SettingsField& f, ScreenSize screen)
{
    if (f.rule == RuleCornerMargin)
        return Range{0, LargestCornerMargin(screen) - 1};
    if (f.rule == RuleOffOrRange)
        return Range{0, f.hi};
    return Range{f.lo, f.hi};
}

int ApplySettingsRule(const SettingsField& f, int v, ScreenSize screen)
{
    switch (f.rule) {
    case RuleNone:
        return v;
    case RuleClampToRange:
        return v < f.lo ? f.lo : (v > f.hi ? f.hi : v);
    case RuleZeroOutside:
        return (v < f.lo || v > f.hi) ? 0 : v;
    case RuleCornerMargin:
        return v < 0 || v > LargestCornerMargin(screen) ? 0 : v;
    case RuleHotKey:
        return IsUsableHotKey(v) ? v : 0;
    case RuleOffOrRange:
        return v >= f.lo && v <= f.hi ? v : 0;
    }
    return v;
}

static bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f'; }
static bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Overflow wraps like the platform's 32-bit accumulation rather than being undefined.
bool ScanInt(const char*& p, int& out)
{
    const char* q = p;
    while (IsBlank(*q))
        ++q;
    bool negative = false;
    if (*q == '+' || *q == '-')
        negative = *q++ == '-';
    if (!IsDigit(*q))
        return false;
    uint32_t v = 0;
    while (IsDigit(*q))
        v = v * 10u + static_cast<uint32_t>(*q++ - '0');
    out = static_cast<int>(negative ? 0u - v : v);
    p = q;
    return true;
}

int ProfileTextToInt(const char* text)
{
    const char* p = text;
    int v = 0;
    return ScanInt(p, v) ? v : 0;
}

void ApplySettingsRules(ScreenSize screen, Settings& s)
{
    for (int i = 0; i < kSettingsFieldCount; ++i) {
        const SettingsField& f = kSettingsFields[i];
        s.*f.field = ApplySettingsRule(f, s.*f.field, screen);
    }
}

void ReadSettings(const ProfileStore& store, ScreenSize screen, Settings& s)
{
    for (int i = 0; i < kSettingsFieldCount; ++i) {
        const SettingsField& f = kSettingsFields[i];
        if (f.rule != RuleHotKey) {
            s.*f.field = ApplySettingsRule(f, store.readInt(store.context, f.key, f.defaultValue), screen);
            continue;
        }
        char text[kHotKeyTextSize];
        store.readString(store.context, f.key, "", text, sizeof text);
        s.*f.field = ParseHotKey(text);
    }
    char color[kColorBufferSize];
    store.readString(store.context, kColorKey, kColorDefault, color, sizeof color);
    ParseColor(color, s);
}

int FormatDecimal(int value, char* out)
{
    char digits[10];  // as many as a 32-bit number has
    int n = 0;
    uint32_t v = value < 0 ? 0u - static_cast<uint32_t>(value) : static_cast<uint32_t>(value);
    do {
        digits[n++] = static_cast<char>('0' + v % 10);
        v /= 10;
    } while (v);
    int len = 0;
    if (value < 0)
        out[len++] = '-';
    while (n)
        out[len++] = digits[--n];
    out[len] = '\0';
    return len;
}

static int Settings::*const kComponents[] = {&Settings::red, &Settings::green, &Settings::blue};

void ParseColor(const char* text, Settings& s)
{
    const char* p = text;
    for (int i = 0; i < 3; ++i) {
        if (i > 0) {
            if (*p != ',')
                return;
            ++p;
        }
        int v;
        if (!ScanInt(p, v))
            return;
        s.*kComponents[i] = v;
    }
}

int FormatColor(const Settings& s, char* out)
{
    int len = 0;
    for (int i = 0; i < 3; ++i) {
        if (i > 0)
            out[len++] = ',';
        len += FormatDecimal(s.*kComponents[i], out + len);
    }
    return len;
}

// Every key is written even after one failed, so that as much as can be kept is.
bool WriteSettings(const ProfileStore& store, const Settings& s)
{
    char text[kHotKeyTextSize];
    bool written = true;
    for (int i = 0; i < kSettingsFieldCount; ++i) {
        const SettingsField& f = kSettingsFields[i];
        if (f.cameLater)
            continue;
        FormatDecimal(s.*f.field, text);
        written = store.writeString(store.context, f.key, text) && written;
    }
    FormatColor(s, text);
    written = store.writeString(store.context, kColorKey, text) && written;
    for (int i = 0; i < kSettingsFieldCount; ++i) {
        const SettingsField& f = kSettingsFields[i];
        if (!f.cameLater)
            continue;
        const int v = s.*f.field;
        const bool set = f.rule == RuleHotKey ? FormatHotKey(v, text) != 0 : v != f.defaultValue;
        if (set && f.rule != RuleHotKey)
            FormatDecimal(v, text);
        written = store.writeString(store.context, f.key, set ? text : nullptr) && written;
    }
    return written;
}

static int AbsentReadInt(void*, const char*, int def) { return def; }

static void AbsentReadString(void*, const char*, const char* def, char* out, int size)
{
    if (size <= 0)
        return;
    const size_t n = strnlen(def, static_cast<size_t>(size) - 1);
    memcpy(out, def, n);
    out[n] = '\0';
}

static bool AbsentWriteString(void*, const char*, const char*) { return false; }

ProfileStore AbsentProfileStore()
{
    return ProfileStore{nullptr, AbsentReadInt, AbsentReadString, AbsentWriteString};
}

// The profile reader finds keys whatever their case.
static bool SameKey(const char* a, const char* b)
{
    for (; *a && *b; ++a, ++b)
        if (tolower(static_cast<unsigned char>(*a)) != tolower(static_cast<unsigned char>(*b)))
            return false;
    return *a == *b;
}

static bool MayHold(const ListedKeys& listed, const char* key)
{
    if (!listed.keys)
        return true;
    for (size_t at = 0; at < listed.length; at += strnlen(listed.keys + at, listed.length - at) + 1)
        if (SameKey(listed.keys + at, key))
            return true;
    return false;
}

static int ListedReadInt(void* context, const char* key, int def)
{
    const ListedKeys& listed = *static_cast<const ListedKeys*>(context);
    return MayHold(listed, key) ? listed.file.readInt(listed.file.context, key, def) : def;
}

static void ListedReadString(void* context, const char* key, const char* def, char* out, int size)
{
    const ListedKeys& listed = *static_cast<const ListedKeys*>(context);
    if (MayHold(listed, key))
        listed.file.readString(listed.file.context, key, def, out, size);
    else
        AbsentReadString(nullptr, key, def, out, size);
}

static bool ListedWriteString(void* context, const char* key, const char* value)
{
    const ListedKeys& listed = *static_cast<const ListedKeys*>(context);
    return listed.file.writeString(listed.file.context, key, value);
}

ProfileStore ListedKeysStore(ListedKeys& listed)
{
    return ProfileStore{&listed, ListedReadInt, ListedReadString, ListedWriteString};
}
