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

uint8_t BarOpacity(int transparency)
{
    // 0 would make the bar vanish and stop taking clicks; the nearly invisible 1 keeps it usable.
    if (transparency == 100)
        return 1;
    return static_cast<uint8_t>((100 - transparency) * 255 / 100);
}
