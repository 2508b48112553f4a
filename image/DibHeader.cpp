#include "DibHeader.h"

#include "LoadBmpImage.h"

#include <cstring>

namespace {

constexpr size_t kFileHeaderSize = 14;
constexpr uint16_t kFileSignature = 0x4D42;   // "BM"
constexpr uint32_t kOs2HeaderSize = 12;
constexpr uint32_t kWindowsHeaderSize = 40;

// Fields are read byte by byte: after a file header the bitmap header is
// only 2-byte aligned, and the file is little-endian on every host.
uint16_t Get16(const unsigned char* p)
{
    return static_cast<uint16_t>(p[0] | (p[1] << 8));
}

uint32_t Get32(const unsigned char* p)
{
    return static_cast<uint32_t>(p[0]) | (static_cast<uint32_t>(p[1]) << 8) |
           (static_cast<uint32_t>(p[2]) << 16) | (static_cast<uint32_t>(p[3]) << 24);
}

uint16_t ColorsForBitCount(uint16_t bitCount)
{
    switch (bitCount) {
    case 1: return 2;
    case 4: return 16;
    case 8: return 256;
    default: return 0;
    }
}

void ReadOs2Header(const unsigned char* h, uint16_t n, DibInfoHeader* out)
{
    out->size = kWindowsHeaderSize;
    out->width = Get16(h + 4);    // unsigned 16-bit, so never negative
    out->height = Get16(h + 6);
    out->planes = Get16(h + 8);
    out->bitCount = Get16(h + 10);
    out->compression = kBiRgb;
    out->sizeImage = 0;
    out->xPelsPerMeter = 0;
    out->yPelsPerMeter = 0;
    out->clrUsed = n;
    out->clrImportant = n;
}

void ReadWindowsHeader(const unsigned char* h, DibInfoHeader* out)
{
    out->size = Get32(h);
    out->width = static_cast<int32_t>(Get32(h + 4));
    out->height = static_cast<int32_t>(Get32(h + 8));
    out->planes = Get16(h + 12);
    out->bitCount = Get16(h + 14);
    out->compression = Get32(h + 16);
    out->sizeImage = Get32(h + 20);
    out->xPelsPerMeter = static_cast<int32_t>(Get32(h + 24));
    out->yPelsPerMeter = static_cast<int32_t>(Get32(h + 28));
    out->clrUsed = Get32(h + 32);
    out->clrImportant = Get32(h + 36);
}

bool IsConvertible(const DibInfoHeader& header)
{
    switch (header.compression) {
    case kBiRgb:
        switch (header.bitCount) {
        case 1: case 4: case 8: case 16: case 24: case 32: return true;
        default: return false;
        }
    case kBiRle8: return header.bitCount == 8;
    case kBiRle4: return header.bitCount == 4;
    default: return false;   // bit fields, JPEG, PNG and unknown kinds
    }
}

}  // namespace

uint16_t CountPaletteColors(const void* header)
{
    const unsigned char* h = static_cast<const unsigned char*>(header);
    if (Get32(h) == kOs2HeaderSize)
        return ColorsForBitCount(Get16(h + 10));
    const uint32_t used = Get32(h + 32);
    if (used != 0)
        return static_cast<uint16_t>(used);
    return ColorsForBitCount(Get16(h + 14));
}

