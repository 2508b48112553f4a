#include "DecodeBmp.h"

#include "DibConvert.h"
#include "DibHeader.h"
#include "Notice.h"
#include "WholeFile.h"

#include <cstdint>
#include <cstdlib>

namespace {

// The decoded pixels in a new block, or null with *failure filled in.
unsigned char* DecodePixels(const unsigned char* data, const NormalisedDib& dib, size_t maxPixels,
                            DibFailure* failure)
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
    unsigned char* pixels = NewWriteOnceBlock(pixelBytes + 1);
    if (!pixels) {
        Refuse(failure, DibReason::OutOfMemory, static_cast<int64_t>(pixelBytes + 1));
        return nullptr;
    }
    size_t badAt = 0;
    if (!ConvertDib(dib, pixels, &badAt)) {
        std::free(pixels);
        Refuse(failure, DibReason::RleMalformed, 0);
        failure->at = static_cast<int64_t>(static_cast<size_t>(dib.bits - data) + badAt);
        return nullptr;
    }
    return pixels;
}

}  // namespace

RgbImage* DecodeBmpQuiet(const unsigned char* data, size_t size, size_t maxPixels, DibFailure* failure)
{
    NormalisedDib dib;
    if (!ReadDib(data, size, &dib, failure))
        return nullptr;
    unsigned char* pixels = DecodePixels(data, dib, maxPixels, failure);
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

RgbImage* DecodeBmp(const unsigned char* data, size_t size, size_t maxPixels)
{
    DibFailure failure;
    RgbImage* image = DecodeBmpQuiet(data, size, maxPixels, &failure);
    if (!image)
        ShowNotice(failure);
    return image;
}
