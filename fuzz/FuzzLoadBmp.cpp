// Any bytes as a bitmap file. A failed load must give exactly one notice, a
// successful one none and a picture whose every byte can be read.
#include "DecodeBmp.h"
#include "LoadBmpImage.h"
#include "Notice.h"

#include <cstdint>
#include <cstdlib>

namespace {

int g_notices = 0;

void CountNotice(const DibFailure&)
{
    ++g_notices;
}

// A few bytes of RLE may describe a 12.9 GB picture. Inputs are small, so a
// larger one only spends the fuzzer's time and memory on zero-filling.
constexpr size_t kPixelBudget = size_t{4} << 20;

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    SetNoticeHandler(&CountNotice);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    g_notices = 0;
    RgbImage* image = DecodeBmp(data, size, kPixelBudget);
    if (!image) {
        if (g_notices != 1)
            std::abort();
        return 0;
    }
    if (g_notices != 0 || image->width < 1 || image->width > 65535 || image->height < 1 ||
        image->height > 65535)
        std::abort();
    // The sanitizer checks that the array really is width × height × 3 bytes.
    const size_t bytes = size_t(image->width) * size_t(image->height) * 3;
    unsigned sum = 0;
    for (size_t i = 0; i < bytes; ++i)
        sum += image->pixels[i];
    volatile unsigned sink = sum;
    (void)sink;
    FreeRgbImage(image);
    return 0;
}
