// The valid files every test starts from, each with the bytes it decodes to,
// worked out from the picture rather than from the file.
#include "BmpWriter.h"

namespace {

std::vector<Rgb> TestPalette(size_t n)
{
    std::vector<Rgb> palette;
    for (size_t i = 0; i < n; ++i)
        palette.push_back({uint8_t(17 * i + 3), uint8_t(255 - 11 * i), uint8_t((37 * i) ^ 0x5A)});
    return palette;
}

// What 5-bit channel values stand for: 0 is 0, 31 is 255, the bits repeated below.
const uint8_t kFiveBitLevels[32] = {0,   8,   16,  24,  33,  41,  49,  57,  66,  74,  82,  90,  99,  107, 115, 123,
                                    132, 140, 148, 156, 165, 173, 181, 189, 198, 206, 214, 222, 231, 239, 247, 255};

enum Form { kWindows, kBare, kTopDown, kOs2, kOs2Bare };
const char* const kFormNames[] = {"win", "win-bare", "win-topdown", "os2", "os2-bare"};

// A picture of width x rows. Paletted (colors > 0): indices in runs of three,
// or for RLE a run, a stretch of changing pixels and a run. Direct colour:
// each channel changing its own way, as 5-bit values for 16 bits.
SampleBmp Make(uint16_t bitCount, uint32_t compression, int width, int rows, Form form, size_t colors,
               uint32_t colorsUsed = 0)
{
    BmpFields f;
    f.fileHeader = form != kBare && form != kOs2Bare;
    f.os2 = form == kOs2 || form == kOs2Bare;
    f.width = width;
    f.height = form == kTopDown ? -rows : rows;
    f.bitCount = bitCount;
    f.compression = compression;
    f.colorsUsed = colorsUsed;
    f.palette = TestPalette(colors);
    auto index = [&](int x, int y) {
        const size_t i = !compression ? x / 3 + 2 * y + (x == width - 1)
                         : x < width / 4 ? 1 : x < width / 2 ? 5 * x + y : 2 + y % 2;
        return uint8_t(i % colors);
    };
    auto color = [&](int x, int y) {
        if (bitCount == 16)
            return Rgb{uint8_t((3 * x + y) % 32), uint8_t((5 * y + x + 16) % 32), uint8_t(31 - x % 32)};
        return Rgb{uint8_t(40 * x + 7), uint8_t(90 * y + 11), uint8_t(13 * x * y + 200)};
    };
    Bytes indices, rgb;
    std::vector<Rgb> direct;
    for (int fileRow = 0; fileRow < rows; ++fileRow) {
        const int y = form == kTopDown ? rows - 1 - fileRow : fileRow;
        for (int x = 0; x < width; ++x) {
            if (colors)
                indices.push_back(index(x, y));
            else
                direct.push_back(color(x, y));
        }
    }
    for (int y = 0; y < rows; ++y) {
        for (int x = 0; x < width; ++x) {
            Rgb c = colors ? f.palette[index(x, y)] : color(x, y);
            if (bitCount == 16)
                c = {kFiveBitLevels[c.r], kFiveBitLevels[c.g], kFiveBitLevels[c.b]};
            rgb.insert(rgb.end(), {c.r, c.g, c.b});
        }
    }
    f.bits = compression ? EncodeRle(bitCount, width, rows, indices)
             : colors    ? PackRows(bitCount, width, rows, indices)
                         : PackRows(bitCount, width, rows, direct);
    std::string name = compression == 1 ? "rle8" : compression == 2 ? "rle4" : "bits" + std::to_string(bitCount);
    if (colors && !compression)
        name += "-used" + std::to_string(colorsUsed);
    name += "-" + std::to_string(width) + "x" + std::to_string(rows) + "-" + kFormNames[form];
    return {name, BuildBmp(f), width, rows, rgb};
}

// RLE streams written out by hand, with deltas, a mid-row end of line and an
// early end of bitmap; "_" marks the pixels they skip, which are black.
SampleBmp HandRle(const char* name, uint32_t compression, int width, int rows, Bytes stream,
                  const std::vector<int>& picture)
{
    BmpFields f;
    f.width = width;
    f.height = rows;
    f.bitCount = compression == 1 ? 8 : 4;
    f.compression = compression;
    f.palette = TestPalette(4);
    f.colorsUsed = 4;
    f.bits = std::move(stream);
    Bytes rgb;
    for (int i : picture) {
        const Rgb c = i < 0 ? Rgb{0, 0, 0} : f.palette[i];
        rgb.insert(rgb.end(), {c.r, c.g, c.b});
    }
    return {name, BuildBmp(f), width, rows, rgb};
}

}  // namespace

std::vector<SampleBmp> SampleBmps()
{
    std::vector<SampleBmp> out;
    for (int width : {1, 2, 3, 4, 5, 13}) {
        out.push_back(Make(1, 0, width, 3, kWindows, 2));
        out.push_back(Make(4, 0, width, 3, kWindows, 16));
        out.push_back(Make(8, 0, width, 3, kWindows, 20, 20));
        for (uint16_t bits : {16, 24, 32})
            out.push_back(Make(bits, 0, width, 3, kWindows, 0));
    }
    for (Form form : {kBare, kTopDown, kOs2, kOs2Bare}) {
        out.push_back(Make(1, 0, 5, 2, form, 2));
        out.push_back(Make(4, 0, 5, 2, form, 16));
        out.push_back(form >= kOs2 ? Make(8, 0, 5, 2, form, 256) : Make(8, 0, 5, 2, form, 16, 16));
        out.push_back(Make(24, 0, 5, 2, form, 0));
        if (form < kOs2)
            for (uint16_t bits : {16, 32})
                out.push_back(Make(bits, 0, 5, 2, form, 0));
    }
    for (Form form : {kWindows, kBare})
        out.push_back(Make(8, 0, 3, 2, form, 256));
    for (uint32_t compression : {1u, 2u}) {
        const uint16_t bits = compression == 1 ? 8 : 4;
        const uint32_t colors = compression == 1 ? 24 : 16;
        out.push_back(Make(bits, compression, 40, 3, kWindows, colors, colors));
        out.push_back(Make(bits, compression, 7, 2, kWindows, colors, colors));
        out.push_back(Make(bits, compression, 5, 2, kBare, colors, colors));
    }
    const int _ = -1;
    out.push_back(HandRle("rle8-hand-delta", 1, 6, 4,
                          {2, 1, 0, 3, 2, 3, 1, 0, 1, 0, 0, 0,   // run, absolute run and its pad, run, end of line
                           1, 3, 0, 2, 2, 1,                     // a pixel, a delta 2 right and 1 up
                           3, 2, 0, 0,                           // a run to the row's end, end of line
                           2, 1, 0, 1},                          // two pixels, end of bitmap
                          {1, 1, 2, 3, 1, 0,
                           3, _, _, _, _, _,
                           _, _, _, 2, 2, 2,
                           1, 1, _, _, _, _}));
    out.push_back(HandRle("rle4-hand-delta", 2, 5, 3,
                          {5, 0x12, 0, 0,                        // a run of two alternating colours, end of line
                           0, 3, 0x30, 0x20, 0, 2, 1, 1,         // an absolute run of 3, a delta 1 right and 1 up
                           1, 0x30, 0, 0},                       // the last pixel, end of line, no end of bitmap
                          {1, 2, 1, 2, 1,
                           3, 0, 2, _, _,
                           _, _, _, _, 3}));
    return out;
}
