#include "LoadBmpImage.h"

#include "DecodeBmp.h"
#include "FileSource.h"
#include "Notice.h"
#include "WideName.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

namespace {

const char kEllipsis[] = "...";
// A longer name keeps its end, where the file's own name is, after "...".
constexpr size_t kMaxNameTail = kMaxShownName - (sizeof kEllipsis - 1);

void ShowName(DibFailure* failure, const char* shownName, bool cut)
{
    const size_t room = cut ? kMaxNameTail : kMaxShownName;
    size_t length = std::strlen(shownName);
    if (length > room)   // callers keep within it; the buffer must hold regardless
        length = room;
    char* p = failure->name;
    if (cut)
        p = std::copy(kEllipsis, kEllipsis + sizeof kEllipsis - 1, p);
    std::memcpy(p, shownName, length);
    p[length] = '\0';
}

void ShowName(DibFailure* failure, const char* name)
{
    const size_t length = std::strlen(name);
    if (length <= kMaxShownName) {
        ShowName(failure, name, false);
        return;
    }
    const char* tail = name + length - kMaxNameTail;
    // Start the tail at a whole UTF-8 character, not inside one.
    while ((static_cast<unsigned char>(*tail) & 0xC0) == 0x80)
        ++tail;
    ShowName(failure, tail, true);
}

void ShowName(DibFailure* failure, const wchar_t* name)
{
    char shown[kMaxShownName + 1];
    if (WideToUtf8(name, shown, sizeof shown, nullptr) < sizeof shown) {
        ShowName(failure, shown, false);
        return;
    }
    WideToUtf8(WideTailWithin(name, kMaxNameTail), shown, sizeof shown, nullptr);
    ShowName(failure, shown, true);
}

}  // namespace

RgbImage* LoadBmpImage(const char* name)
{
    return LoadBmpImage(name, false);
}

RgbImage* LoadBmpImage(const void* name, bool wide)
{
    DibFailure failure;
    RgbImage* image = nullptr;
    {
        FileSource file;
        bool opened = false;
        if (name)
            opened = wide ? file.Open(static_cast<const wchar_t*>(name)) : file.Open(static_cast<const char*>(name));
        if (!opened) {
            failure.reason = DibReason::CannotOpen;
            if (wide)
                ShowName(&failure, name ? static_cast<const wchar_t*>(name) : L"");
            else
                ShowName(&failure, name ? static_cast<const char*>(name) : "");
        } else {
            image = DecodeBmpQuiet(file, kDefaultMaxPixels, &failure);
        }
    }
    // The file is closed and its buffer freed before the notice waits for the user.
    if (!image)
        ShowNotice(failure);
    return image;
}

void FreeRgbImage(RgbImage* image)
{
    if (!image)
        return;
    std::free(image->pixels);
    std::free(image);
}