DibError ReadDib(const unsigned char* data, size_t size, NormalisedDib* dib)
{
    std::memset(dib, 0, sizeof *dib);

    size_t headerStart = 0;
    bool hasFileHeader = false;
    uint32_t bitsOffset = 0;
    // "BM" marks the optional file header; without it the bitmap header comes first.
    if (size >= 2 && Get16(data) == kFileSignature) {
        // The file header must be whole before its pixel offset is read.
        if (size < kFileHeaderSize)
            return DibError::UnknownFormat;
        bitsOffset = Get32(data + 10);
        headerStart = kFileHeaderSize;
        hasFileHeader = true;
    }
    const unsigned char* h = data + headerStart;

    // The header's first field, its size, selects its form.
    if (size - headerStart < 4)
        return DibError::UnknownFormat;
    const uint32_t headerSize = Get32(h);
    // Only the OS/2 and the first Windows form; later forms add masks and colour spaces.
    if (headerSize != kOs2HeaderSize && headerSize != kWindowsHeaderSize)
        return DibError::UnknownFormat;
    // A header cut short by the end of the file.
    if (size - headerStart < headerSize)
        return DibError::UnknownFormat;

    const uint16_t n = CountPaletteColors(h);
    const size_t entrySize = headerSize == kOs2HeaderSize ? 3 : 4;
    DibInfoHeader& header = dib->header;
    if (headerSize == kOs2HeaderSize)
        ReadOs2Header(h, n, &header);
    else
        ReadWindowsHeader(h, &header);
    dib->colorCount = n;

    // Windows bitmaps have exactly one colour plane.
    if (header.planes != 1)
        return DibError::Conversion;
    // A picture without pixels cannot be textured; a negative width means nothing.
    if (header.width <= 0 || header.height == 0)
        return DibError::Conversion;
    const uint32_t width = static_cast<uint32_t>(header.width);
    const uint32_t rows = DibRows(header);
    // Beyond any texture; refused before any byte count is formed from it.
    if (width > kMaxSide || rows > kMaxSide)
        return DibError::Conversion;

    // The colour table follows the header and must be whole.
    const size_t tableStart = headerStart + headerSize;
    const size_t tableBytes = size_t{n} * entrySize;
    if (size - tableStart < tableBytes)
        return DibError::Conversion;
    const size_t kept = n < 256 ? n : 256;
    for (size_t i = 0; i < kept; ++i) {
        const unsigned char* entry = data + tableStart + i * entrySize;
        dib->colors[i][0] = entry[0];
        dib->colors[i][1] = entry[1];
        dib->colors[i][2] = entry[2];
        dib->colors[i][3] = entrySize == 4 ? entry[3] : 0;
    }

    size_t bitsStart = tableStart + tableBytes;
    if (hasFileHeader) {
        // Pixel data cannot start inside the headers that describe them.
        if (bitsOffset < tableStart)
            return DibError::Conversion;
        // Nor past the end of the file.
        if (bitsOffset > size)
            return DibError::Conversion;
        bitsStart = bitsOffset;
    }
    dib->bits = data + bitsStart;
    dib->bitsSize = size - bitsStart;

    // Rows counted at their exact length, as the image size field is filled in.
    const uint64_t exactRowBytes = (uint64_t{width} * header.bitCount + 7) / 8;
    if (header.sizeImage == 0) {
        const uint64_t imageBytes = exactRowBytes * rows;
        // The field is 32 bits; a picture whose size overflows it is refused.
        if (imageBytes > UINT32_MAX)
            return DibError::Conversion;
        header.sizeImage = static_cast<uint32_t>(imageBytes);
    }
    if (header.clrUsed == 0)
        header.clrUsed = n;

    // Only the published bit counts and compressions, without bit fields.
    if (!IsConvertible(header))
        return DibError::Conversion;
    // Compressed rows run bottom-up by definition.
    if (header.compression != kBiRgb && header.height < 0)
        return DibError::Conversion;
    if (header.compression == kBiRgb) {
        // Every row, each padded to 4 bytes, must be in the file; the last
        // row's padding may be missing, as nothing reads it.
        const uint64_t stride = (uint64_t{width} * header.bitCount + 31) / 32 * 4;
        if (stride * (rows - 1) + exactRowBytes > dib->bitsSize)
            return DibError::Conversion;
    }
    // The output, plus the converter's spare byte, must be one allocation.
    const uint64_t outputBytes = uint64_t{width} * rows * 3;
    if (outputBytes >= static_cast<uint64_t>(PTRDIFF_MAX))
        return DibError::Conversion;
    return DibError::None;
}
