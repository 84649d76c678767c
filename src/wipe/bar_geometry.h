// Where the edge bars stand and how they look, as plain arithmetic over the
// screen size and the settings. No window handles here, so every rule can be
// checked natively against tables of screens.
#pragma once
#include <cstdint>

#include "../common/geometry.h"

// The bar's rectangle at rest, for thickness t and corner margin m.
Rect BarRestRect(Edge edge, ScreenSize screen, int thickness, int margin);

// Top-left corner of a bar while its edge is wiped by distance d.
Point BarWipedCorner(Edge edge, ScreenSize screen, int margin, int distance);

// The screen coordinate windows are pushed to when the edge is wiped by d.
int WipeLine(Edge edge, ScreenSize screen, int distance);

// The wipe line given by a bar dropped at `barRect`: its side facing the screen's middle.
int BarInnerSide(Edge edge, const Rect& barRect);

// A bar being dragged keeps its length and margins and slides along one axis.
Rect ConstrainedDragRect(Edge edge, const Rect& proposed, ScreenSize screen, int margin);

// Layered-window opacity for a transparency percentage (0 opaque).
uint8_t BarOpacity(int transparencyPercent);

// 0x00BBGGRR from the low 8 bits of each component.
uint32_t BarColour(int red, int green, int blue);
