#include "LoadBmpImage.h"

#include "DecodeBmp.h"
#include "DibConvert.h"
#include "DibHeader.h"
#include "MappedFile.h"
#include "Notice.h"
#include "WideName.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>

#ifdef __linux__
#include <sys/mman.h>
#endif

namespace {

const char kCaption[] = "Error";
const char kUnknownFormat[] = "Unknown DIB file format.";
const char kConversionError[] = "Image file conversion error.";
const char kOutOfMemory[] = "Out of memory.";

// The open-failure text is composed in a buffer of this size.
constexpr size_t kTextSize = 256;
const char kOpenFailurePrefix[] = "Failed to open DIB file ";
const char kOpenFailureSuffix[] = ".\n";
const char kEllipsis[] = "...";
// Name bytes that fit whole beside the prefix, the suffix and the NUL (229).
constexpr size_t kMaxWholeName = kTextSize - (sizeof kOpenFailurePrefix - 1) - (sizeof kOpenFailureSuffix - 1) - 1;
// A longer name keeps its end, where the file's own name is, after "...".
constexpr size_t kMaxNameTail = kMaxWholeName - (sizeof kEllipsis - 1);

void ComposeOpenFailure(char (&text)[kTextSize], const char* shownName, bool cut)
{
    const size_t room = cut ? kMaxNameTail : kMaxWholeName;
    size_t length = std::strlen(shownName);
    if (length > room)   // callers keep within it; the buffer must hold regardless
        length = room;
    char* p = text;
    const auto append = [&p](const char* s, size_t n) {
        std::memcpy(p, s, n);
        p += n;
    };
    append(kOpenFailurePrefix, sizeof kOpenFailurePrefix - 1);
    if (cut)
        append(kEllipsis, sizeof kEllipsis - 1);
    append(shownName, length);
    append(kOpenFailureSuffix, sizeof kOpenFailureSuffix);   // with its NUL
}

void ComposeOpenFailure(char (&text)[kTextSize], const char* name)
{
    const size_t length = std::strlen(name);
    if (length <= kMaxWholeName) {
        ComposeOpenFailure(text, name, false);
        return;
    }
    const char* tail = name + length - kMaxNameTail;
    // Start the tail at a whole UTF-8 character, not inside one.
    while ((static_cast<unsigned char>(*tail) & 0xC0) == 0x80)
        ++tail;
    ComposeOpenFailure(text, tail, true);
}

void ComposeOpenFailure(char (&text)[kTextSize], const wchar_t* name)
{
    char shown[kMaxWholeName + 1];
    if (WideToUtf8(name, shown, sizeof shown, nullptr) < sizeof shown) {
        ComposeOpenFailure(text, shown, false);
        return;
    }
    WideToUtf8(WideTailWithin(name, kMaxNameTail), shown, sizeof shown, nullptr);
    ComposeOpenFailure(text, shown, true);
}

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

// The whole load after the file is in memory. Returns the record, or null
// with *message set to the one notice the failure gets.
RgbImage* Decode(const unsigned char* data, size_t size, size_t maxPixelBytes, const char** message)
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

}  // namespace

RgbImage* DecodeBmp(const unsigned char* data, size_t size, size_t maxPixelBytes)
{
    const char* message = nullptr;
    RgbImage* image = Decode(data, size, maxPixelBytes, &message);
    if (!image)
        ShowNotice(kCaption, message);
    return image;
}

RgbImage* LoadBmpImage(const char* name)
{
    return LoadBmpImage(name, false);
}

RgbImage* LoadBmpImage(const void* name, bool wide)
{
    char text[kTextSize];
    const char* message = nullptr;
    RgbImage* image = nullptr;
    {
        MappedFile file;
        bool opened = false;
        if (name)
            opened = wide ? file.Open(static_cast<const wchar_t*>(name)) : file.Open(static_cast<const char*>(name));
        if (!opened) {
            if (wide)
                ComposeOpenFailure(text, name ? static_cast<const wchar_t*>(name) : L"");
            else
                ComposeOpenFailure(text, name ? static_cast<const char*>(name) : "");
            message = text;
        } else {
            image = Decode(file.Data(), file.Size(), SIZE_MAX, &message);
        }
    }
    // The file is unmapped and closed before the notice waits for the user.
    if (!image)
        ShowNotice(kCaption, message);
    return image;
}
