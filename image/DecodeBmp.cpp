#include "DecodeBmp.h"

#include "ByteSource.h"
#include "DibConvert.h"
#include "DibHeader.h"
#include "FileSource.h"
#include "Notice.h"

#include <cstdint>
#include <cstdlib>

namespace {

// Whatever one call asks of a source fits in its buffer: the headers, or the longest row.
static_assert(kMaxHeadersBytes <= kBufferBytes && size_t{kMaxSide} * 4 <= kBufferBytes);

// The decoded pixels in a new block, or null with *failure filled in.
unsigned char* DecodePixels(const NormalisedDib& dib, ByteSource& source, size_t maxPixels, DibFailure* failure)
{
    const size_t width = static_cast<size_t>(dib.header.width);
    const size_t rows = DibRows(dib.header);
    // ReadDib has checked that this and the spare byte below cannot overflow.
    const size_t pixelBytes = width * rows * 3;
    // A few bytes of RLE can announce gigabytes: the budget is checked before allocating.
    if (width * rows > maxPixels) {
        Refuse(failure, DibReason::OverBudget, static_cast<int64_t>(width * rows), static_cast<int64_t>(maxPixels));
        return nullptr;
    }
    // Every byte is written, so the block is not cleared first.
    unsigned char* pixels = NewWriteOnceBlock(pixelBytes + 1);
    if (!pixels) {
        Refuse(failure, DibReason::OutOfMemory, static_cast<int64_t>(pixelBytes + 1));
        return nullptr;
    }
    if (!ConvertDib(dib, source, pixels, failure)) {
        std::free(pixels);
        return nullptr;
    }
    return pixels;
}

}  // namespace

RgbImage* DecodeBmpQuiet(ByteSource& source, size_t maxPixels, DibFailure* failure)
{
    size_t got = 0;
    const unsigned char* head = source.Get(0, kMaxHeadersBytes, &got);
    NormalisedDib dib;
    // The source's size is now the file's real one, even if it was cut: got
    // is min(size, kMaxHeadersBytes), all ReadDib reads.
    if (!ReadDib(head, source.Size(), &dib, failure))
        return nullptr;
    unsigned char* pixels = DecodePixels(dib, source, maxPixels, failure);
    if (!pixels)
        return nullptr;
    RgbImage* image = static_cast<RgbImage*>(std::malloc(sizeof(RgbImage)));
    if (!image) {
        std::free(pixels);
        Refuse(failure, DibReason::OutOfMemory, sizeof(RgbImage));
        return nullptr;
    }
    image->width = dib.header.width;
    // Top-down files have been turned into the record's bottom-up order.
    image->height = static_cast<int32_t>(DibRows(dib.header));
    image->pixels = pixels;
    return image;
}

RgbImage* DecodeBmpQuiet(const unsigned char* data, size_t size, size_t maxPixels, DibFailure* failure)
{
    MemorySource source(data, size);
    return DecodeBmpQuiet(source, maxPixels, failure);
}

RgbImage* DecodeBmp(const unsigned char* data, size_t size, size_t maxPixels)
{
    DibFailure failure;
    RgbImage* image = DecodeBmpQuiet(data, size, maxPixels, &failure);
    if (!image)
        ShowNotice(failure);
    return image;
}
