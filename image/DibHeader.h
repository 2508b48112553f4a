// Reads either header form of a bitmap file into one normalised form: the
// 40-byte Windows header and its colour table. Everything the headers announce
// is checked against the file and the picture's bounds before it is used.
#pragma once

#include "DibFailure.h"

#include <cstddef>
#include <cstdint>

// The 40-byte Windows bitmap header, field by field.
struct DibInfoHeader
{
    uint32_t size;
    int32_t width;
    int32_t height;   // negative: the rows are stored top row first
    uint16_t planes;
    uint16_t bitCount;
    uint32_t compression;
    uint32_t sizeImage;
    int32_t xPelsPerMeter;
    int32_t yPelsPerMeter;
    uint32_t clrUsed;
    uint32_t clrImportant;
};

enum : uint32_t
{
    kBiRgb = 0,
    kBiRle8 = 1,
    kBiRle4 = 2,
    kBiBitFields = 3,   // 16 or 32 bits with red, green and blue masks
};

// The largest width or height accepted: no texture is larger, and it keeps
// every byte count of the picture far from overflowing.
constexpr uint32_t kMaxSide = 65535;

struct NormalisedDib
{
    DibInfoHeader header;   // image size and colours used filled in where 0
    uint16_t colorCount;    // n, the entries in the file's colour table
    // The first min(n, 256) entries as blue, green, red, reserved (0 for OS/2
    // files); no pixel can index further.
    unsigned char colors[256][4];
    // Red, green and blue masks of 16- and 32-bit pixels: the file's with bit
    // fields, else the fixed 5-5-5 and 8-8-8 layouts.
    uint32_t masks[3];
    size_t bitsStart;   // the pixel data's offset in the file
    size_t bitsSize;    // bytes from there to the end of the file
};

// The most bytes the headers and the colour table can take: a file header,
// the longest bitmap header and 65535 four-byte entries. ReadDib reads no
// further, so the file's first piece is all it needs.
constexpr size_t kMaxHeadersBytes = 14 + 124 + size_t{65535} * 4;

// The number of colour-table entries that the bitmap header at header
// (12-byte OS/2 or 40-, 108- or 124-byte Windows form) announces.
uint16_t CountPaletteColors(const void* header);

// Reads the headers of a file of size bytes, whose first
// min(size, kMaxHeadersBytes) bytes are at data, into dib. On success the
// header describes a picture of 1 to kMaxSide pixels each way in a bit count
// and compression that ConvertDib handles, with sound masks (see DibMasks.h),
// its uncompressed rows lie within the file, and width × |height| × 3 + 1
// bytes can be allocated without overflow. False, with *failure saying which
// check refused the file, otherwise.
bool ReadDib(const unsigned char* data, size_t size, NormalisedDib* dib, DibFailure* failure);

// The number of rows, whatever their order.
inline uint32_t DibRows(const DibInfoHeader& header)
{
    return header.height < 0 ? 0u - static_cast<uint32_t>(header.height)
                             : static_cast<uint32_t>(header.height);
}
