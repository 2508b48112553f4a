#include "DibMasks.h"

namespace {

unsigned LowestBit(uint32_t mask)
{
    unsigned low = 0;
    while (!(mask >> low & 1))
        ++low;
    return low;
}

unsigned CountBits(uint32_t mask)
{
    unsigned count = 0;
    for (; mask; mask &= mask - 1)
        ++count;
    return count;
}

// One unbroken run of bits: shifted down, it is one less than a power of two.
bool IsContiguous(uint32_t mask)
{
    const uint32_t run = mask >> LowestBit(mask);
    return (run & (run + 1)) == 0;
}

}  // namespace

void DefaultMasks(uint16_t bitCount, uint32_t masks[3])
{
    const bool sixteen = bitCount == 16, thirtyTwo = bitCount == 32;
    masks[0] = sixteen ? 0x7C00 : thirtyTwo ? 0xFF0000 : 0;
    masks[1] = sixteen ? 0x03E0 : thirtyTwo ? 0x00FF00 : 0;
    masks[2] = sixteen ? 0x001F : thirtyTwo ? 0x0000FF : 0;
}

int UnsoundMask(const uint32_t masks[3], uint16_t bitCount)
{
    if (bitCount != 16 && bitCount != 32)
        return -1;
    const uint32_t pixel = bitCount == 16 ? 0xFFFFu : 0xFFFFFFFFu;
    uint32_t seen = 0;
    for (int i = 0; i < 3; ++i) {
        // An empty mask leaves a channel without bits; bits outside the pixel
        // are never set; a channel is one number, so its bits lie side by
        // side; and two channels cannot share a bit.
        if (masks[i] == 0 || (masks[i] & ~pixel) || !IsContiguous(masks[i]) || (masks[i] & seen))
            return i;
        seen |= masks[i];
    }
    return -1;
}

void BuildChannel(uint32_t mask, MaskedChannel* channel)
{
    unsigned low = LowestBit(mask);
    unsigned width = CountBits(mask);
    if (width > 8) {
        low += width - 8;
        width = 8;
    }
    channel->shift = low;
    channel->bits = (1u << width) - 1;
    for (unsigned v = 0; v <= channel->bits; ++v) {
        // The value's bits, then its top bits again, until 8 bits are filled.
        unsigned wide = 0;
        int at = 8 - static_cast<int>(width);
        for (; at > 0; at -= static_cast<int>(width))
            wide |= v << at;
        channel->widen[v] = static_cast<unsigned char>(wide | v >> -at);
    }
}
