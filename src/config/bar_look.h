// How the bars look: their colour, as the settings keep it, the file spells it
// and the screen shows it, and how much of what lies behind them shows through.
#pragma once
#include <cstdint>

#include "settings.h"

const char* const kColorKey = "Color";
const char* const kColorDefault = "255,255,0";
const int kColorBufferSize = 31;  // so at most 30 characters of the value count

// 0x00BBGGRR from the low 8 bits of each component.
uint32_t BarColour(const Settings& s);

// Splits a 0x00BBGGRR colour into the three components.
void SetBarColour(Settings& s, uint32_t colour);

// Assigns red, green, blue from "%d,%d,%d" text left to right until the text
// stops matching; the fields after the mismatch keep their values.
void ParseColor(const char* text, Settings& s);

// The file's "%d,%d,%d" text of the three components, into at least
// kLongestColorText + 1 bytes; returns its length.
const int kLongestColorText = 3 * 11 + 2;
int FormatColor(const Settings& s, char* out);

// Layered-window opacity for a transparency percentage (0 opaque).
uint8_t BarOpacity(int transparencyPercent);
