// What every layer must load when there is no settings file: one opaque,
// 2-pixel yellow bar on the left edge.
#pragma once
#include <doctest/doctest.h>

#include "config/settings.h"

inline void CheckDefaultSettings(const Settings& s)
{
    CHECK(s.left == 1);
    CHECK(s.right == 0);
    CHECK(s.top == 0);
    CHECK(s.bottom == 0);
    CHECK(s.width == 2);
    CHECK(s.transparency == 0);
    CHECK(s.red == 255);
    CHECK(s.green == 255);
    CHECK(s.blue == 0);
    CHECK(s.offset == 0);
    CHECK(s.openWidth == 2);
}
