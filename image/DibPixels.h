// What the row converters and the RLE decoder share.
#pragma once

#include "ByteSource.h"
#include "DibHeader.h"

#include <cstring>

// Colour-table entries as red, green, blue, 0: one 4-byte copy per pixel.
using Palette = unsigned char[256][4];

// Stores one pixel as 4 bytes; the fourth is overwritten by the next pixel,
// or lands in the output's spare byte.
inline void PutColor(unsigned char* out, const unsigned char* color)
{
    std::memcpy(out, color, 4);
}

// Decodes RLE8 or RLE4 from source into out. The output is written in order,
// every pixel exactly once: runs in their colours, clipped at the row's end,
// and whatever a line end, delta or bitmap end skips in black. False when the
// stream is malformed: it ends inside a pair or run, leaves the picture with
// a delta, or draws past the last row; *badAt is then the file's offset of
// the pair at fault (the file's end when the stream ends too soon).
bool DecodeRle(const NormalisedDib& dib, const Palette palette, ByteSource& source, unsigned char* out,
               size_t* badAt);
