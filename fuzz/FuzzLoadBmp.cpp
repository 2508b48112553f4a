// Any bytes as a bitmap file. A failed load must give exactly one notice, a
// successful one none and a picture whose every byte can be read; the same
// bytes read in pieces, as a file's are, even cut short while being read,
// must give the same picture or the same refusal with the same numbers.
#include "ByteSource.h"
#include "DecodeBmp.h"
#include "LoadBmpImage.h"
#include "Notice.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace {

int g_notices = 0;
DibFailure g_failure;

void CountNotice(const DibFailure& failure)
{
    ++g_notices;
    g_failure = failure;
}

// A few bytes of RLE may describe a 12.9 GB picture. Inputs are small, so a
// larger one only spends the fuzzer's time and memory on zero-filling.
constexpr size_t kPixelBudget = size_t{4} << 20;

// Decodes data in pieces of 1 to 64 bytes, the size taken from its last
// byte, announced as a file of size + extra bytes that was cut to size: the
// same picture as image, or the same refusal as the notice.
void CompareInPieces(const uint8_t* data, size_t size, size_t extra, const RgbImage* image)
{
    MemoryPieces source;
    if (!source.Open(data, size, size ? 1 + data[size - 1] % 64 : 1, size + extra))
        return;
    DibFailure failure;
    RgbImage* pieces = DecodeBmpQuiet(source, kPixelBudget, &failure);
    if (!pieces != !image)
        std::abort();
    if (image) {
        const size_t bytes = size_t(image->width) * size_t(image->height) * 3;
        if (pieces->width != image->width || pieces->height != image->height ||
            std::memcmp(pieces->pixels, image->pixels, bytes) != 0)
            std::abort();
    } else if (failure.reason != g_failure.reason || failure.found != g_failure.found ||
               failure.limit != g_failure.limit || failure.at != g_failure.at) {
        std::abort();
    }
    FreeRgbImage(pieces);
}

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
    CompareInPieces(data, size, size % 3 == 0 ? 0 : 100, image);
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
