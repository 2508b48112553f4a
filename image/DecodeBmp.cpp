#include "DecodeBmp.h"

#include "DibConvert.h"
#include "DibHeader.h"
#include "Notice.h"

#include <cstdint>
#include <cstdlib>

#ifdef __linux__
#include <sys/mman.h>
#endif

namespace {

const char kUnknownFormat[] = "Unknown DIB file format.";
const char kConversionError[] = "Image file conversion error.";
const char kOutOfMemory[] = "Out of memory.";

// A large pixel array is written once, front to back. On Linux its first
// touch costs a page fault per 4 KB, which dominates a big load: ask for huge
// pages, one fault per 2 MB. Only a hint; nothing depends on it.
void AdviseWriteOnce(unsigned char* block, size_t size)
{
#if defined(__linux__) && defined(MADV_HUGEPAGE)
    const uintptr_t huge = uintptr_t{2} << 20;
    if (size < 4 * huge)
        return;
    const uintptr_t begin = (reinterpret_cast<uintptr_t>(block) + huge - 1) & ~(huge - 1);
    const uintptr_t end = (reinterpret_cast<uintptr_t>(block) + size) & ~(huge - 1);
    madvise(reinterpret_cast<void*>(begin), end - begin, MADV_HUGEPAGE);
#else
    (void)block;
    (void)size;
#endif
}

}  // namespace

RgbImage* DecodeBmpQuiet(const unsigned char* data, size_t size, size_t maxPixelBytes, const char** message)
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
    if (pixelBytes > maxPixelBytes) {
        *message = kOutOfMemory;
        return nullptr;
    }
    unsigned char* pixels = static_cast<unsigned char*>(std::malloc(pixelBytes + 1));
    if (!pixels) {
        *message = kOutOfMemory;
        return nullptr;
    }
    AdviseWriteOnce(pixels, pixelBytes);
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

RgbImage* DecodeBmp(const unsigned char* data, size_t size, size_t maxPixelBytes)
{
    const char* message = nullptr;
    RgbImage* image = DecodeBmpQuiet(data, size, maxPixelBytes, &message);
    if (!image)
        ShowNotice(kErrorCaption, message);
    return image;
}
