// The red, green and blue masks of 16- and 32-bit pixels, and the tables that
// turn a masked channel into 8 bits.
#pragma once

#include <cstdint>

// The masks of a file without bit fields: 5-5-5 for 16 bits, 8-8-8 for 32
// (the rest of the pixel unused); all 0 for the other bit counts.
void DefaultMasks(uint16_t bitCount, uint32_t masks[3]);

// Whether bitCount-bit pixels can be split by these masks: for 16 and 32
// bits each mask is one unbroken run of bits within the pixel, and no two
// share a bit. The index of the first mask that fails, else -1; other bit
// counts have no masks and always pass.
int UnsoundMask(const uint32_t masks[3], uint16_t bitCount);

// One channel of a pixel: (pixel >> shift) & bits indexes widen.
struct MaskedChannel
{
    unsigned shift;
    uint32_t bits;
    unsigned char widen[256];
};

// The channel of a sound mask. One of 1 to 8 bits widens to 8 by repeating
// its top bits (5 bits of 31 and 4 bits of 15 both give 255); of a wider one
// only its top 8 bits are kept.
void BuildChannel(uint32_t mask, MaskedChannel* channel);
