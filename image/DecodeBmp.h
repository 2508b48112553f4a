// The loader's work on a file already in memory, for the fuzzer and the tests.
#pragma once

#include "DibFailure.h"
#include "RgbImage.h"

#include <cstddef>
#include <cstdint>

// The largest picture a load accepts, in pixels: 16384 x 16384, beyond any
// texture size, and a pixel array of 768 MB.
constexpr size_t kDefaultMaxPixels = size_t{1} << 28;

// Decodes the bitmap file in data[0, size) as LoadBmpImage does once the file
// is read: a new record, or nullptr after exactly one notice. A picture of
// more than maxPixels pixels is refused (OverBudget) without being allocated.
RgbImage* DecodeBmp(const unsigned char* data, size_t size, size_t maxPixels = kDefaultMaxPixels);

// The same without the notice: *failure says why instead.
RgbImage* DecodeBmpQuiet(const unsigned char* data, size_t size, size_t maxPixels, DibFailure* failure);

class ByteSource;
// The same from a file's bytes as source hands them out (ByteSource.h):
// how LoadBmpImage reads a file, a piece at a time.
RgbImage* DecodeBmpQuiet(ByteSource& source, size_t maxPixels, DibFailure* failure);
