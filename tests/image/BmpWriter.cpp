#include "BmpWriter.h"

#include <algorithm>

namespace {

void Put(Bytes& out, uint32_t v, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out.push_back(static_cast<uint8_t>(v >> (8 * i)));
}

void PutRgb(Bytes& out, uint32_t color)
{
    out.insert(out.end(), {uint8_t(color >> 16), uint8_t(color >> 8), uint8_t(color)});
}

// What 5-bit channel values stand for: 0 is 0, 31 is 255, the bits repeated below.
const uint8_t kFive[32] = {0,   8,   16,  24,  33,  41,  49,  57,  66,  74,  82,  90,  99,  107, 115, 123,
                           132, 140, 148, 156, 165, 173, 181, 189, 198, 206, 214, 222, 231, 239, 247, 255};
const char* const kFormNames[] = {"win", "bare", "topdown", "os2", "gap"};

// An RLE stream written out by hand; in the picture "." marks the pixels it
// skips, which are black.
SampleBmp Rle(const char* name, uint32_t compression, int width, int rows, Bytes stream, const char* picture)
{
    const BmpFields f = RleFields(compression, width, rows, std::move(stream));
    Bytes rgb;
    for (const char* p = picture; *p; ++p)
        PutRgb(rgb, *p == '.' ? 0 : f.palette[*p - '0']);
    return {name, BuildBmp(f), width, rows, rgb};
}

}  // namespace

Bytes BuildBmp(const BmpFields& f)
{
    Bytes header;
    Put(header, f.os2 ? 12 : 40, 4);
    for (int32_t side : {f.width, f.height})
        Put(header, static_cast<uint32_t>(side), f.os2 ? 2 : 4);
    Put(header, 1 | f.bitCount << 16, 4);   // one plane
    if (!f.os2)
        for (uint32_t v : {f.compression, f.sizeImage, 2835u, 2835u, f.colorsUsed, 0u})   // 2835: 72 dpi
            Put(header, v, 4);
    for (uint32_t color : f.palette)
        Put(header, color, f.os2 ? 3 : 4);
    const size_t afterTable = (f.fileHeader ? 14 : 0) + header.size();
    const size_t offset = f.bitsOffset >= 0 ? static_cast<size_t>(f.bitsOffset) : afterTable;
    Bytes out;
    if (f.fileHeader) {
        out = {'B', 'M'};
        for (size_t v : {std::max(afterTable, offset) + f.bits.size(), size_t{0}, offset})
            Put(out, static_cast<uint32_t>(v), 4);
    }
    out.insert(out.end(), header.begin(), header.end());
    out.resize(std::max(out.size(), offset), 0xEE);   // a gap before a later offset
    out.insert(out.end(), f.bits.begin(), f.bits.end());
    return out;
}

Bytes PackRows(uint16_t bitCount, int width, int rows, const std::vector<uint32_t>& values)
{
    const size_t stride = (size_t(width) * bitCount + 31) / 32 * 4;
    Bytes out(stride * rows, 0);
    for (size_t i = 0; i < size_t(width) * rows; ++i) {
        const size_t bit = i % width * bitCount, at = i / width * stride + bit / 8;
        for (int b = 0; b < std::max(bitCount / 8, 1); ++b)
            out[at + b] |= uint8_t(bitCount < 8 ? values[i] << (8 - bitCount - bit % 8) : values[i] >> (8 * b));
    }
    return out;
}

BmpFields RleFields(uint32_t compression, int width, int height, Bytes stream)
{
    BmpFields f;
    f.width = width;
    f.height = height;
    f.bitCount = compression == 1 ? 8 : 4;
    f.compression = compression;
    f.palette = {0x03A05A, 0x32BD65, 0x61DA70, 0x90F77B};
    f.colorsUsed = 4;
    f.bits = std::move(stream);
    return f;
}

