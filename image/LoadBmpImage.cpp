#include "LoadBmpImage.h"

#include "DecodeBmp.h"
#include "Notice.h"
#include "WideName.h"
#include "WholeFile.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace {

// The open-failure text is composed in a buffer of this size.
constexpr size_t kTextSize = 256;
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

}  // namespace

RgbImage* LoadBmpImage(const char* name)
{
    return LoadBmpImage(name, false);
}

RgbImage* LoadBmpImage(const void* name, bool wide)
{
    char text[kTextSize];
    const char* message = text;
    RgbImage* image = nullptr;
    FileBytes file;
    bool read = false;
    if (name)
        read = wide ? ReadWholeFile(static_cast<const wchar_t*>(name), &file)
                    : ReadWholeFile(static_cast<const char*>(name), &file);
    if (!read) {
        if (wide)
            ComposeOpenFailure(text, name ? static_cast<const wchar_t*>(name) : L"");
        else
            ComposeOpenFailure(text, name ? static_cast<const char*>(name) : "");
    } else {
        image = DecodeBmpQuiet(file.data, file.size, kDefaultMaxPixels, &message);
        std::free(file.data);
    }
    // The file is closed and its bytes freed before the notice waits for the user.
    if (!image)
        ShowNotice(kErrorCaption, message);
    return image;
}

void FreeRgbImage(RgbImage* image)
{
    if (!image)
        return;
    std::free(image->pixels);
    std::free(image);
}
