// Builds bitmap files byte by byte for the loader's tests, the fuzzer's seed
// corpus and the benchmark: valid files of every kind the loader reads, and
// any header field set to whatever a test needs.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

using Bytes = std::vector<uint8_t>;

struct Rgb
{
    uint8_t r, g, b;
};

// What to write. The defaults give a valid 1 × 1 24-bit Windows file.
struct BmpFields
{
    bool fileHeader = true;
    bool os2 = false;            // 12-byte header, 3-byte colour entries
    uint32_t headerSize = 0;     // 0: 12 or 40, by the form
    int32_t width = 1;           // the OS/2 form keeps the low 16 bits
    int32_t height = 1;
    uint16_t planes = 1;
    uint16_t bitCount = 24;
    uint32_t compression = 0;
    uint32_t sizeImage = 0;
    uint32_t colorsUsed = 0;
    std::vector<Rgb> palette;    // the colour table, written whole
    Bytes bits;                  // the pixel data as stored
    int64_t bitsOffset = -1;     // the file header's offset; -1: right after the table
};

Bytes BuildBmp(const BmpFields& fields);

// Rows of palette indices or colours, bottom row first, as uncompressed rows
// of bitCount bits padded to 4 bytes. For 16 bits the colours are 5-bit values.
Bytes PackRows(uint16_t bitCount, int width, int rows, const Bytes& indices);
Bytes PackRows(uint16_t bitCount, int width, int rows, const std::vector<Rgb>& colors);

// An RLE8 or RLE4 stream of the indices: encoded runs, absolute runs, an end
// of line after each row but the last and an end of bitmap.
Bytes EncodeRle(uint16_t bitCount, int width, int rows, const Bytes& indices);

// A valid file and the bytes it must decode to.
struct SampleBmp
{
    std::string name;
    Bytes file;
    int32_t width;
    int32_t height;
    Bytes rgb;   // width × height × 3, bottom row first
};

// Files of every kind the loader reads, in every header form and row order.
std::vector<SampleBmp> SampleBmps();
