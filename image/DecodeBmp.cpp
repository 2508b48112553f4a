#include "DecodeBmp.h"

#include "DibConvert.h"
#include "DibHeader.h"
#include "Notice.h"
#include "WholeFile.h"

#include <cstdint>
#include <cstdlib>

namespace {

const char kUnknownFormat[] = N_("Unknown DIB file format.");
const char kConversionError[] = N_("Image file conversion error.");
const char kOutOfMemory[] = N_("Out of memory.");

}  // namespace

RgbImage* DecodeBmpQuiet(const unsigned char* data, size_t size, size_t maxPixels, const char** message)
{
    NormalisedDib dib;
    switch (ReadDib(data, size, &dib)) {
    case DibError::None:
        break;
    case DibError::UnknownFormat:
        *message = kUnknownFormat;
        return nullptr;
    case DibError::Conversion:
        *message = kConversionError;
        return nullptr;
    }

    const size_t width = static_cast<size_t>(dib.header.width);
    const size_t rows = DibRows(dib.header);
    // ReadDib has checked that this and the spare byte below cannot overflow.
    const size_t pixelBytes = width * rows * 3;
    // A few bytes of RLE can announce gigabytes: the budget is checked before allocating.
    if (width * rows > maxPixels) {
        *message = kOutOfMemory;
        return nullptr;
    }
    unsigned char* pixels = NewWriteOnceBlock(pixelBytes + 1);
    if (!pixels) {
        *message = kOutOfMemory;
        return nullptr;
    }
    if (!ConvertDib(dib, pixels)) {
        std::free(pixels);
        *message = kConversionError;
        return nullptr;
    }
    RgbImage* image = static_cast<RgbImage*>(std::malloc(sizeof(RgbImage)));
    if (!image) {
        std::free(pixels);
        *message = kOutOfMemory;
        return nullptr;
    }
    image->width = static_cast<int32_t>(width);
    // Top-down files have been turned into the record's bottom-up order.
    image->height = static_cast<int32_t>(rows);
    image->pixels = pixels;
    return image;
}

RgbImage* DecodeBmp(const unsigned char* data, size_t size, size_t maxPixels)
{
    const char* message = nullptr;
    RgbImage* image = DecodeBmpQuiet(data, size, maxPixels, &message);
    if (!image)
        ShowNotice(kErrorCaption, message);
    return image;
}