SampleBmp MakeSample(uint16_t bitCount, int width, int rows, Form form, uint32_t colorsUsed)
{
    BmpFields f;
    f.fileHeader = form != kBare;
    f.os2 = form == kOs2;
    f.width = width;
    f.height = form == kTopDown ? -rows : rows;
    f.bitCount = bitCount;
    f.colorsUsed = colorsUsed;
    const uint32_t colors = bitCount > 8 ? 0 : colorsUsed ? colorsUsed : 1u << bitCount;
    for (uint32_t i = 0; i < colors; ++i)
        f.palette.push_back((i * 0x2F1D0B + 0x03A05A) & 0xFFFFFF);   // distinct, none black
    if (form == kGap)
        f.bitsOffset = 14 + 40 + 4 * colors + 6;
    // Any index or colour; 16 and 32 bits with their unused top bits set.
    const auto pixel = [&](int x, int y) -> uint32_t {
        uint32_t h = (x * 73856093u) ^ (y * 19349663u) ^ bitCount;
        h = (h ^ (h >> 13)) * 0x5BD1E995u;
        return colors ? (h ^ (h >> 15)) % std::min(colors + 2, 1u << bitCount)
                      : bitCount == 16 ? h >> 17 | 0x8000 : h >> 8 | 0xA5000000;
    };
    const auto color = [&](uint32_t v) -> uint32_t {
        return colors           ? (v < colors ? f.palette[v] : 0)
               : bitCount == 16 ? kFive[v >> 10 & 31] << 16 | kFive[v >> 5 & 31] << 8 | kFive[v & 31]
                                : v & 0xFFFFFF;
    };
    std::vector<uint32_t> stored;
    Bytes rgb;
    for (int i = 0; i < rows; ++i) {
        for (int x = 0; x < width; ++x) {
            stored.push_back(pixel(x, form == kTopDown ? rows - 1 - i : i));
            PutRgb(rgb, color(pixel(x, i)));
        }
    }
    f.bits = PackRows(bitCount, width, rows, stored);
    std::string name = "bits" + std::to_string(bitCount) + "_" + std::to_string(width) + "x" + std::to_string(rows);
    name += std::string("_") + kFormNames[form] + (colorsUsed ? "_used" + std::to_string(colorsUsed) : "");
    return {name, BuildBmp(f), width, rows, rgb};
}

std::vector<SampleBmp> SampleBmps()
{
    return {
        MakeSample(1, 13, 3), MakeSample(4, 5, 3), MakeSample(8, 13, 3, kWindows, 20), MakeSample(16, 3, 3),
        MakeSample(24, 13, 3), MakeSample(32, 2, 3), MakeSample(24, 2, 2, kGap), MakeSample(24, 5, 3, kTopDown),
        MakeSample(8, 3, 2, kBare), MakeSample(8, 7, 2, kBare, 16),   // the pixels 1024 and 64 bytes past the header
        MakeSample(1, 5, 2, kBare, 4),                                // 4 entries for 2 colours
        MakeSample(4, 5, 2, kOs2), MakeSample(8, 3, 2, kOs2), MakeSample(24, 5, 2, kOs2),
        Rle("rle8", 1, 6, 4,
            {2, 1, 0, 3, 2, 3, 1, 0, 1, 0, 0, 0,          // run, absolute run and its pad, run, end of line
             1, 3, 0, 2, 2, 1,                            // a pixel, a delta 2 right and 1 up
             3, 2, 0, 0,                                  // a run to the row's end, end of line
             2, 1, 0, 1},                                 // two pixels, end of bitmap
            "112310" "3....." "...222" "11...."),
        Rle("rle4", 2, 7, 3,
            {5, 0x12, 1, 0x20, 0, 0,                      // a run of two alternating colours, a pixel, end of line
             0, 5, 0x30, 0x21, 0x30, 0, 0, 2, 1, 1,       // an absolute run of 5 and its pad, a delta 1 right and 1 up
             1, 0x30, 0, 0},                              // the last pixel, end of line, no end of bitmap
            "121212." "30213.." "......3"),
    };
}
