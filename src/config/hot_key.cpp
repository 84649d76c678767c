#include "hot_key.h"

#include <cstring>

// The names of the keys a hot key may use, as Windows' virtual-key codes.
// Letters, digits and F1 to F24 are named by rule below.
struct KeyName {
    int virtualKey;
    const char* name;
};

static const KeyName kKeyNames[] = {
    {0x08, "Backspace"}, {0x09, "Tab"},        {0x0D, "Enter"},       {0x13, "Pause"},       {0x1B, "Escape"},
    {0x20, "Space"},     {0x21, "PageUp"},     {0x22, "PageDown"},    {0x23, "End"},         {0x24, "Home"},
    {0x25, "Left"},      {0x26, "Up"},         {0x27, "Right"},       {0x28, "Down"},        {0x2D, "Insert"},
    {0x2E, "Delete"},    {0x60, "Num0"},       {0x61, "Num1"},        {0x62, "Num2"},        {0x63, "Num3"},
    {0x64, "Num4"},      {0x65, "Num5"},       {0x66, "Num6"},        {0x67, "Num7"},        {0x68, "Num8"},
    {0x69, "Num9"},      {0x6A, "NumMultiply"}, {0x6B, "NumAdd"},     {0x6D, "NumSubtract"}, {0x6E, "NumDecimal"},
    {0x6F, "NumDivide"}, {0xBA, "Semicolon"},  {0xBB, "Equals"},      {0xBC, "Comma"},       {0xBD, "Minus"},
    {0xBE, "Period"},    {0xBF, "Slash"},      {0xC0, "Backquote"},   {0xDB, "LeftBracket"}, {0xDC, "Backslash"},
    {0xDD, "RightBracket"}, {0xDE, "Quote"},
};

struct ModifierName {
    int modifier;
    const char* name;
};

// In the order FormatHotKey writes them.
static const ModifierName kModifierNames[] = {
    {kHotKeyControl, "Ctrl"}, {kHotKeyAlt, "Alt"}, {kHotKeyShift, "Shift"}, {kHotKeyWin, "Win"}};

const int kFirstFunctionKey = 0x70;  // F1
const int kFunctionKeys = 24;

static bool IsFunctionKey(int vk) { return vk >= kFirstFunctionKey && vk < kFirstFunctionKey + kFunctionKeys; }
static bool IsLetter(int vk) { return vk >= 'A' && vk <= 'Z'; }
static bool IsDigitKey(int vk) { return vk >= '0' && vk <= '9'; }

static const char* TableName(int vk)
{
    for (const KeyName& k : kKeyNames)
        if (k.virtualKey == vk)
            return k.name;
    return nullptr;
}

static bool IsNamedKey(int vk) { return IsFunctionKey(vk) || IsLetter(vk) || IsDigitKey(vk) || TableName(vk); }

bool IsUsableHotKey(int key)
{
    const int vk = HotKeyVirtualKey(key);
    if ((key & ~MakeHotKey(0xF, 0xFF)) != 0 || !IsNamedKey(vk))
        return false;
    return IsFunctionKey(vk) || (HotKeyModifiers(key) & (kHotKeyControl | kHotKeyAlt | kHotKeyWin)) != 0;
}

static char Lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

static bool SameName(const char* part, size_t length, const char* name)
{
    if (strlen(name) != length)
        return false;
    for (size_t i = 0; i < length; ++i)
        if (Lower(part[i]) != Lower(name[i]))
            return false;
    return true;
}

// The virtual-key code a key name stands for, or 0.
static int KeyNamed(const char* part, size_t length)
{
    if (length == 1 && (IsLetter(part[0] & ~0x20) || IsDigitKey(part[0])))
        return IsDigitKey(part[0]) ? part[0] : part[0] & ~0x20;
    if (length >= 2 && length <= 3 && Lower(part[0]) == 'f') {
        int n = 0;
        for (size_t i = 1; i < length; ++i) {
            if (part[i] < '0' || part[i] > '9')
                return 0;
            n = n * 10 + (part[i] - '0');
        }
        return part[1] != '0' && n >= 1 && n <= kFunctionKeys ? kFirstFunctionKey + n - 1 : 0;
    }
    for (const KeyName& k : kKeyNames)
        if (SameName(part, length, k.name))
            return k.virtualKey;
    return 0;
}

static int ModifierNamed(const char* part, size_t length)
{
    for (const ModifierName& m : kModifierNames)
        if (SameName(part, length, m.name))
            return m.modifier;
    return 0;
}

static bool IsBlank(char c) { return c == ' ' || c == '\t'; }

int ParseHotKey(const char* text)
{
    if (strlen(text) >= static_cast<size_t>(kHotKeyTextSize - 1))
        return 0;
    int modifiers = 0;
    for (const char* p = text;;) {
        while (IsBlank(*p))
            ++p;
        const char* start = p;
        while (*p && *p != '+' && !IsBlank(*p))
            ++p;
        const size_t length = static_cast<size_t>(p - start);
        while (IsBlank(*p))
            ++p;
        if (length == 0)
            return 0;
        if (*p == '+') {
            const int modifier = ModifierNamed(start, length);
            if (!modifier || (modifiers & modifier))
                return 0;
            modifiers |= modifier;
            ++p;
            continue;
        }
        const int vk = *p ? 0 : KeyNamed(start, length);
        const int key = vk ? MakeHotKey(modifiers, vk) : 0;
        return IsUsableHotKey(key) ? key : 0;
    }
}

static int Append(char* out, int used, const char* text)
{
    const size_t n = strlen(text);
    memcpy(out + used, text, n + 1);
    return used + static_cast<int>(n);
}

int FormatHotKey(int key, char* out)
{
    out[0] = '\0';
    if (!IsUsableHotKey(key))
        return 0;
    int used = 0;
    for (const ModifierName& m : kModifierNames) {
        if (HotKeyModifiers(key) & m.modifier) {
            used = Append(out, used, m.name);
            used = Append(out, used, "+");
        }
    }
    const int vk = HotKeyVirtualKey(key);
    char single[4] = {static_cast<char>(vk), '\0', '\0', '\0'};
    if (IsFunctionKey(vk)) {
        const int n = vk - kFirstFunctionKey + 1;
        single[0] = 'F';
        single[1] = static_cast<char>(n < 10 ? '0' + n : '0' + n / 10);
        single[2] = n < 10 ? '\0' : static_cast<char>('0' + n % 10);
    }
    return Append(out, used, TableName(vk) ? TableName(vk) : single);
}
