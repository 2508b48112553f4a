#include "DibHeader.h"

#include "DibMasks.h"

#include <cstring>

namespace {

constexpr size_t kFileHeaderSize = 14;
constexpr uint16_t kFileSignature = 0x4D42;   // "BM"
constexpr uint32_t kOs2HeaderSize = 12;
constexpr uint32_t kWindowsHeaderSize = 40;
// The V4 and V5 forms: the 40-byte header, then masks, colour space, gamma
// and (V5) a profile, of which only the masks matter here.
constexpr uint32_t kV4HeaderSize = 108;
constexpr uint32_t kV5HeaderSize = 124;
constexpr size_t kMaskBytes = 3 * 4;

// Where the parts of the file lie, as the headers announce them.
struct Layout
{
    bool hasFileHeader = false;
    uint32_t bitsOffset = 0;   // from the file header, when there is one
    size_t headerStart = 0;
    uint32_t headerSize = 0;
    size_t entrySize = 4;      // bytes per colour-table entry
    size_t tableStart = 0;
    size_t tableEnd = 0;
};

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
    case kBiBitFields: return header.bitCount == 16 || header.bitCount == 32;
    default: return false;   // JPEG, PNG and unknown kinds
    }
}

bool IsKnownHeaderSize(uint32_t size)
{
    return size == kOs2HeaderSize || size == kWindowsHeaderSize || size == kV4HeaderSize || size == kV5HeaderSize;
}

// The masks of bit fields: inside a V4 or V5 header, else in the three double
// words after the 40-byte header, where the colour table then starts.
bool ReadMasks(const unsigned char* data, size_t size, Layout* layout, NormalisedDib* dib, DibFailure* failure)
{
    const uint32_t headerSize = layout->headerSize;
    DefaultMasks(dib->header.bitCount, dib->masks);
    if (dib->header.compression != kBiBitFields || headerSize == kOs2HeaderSize)
        return true;
    const size_t at = headerSize == kWindowsHeaderSize ? layout->tableStart : layout->headerStart + kWindowsHeaderSize;
    // Masks cut off by the end of the file leave nothing to convert with.
    if (size - at < kMaskBytes)
        return Refuse(failure, DibReason::HeadersCut, size, at + kMaskBytes);
    for (int i = 0; i < 3; ++i)
        dib->masks[i] = Get32(data + at + 4 * i);
    if (headerSize == kWindowsHeaderSize)
        layout->tableStart += kMaskBytes;
    return true;
}

// The file header, if any, and the bitmap header, normalised into dib->header.
bool ReadHeader(const unsigned char* data, size_t size, Layout* layout, NormalisedDib* dib, DibFailure* failure)
{
    // "BM" marks the optional file header; without it the bitmap header comes first.
    if (size >= 2 && Get16(data) == kFileSignature) {
        // The file header must be whole before its pixel offset is read.
        if (size < kFileHeaderSize)
            return Refuse(failure, DibReason::HeadersCut, size, kFileHeaderSize);
        layout->bitsOffset = Get32(data + 10);
        layout->headerStart = kFileHeaderSize;
        layout->hasFileHeader = true;
    }
    const unsigned char* h = data + layout->headerStart;

    // The header's first field, its size, selects its form.
    if (size - layout->headerStart < 4)
        return Refuse(failure, DibReason::HeadersCut, size, layout->headerStart + 4);
    const uint32_t headerSize = Get32(h);
    // The OS/2 form and the Windows forms that tools write; others are unknown.
    if (!IsKnownHeaderSize(headerSize))
        return Refuse(failure, DibReason::UnknownHeaderSize, headerSize);
    // A header cut short by the end of the file.
    if (size - layout->headerStart < headerSize)
        return Refuse(failure, DibReason::HeadersCut, size, static_cast<int64_t>(layout->headerStart + headerSize));

    dib->colorCount = CountPaletteColors(h);
    DibInfoHeader& header = dib->header;
    if (headerSize == kOs2HeaderSize) {
        ReadOs2Header(h, dib->colorCount, &header);
        layout->entrySize = 3;
    } else {
        ReadWindowsHeader(h, &header);
    }
    layout->headerSize = headerSize;
    layout->tableStart = layout->headerStart + headerSize;
    // The normalised header is the 40-byte form, whatever the file's.
    header.size = kWindowsHeaderSize;

    // Windows bitmaps have exactly one colour plane.
    if (header.planes != 1)
        return Refuse(failure, DibReason::PlaneCount, header.planes);
    // A picture without pixels cannot be textured; a negative width means nothing.
    if (header.width <= 0 || header.height == 0)
        return Refuse(failure, DibReason::NoPixels, header.width <= 0 ? header.width : header.height);
    // Beyond any texture; refused before any byte count is formed from it.
    if (static_cast<uint32_t>(header.width) > kMaxSide)
        return Refuse(failure, DibReason::SideTooLarge, header.width, kMaxSide);
    if (DibRows(header) > kMaxSide)
        return Refuse(failure, DibReason::SideTooLarge, header.height, kMaxSide);
    return true;
}

