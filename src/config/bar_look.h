// How the bars look: their colour, as the settings keep it and the screen
// shows it, and how much of what lies behind them shows through.
#pragma once
#include <cstdint>

#include "settings.h"


// 0x00BBGGRR from the low 8 bits of each component.
uint32_t BarColour(const Settings& s);

// Splits a 0x00BBGGRR colour into the three components.
void SetBarColour(Settings& s, uint32_t colour);

// Layered-window opacity for a transparency percentage (0 opaque).
uint8_t BarOpacity(int transparencyPercent);
