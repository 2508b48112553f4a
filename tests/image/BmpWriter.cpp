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

// The colour a 16- or 32-bit value shows through red, green and blue masks of
// 4 to 8 bits: each channel's bits written out again below them, so that all
// ones is 255.
uint32_t MaskedColor(uint32_t v, const std::vector<uint32_t>& masks)
{
    uint32_t rgb = 0;
    for (const uint32_t mask : {masks[0], masks[1], masks[2]}) {
        int low = 0, bits = 0;
        while (!(mask >> low & 1))
            ++low;
        while (uint64_t{mask} >> (low + bits) & 1)
            ++bits;
        const uint32_t c = (v & mask) >> low;
        rgb = rgb << 8 | c << (8 - bits) | c >> (2 * bits - 8);
    }
    return rgb;
}

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

// Fills f.bits with hashed pixel values, stored top row first when topDown,
// and works out the picture they show.
SampleBmp WithPixels(BmpFields f, int rows, bool topDown, const std::string& name)
{
    const uint16_t bits = f.bitCount;
    const uint32_t colors = static_cast<uint32_t>(f.palette.size());
    const std::vector<uint32_t> masks = !f.masks.empty() ? f.masks
                                        : bits == 16 ? std::vector<uint32_t>{0x7C00, 0x03E0, 0x001F}
                                                     : std::vector<uint32_t>{0xFF0000, 0x00FF00, 0x0000FF};
    // Any index, two past the table too, or any value, unused bits set.
    const auto pixel = [&](int x, int y) -> uint32_t {
        uint32_t h = (x * 73856093u) ^ (y * 19349663u) ^ bits;
        h = (h ^ (h >> 13)) * 0x5BD1E995u;
        h ^= h >> 15;
        return colors ? h % std::min(colors + 2, 1u << bits) : bits == 16 ? h >> 16 : h;
    };
    std::vector<uint32_t> stored;
    Bytes rgb;
    for (int i = 0; i < rows; ++i) {
        for (int x = 0; x < f.width; ++x) {
            stored.push_back(pixel(x, topDown ? rows - 1 - i : i));
            const uint32_t v = pixel(x, i);
            PutRgb(rgb, colors ? (v < colors ? f.palette[v] : 0) : MaskedColor(v, masks));
        }
    }
    f.bits = PackRows(bits, f.width, rows, stored);
    return {name, BuildBmp(f), f.width, rows, rgb};
}

}  // namespace

Bytes BuildBmp(const BmpFields& f)
{
    Bytes header;
    Put(header, f.os2 ? 12 : f.headerSize, 4);
    for (int32_t side : {f.width, f.height})
        Put(header, static_cast<uint32_t>(side), f.os2 ? 2 : 4);
    Put(header, 1 | f.bitCount << 16, 4);   // one plane
    if (!f.os2)
        for (uint32_t v : {f.compression, f.sizeImage, 2835u, 2835u, f.colorsUsed, 0u})   // 2835: 72 dpi
            Put(header, v, 4);
    if (!f.os2 && f.headerSize > 40) {
        for (size_t i = 0; i < 4; ++i)
            Put(header, i < f.masks.size() ? f.masks[i] : 0, 4);
        Put(header, 0x73524742, 4);   // colour space "sRGB"; the rest, end points to profile, 0
        header.resize(f.headerSize, 0);
    } else {
        for (size_t i = 0; i < std::min<size_t>(f.masks.size(), 3); ++i)
            Put(header, f.masks[i], 4);
    }
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
    f.width = width, f.height = height, f.bitCount = compression == 1 ? 8 : 4, f.compression = compression;
    f.palette = {0x03A05A, 0x32BD65, 0x61DA70, 0x90F77B}, f.colorsUsed = 4;
    f.bits = std::move(stream);
    return f;
}

