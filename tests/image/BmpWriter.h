// Bitmap files built byte by byte, for the loader's tests, the fuzzer's seed
// corpus and the benchmark.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

using Bytes = std::vector<uint8_t>;

// What to write. The defaults give a valid 1 × 1 24-bit Windows file.
struct BmpFields
{
    bool fileHeader = true;
    bool os2 = false;                // 12-byte header, 3-byte colour entries, 16-bit sides
    uint32_t headerSize = 40;        // else 40, 108 (V4) or 124 (V5)
    int32_t width = 1, height = 1;
    uint16_t bitCount = 24;
    uint32_t compression = 0, sizeImage = 0, colorsUsed = 0;
    std::vector<uint32_t> palette;   // the colour table as 0xRRGGBB, written whole
    // Red, green, blue and alpha masks: in a V4 or V5 header at its offset 40,
    // after a 40-byte one (without alpha) when not empty.
    std::vector<uint32_t> masks;
    Bytes bits;                      // the pixel data as stored
    int64_t bitsOffset = -1;         // the file header's offset; -1: right after the table
};

Bytes BuildBmp(const BmpFields& fields);

// Pixel values, bottom row first, as rows of bitCount bits padded to 4 bytes;
// indices from each byte's high bits, wider values little-endian.
Bytes PackRows(uint16_t bitCount, int width, int rows, const std::vector<uint32_t>& values);

// An RLE8 (compression 1) or RLE4 (2) file of that stream with four colours.
BmpFields RleFields(uint32_t compression, int width, int height, Bytes stream);

// A valid file and the bytes it decodes to (RGB, bottom row first), worked out from the picture.
struct SampleBmp { std::string name; Bytes file; int32_t width, height; Bytes rgb; };

// kGap: 0xEE bytes between the table and the pixels; kV4, kV5: 108- and 124-byte headers.
enum Form { kWindows, kBare, kTopDown, kOs2, kGap, kV4, kV5 };

// An uncompressed picture in that form. Paletted kinds get colorsUsed entries
// (0: 2^bitCount) and use up to two indices past them, which are black.
SampleBmp MakeSample(uint16_t bitCount, int width, int rows, Form form = kWindows, uint32_t colorsUsed = 0);

// A file of every kind and form the loader reads; RLE with runs, padded
// absolute runs, deltas and ends of line and of bitmap.
std::vector<SampleBmp> SampleBmps();