// The colour table, which follows the header and must be whole.
bool ReadColorTable(const unsigned char* data, size_t size, Layout* layout, NormalisedDib* dib, DibFailure* failure)
{
    const size_t n = dib->colorCount;
    const size_t tableBytes = n * layout->entrySize;
    if (size - layout->tableStart < tableBytes)
        return Refuse(failure, DibReason::PaletteCut, n, (size - layout->tableStart) / layout->entrySize);
    layout->tableEnd = layout->tableStart + tableBytes;
    const size_t kept = n < 256 ? n : 256;
    for (size_t i = 0; i < kept; ++i) {
        const unsigned char* entry = data + layout->tableStart + i * layout->entrySize;
        dib->colors[i][0] = entry[0];
        dib->colors[i][1] = entry[1];
        dib->colors[i][2] = entry[2];
        dib->colors[i][3] = layout->entrySize == 4 ? entry[3] : 0;
    }
    return true;
}

// The pixel data: the file header's offset, or else right after the table.
bool LocateBits(size_t size, const Layout& layout, NormalisedDib* dib, DibFailure* failure)
{
    size_t bitsStart = layout.tableEnd;
    if (layout.hasFileHeader) {
        // Pixel data cannot start inside the headers that describe them.
        if (layout.bitsOffset < layout.tableStart)
            return Refuse(failure, DibReason::PixelsInsideHeaders, layout.bitsOffset, layout.tableStart);
        // Nor past the end of the file.
        if (layout.bitsOffset > size)
            return Refuse(failure, DibReason::PixelsPastEnd, layout.bitsOffset, size);
        bitsStart = layout.bitsOffset;
    }
    dib->bitsStart = bitsStart;
    dib->bitsSize = size - bitsStart;
    return true;
}

// Fills in the fields that may be 0 and checks that the pixels can be converted.
bool CheckPixels(NormalisedDib* dib, DibFailure* failure)
{
    DibInfoHeader& header = dib->header;
    const uint32_t width = static_cast<uint32_t>(header.width);
    const uint32_t rows = DibRows(header);
    // Rows counted at their exact length, as the image size field is filled in.
    const uint64_t exactRowBytes = (uint64_t{width} * header.bitCount + 7) / 8;
    if (header.sizeImage == 0) {
        const uint64_t imageBytes = exactRowBytes * rows;
        // The field is 32 bits; a picture whose size overflows it is refused.
        if (imageBytes > UINT32_MAX)
            return Refuse(failure, DibReason::ImageTooLarge, static_cast<int64_t>(imageBytes), UINT32_MAX);
        header.sizeImage = static_cast<uint32_t>(imageBytes);
    }
    if (header.clrUsed == 0)
        header.clrUsed = dib->colorCount;

    // Only the published bit counts and compressions.
    if (header.compression > kBiBitFields)
        return Refuse(failure, DibReason::Compression, header.compression);
    if (!IsConvertible(header))
        return Refuse(failure, DibReason::BitCount, header.bitCount, header.compression);
    const int unsound = UnsoundMask(dib->masks, header.bitCount);
    if (unsound >= 0)
        return Refuse(failure, DibReason::Masks, dib->masks[unsound], header.bitCount);
    const bool rle = header.compression == kBiRle8 || header.compression == kBiRle4;
    // Compressed rows run bottom-up by definition.
    if (rle && header.height < 0)
        return Refuse(failure, DibReason::TopDownRle, header.height);
    if (!rle) {
        // Every row, each padded to 4 bytes, must be in the file; the last
        // row's padding may be missing, as nothing reads it.
        const uint64_t stride = (uint64_t{width} * header.bitCount + 31) / 32 * 4;
        const uint64_t needed = stride * (rows - 1) + exactRowBytes;
        if (needed > dib->bitsSize)
            return Refuse(failure, DibReason::PixelsCut, static_cast<int64_t>(dib->bitsSize),
                          static_cast<int64_t>(needed));
    }
    // The output, plus the converter's spare byte, must be one allocation.
    const uint64_t outputBytes = uint64_t{width} * rows * 3;
    if (outputBytes >= static_cast<uint64_t>(PTRDIFF_MAX))
        return Refuse(failure, DibReason::ImageTooLarge, static_cast<int64_t>(outputBytes), PTRDIFF_MAX - 1);
    return true;
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

bool ReadDib(const unsigned char* data, size_t size, NormalisedDib* dib, DibFailure* failure)
{
    std::memset(dib, 0, sizeof *dib);
    Layout layout;
    return ReadHeader(data, size, &layout, dib, failure) && ReadMasks(data, size, &layout, dib, failure) &&
           ReadColorTable(data, size, &layout, dib, failure) && LocateBits(size, layout, dib, failure) &&
           CheckPixels(dib, failure);
}
