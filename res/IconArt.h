// The cube of icon IDR_MAINFRAME, drawn at any size from its corners, so that
// the window icon and the desktop icons are one picture: a cube seen from
// above, lit from the upper left, with white front edges and a dark outline.
#pragma once

#include <cstdint>
#include <vector>

// Index 0 is transparent; the others are 0xRRGGBB: outline, edges, top, left, right.
constexpr int kIconColours = 6;
extern const std::uint32_t kIconPalette[kIconColours];
extern const char kIconPaletteKeys[kIconColours + 1];   // the XPM key of each entry

// Palette index at the point (x, y) of a side x side icon, in pixels from the
// top-left corner.
int IconColourAt(double x, double y, int side);

// side x side palette indices, rows top first, one sample at each pixel's centre.
std::vector<std::uint8_t> DrawIconIndexed(int side);
// side x side pixels as 0xAARRGGBB, rows top first, 4 x 4 samples per pixel.
std::vector<std::uint32_t> DrawIconSmooth(int side);
