#include "bar_look.h"

uint32_t BarColour(const Settings& s)
{
    return (static_cast<uint32_t>(s.red) & 0xFF) | ((static_cast<uint32_t>(s.green) & 0xFF) << 8) |
           ((static_cast<uint32_t>(s.blue) & 0xFF) << 16);
}

void SetBarColour(Settings& s, uint32_t colour)
{
    s.red = static_cast<int>(colour & 0xFF);
    s.green = static_cast<int>((colour >> 8) & 0xFF);
    s.blue = static_cast<int>((colour >> 16) & 0xFF);
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

uint8_t BarOpacity(int transparency)
{
    // 0 would make the bar vanish and stop taking clicks; the nearly invisible 1 keeps it usable.
    if (transparency == 100)
        return 1;
    return static_cast<uint8_t>((100 - transparency) * 255 / 100);
}
