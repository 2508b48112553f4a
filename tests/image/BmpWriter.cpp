#include "BmpWriter.h"

#include <algorithm>

namespace {

void Put16(Bytes& out, uint32_t v)
{
    out.push_back(static_cast<uint8_t>(v));
    out.push_back(static_cast<uint8_t>(v >> 8));
}

void Put32(Bytes& out, uint32_t v)
{
    Put16(out, v & 0xFFFF);
    Put16(out, v >> 16);
}

size_t Stride(uint16_t bitCount, int width)
{
    return (static_cast<size_t>(width) * bitCount + 31) / 32 * 4;
}

}  // namespace

Bytes BuildBmp(const BmpFields& f)
{
    const uint32_t headerSize = f.headerSize ? f.headerSize : (f.os2 ? 12 : 40);
    Bytes header;
    Put32(header, headerSize);
    if (f.os2) {
        Put16(header, static_cast<uint32_t>(f.width) & 0xFFFF);
        Put16(header, static_cast<uint32_t>(f.height) & 0xFFFF);
        Put16(header, f.planes);
        Put16(header, f.bitCount);
    } else {
        Put32(header, static_cast<uint32_t>(f.width));
        Put32(header, static_cast<uint32_t>(f.height));
        Put16(header, f.planes);
        Put16(header, f.bitCount);
        Put32(header, f.compression);
        Put32(header, f.sizeImage);
        Put32(header, 2835);   // 72 dpi
        Put32(header, 2835);
        Put32(header, f.colorsUsed);
        Put32(header, 0);
    }
    // Later header forms: their extra fields as zeros.
    if (header.size() < headerSize)
        header.resize(headerSize, 0);

    Bytes table;
    for (const Rgb& c : f.palette) {
        table.insert(table.end(), {c.b, c.g, c.r});
        if (!f.os2)
            table.push_back(0);
    }

    Bytes out;
    const size_t afterTable = (f.fileHeader ? 14 : 0) + header.size() + table.size();
    const size_t offset = f.bitsOffset >= 0 ? static_cast<size_t>(f.bitsOffset) : afterTable;
    if (f.fileHeader) {
        out.insert(out.end(), {'B', 'M'});
        Put32(out, static_cast<uint32_t>(std::max(afterTable, offset) + f.bits.size()));
        Put32(out, 0);
        Put32(out, static_cast<uint32_t>(offset));
    }
    out.insert(out.end(), header.begin(), header.end());
    out.insert(out.end(), table.begin(), table.end());
    // A gap before a later offset, filled with bytes that must not be read as pixels.
    if (offset > out.size())
        out.resize(offset, 0xEE);
    out.insert(out.end(), f.bits.begin(), f.bits.end());
    return out;
}

Bytes PackRows(uint16_t bitCount, int width, int rows, const Bytes& indices)
{
    const size_t stride = Stride(bitCount, width);
    Bytes out(stride * rows, 0);
    for (int y = 0; y < rows; ++y) {
        for (int x = 0; x < width; ++x) {
            const unsigned index = indices[static_cast<size_t>(y) * width + x];
            const size_t bit = static_cast<size_t>(x) * bitCount;
            const int shift = 8 - bitCount - static_cast<int>(bit % 8);
            out[y * stride + bit / 8] |= static_cast<uint8_t>(index << shift);
        }
    }
    return out;
}

Bytes PackRows(uint16_t bitCount, int width, int rows, const std::vector<Rgb>& colors)
{
    const size_t stride = Stride(bitCount, width);
    Bytes out(stride * rows, 0);
    for (int y = 0; y < rows; ++y) {
        uint8_t* p = &out[y * stride];
        for (int x = 0; x < width; ++x) {
            const Rgb& c = colors[static_cast<size_t>(y) * width + x];
            if (bitCount == 16) {
                const unsigned v = (c.r << 10) | (c.g << 5) | c.b;
                *p++ = static_cast<uint8_t>(v);
                *p++ = static_cast<uint8_t>(v >> 8);
            } else {
                *p++ = c.b;
                *p++ = c.g;
                *p++ = c.r;
                if (bitCount == 32)
                    *p++ = 0xA5;   // unused; must not leak into the picture
            }
        }
    }
    return out;
}

Bytes EncodeRle(uint16_t bitCount, int width, int rows, const Bytes& indices)
{
    const bool four = bitCount == 4;
    Bytes out;
    for (int y = 0; y < rows; ++y) {
        const uint8_t* row = &indices[static_cast<size_t>(y) * width];
        auto runAt = [&](int x) {
            int n = 1;
            while (x + n < width && n < 255 && row[x + n] == row[x])
                ++n;
            return n;
        };
        int x = 0;
        while (x < width) {
            int run = runAt(x);
            if (run >= 3) {
                out.push_back(static_cast<uint8_t>(run));
                out.push_back(static_cast<uint8_t>(four ? row[x] * 17 : row[x]));
                x += run;
                continue;
            }
            // Pixels up to the next run of 3, as one absolute run if there are 3 or more.
            int n = 0;
            while (x + n < width && n < 255 && runAt(x + n) < 3)
                ++n;
            if (n < 3) {
                for (int i = 0; i < n; ++i) {
                    out.push_back(1);
                    out.push_back(static_cast<uint8_t>(four ? row[x + i] << 4 : row[x + i]));
                }
            } else {
                out.push_back(0);
                out.push_back(static_cast<uint8_t>(n));
                const size_t start = out.size();
                for (int i = 0; i < n; ++i) {
                    if (!four)
                        out.push_back(row[x + i]);
                    else if (i % 2 == 0)
                        out.push_back(static_cast<uint8_t>(row[x + i] << 4));
                    else
                        out.back() |= row[x + i];
                }
                if ((out.size() - start) % 2)
                    out.push_back(0);
            }
            x += n;
        }
        out.insert(out.end(), {0, 0});
    }
    out.insert(out.end(), {0, 1});
    return out;
}