SampleBmp MakeSample(uint16_t bitCount, int width, int rows, Form form, uint32_t colorsUsed)
{
    BmpFields f;
    f.fileHeader = form != kBare, f.os2 = form == kOs2, f.headerSize = form == kV4 ? 108 : form == kV5 ? 124 : 40;
    f.width = width, f.height = form == kTopDown ? -rows : rows, f.bitCount = bitCount, f.colorsUsed = colorsUsed;
    const uint32_t colors = bitCount > 8 ? 0 : colorsUsed ? colorsUsed : 1u << bitCount;
    for (uint32_t i = 0; i < colors; ++i)
        f.palette.push_back((i * 0x2F1D0B + 0x03A05A) & 0xFFFFFF);   // distinct, none black
    if (form == kGap)
        f.bitsOffset = 14 + 40 + 4 * colors + 6;
    const char* const forms[] = {"win", "bare", "topdown", "os2", "gap", "v4", "v5"};
    const std::string name = "bits" + std::to_string(bitCount) + "_" + std::to_string(width) + "x" +
                             std::to_string(rows) + "_" + forms[form] +
                             (colorsUsed ? "_used" + std::to_string(colorsUsed) : "");
    return WithPixels(f, rows, form == kTopDown, name);
}

std::vector<SampleBmp> SampleBmps()
{
    // Red, green, blue and alpha masks as tools write them, and 8-8-8-8 in an unusual order.
    const struct { uint16_t bitCount; std::vector<uint32_t> masks; const char* label; } kBitFields[] = {
        {16, {0xF800, 0x07E0, 0x001F}, "565"},
        {16, {0x7C00, 0x03E0, 0x001F, 0x8000}, "1555"},
        {16, {0x0F00, 0x00F0, 0x000F, 0xF000}, "4444"},
        {32, {0x0000FF00, 0x00FF0000, 0xFF000000, 0x000000FF}, "8888"},
    };
    std::vector<SampleBmp> samples = {
        MakeSample(1, 13, 3), MakeSample(4, 5, 3), MakeSample(8, 13, 3, kWindows, 20), MakeSample(16, 3, 3),
        MakeSample(24, 13, 3), MakeSample(24, 84, 2),   // rows of 252 bytes without padding: 4 steps of 21 pixels
        MakeSample(32, 2, 3), MakeSample(24, 2, 2, kGap), MakeSample(24, 5, 3, kTopDown),
        MakeSample(8, 3, 2, kBare), MakeSample(8, 7, 2, kBare, 16),   // the pixels 1024 and 64 bytes past the header
        MakeSample(1, 5, 2, kBare, 4),                                // 4 entries for 2 colours
        MakeSample(4, 5, 2, kOs2), MakeSample(8, 3, 2, kOs2), MakeSample(24, 5, 2, kOs2), MakeSample(8, 5, 2, kV4),
        MakeSample(24, 3, 2, kV4), MakeSample(32, 2, 2, kV4), MakeSample(8, 3, 2, kV5), MakeSample(32, 3, 2, kV5),
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
        // Rows encoded past the width, as some tools pad them: what passes the end is dropped.
        Rle("rle8_padded", 1, 3, 2,
            {4, 1, 0, 0,                                  // a run of 4 in a row of 3, end of line
             0, 4, 1, 2, 3, 0, 0, 1},                     // an absolute run of 4, end of bitmap
            "111" "123"),
        Rle("rle4_padded", 2, 3, 2,
            {0, 5, 0x12, 0x30, 0x10, 0, 0, 0,             // an absolute run of 5 and its pad, end of line
             1, 0x20, 5, 0x31, 0, 1},                     // a pixel, a run of 5 alternating colours
            "123" "231"),
    };
    // Bit fields (compression 3): every bit of each pixel random, those outside the masks too.
    for (uint32_t headerSize : {40u, 108u, 124u})
        for (const auto& [bitCount, masks, label] : kBitFields) {
            BmpFields f;
            f.headerSize = headerSize, f.width = 3, f.height = 2;   // 16-bit rows of 6 bytes padded to 8
            f.bitCount = bitCount, f.compression = 3, f.masks = masks;
            samples.push_back(WithPixels(f, 2, false, "fields" + std::string(label) + "_h" + std::to_string(headerSize)));
        }
    return samples;
}
