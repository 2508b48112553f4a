// The loader's work on a file already in memory, for the fuzzer and the tests.
#pragma once

#include "RgbImage.h"

#include <cstddef>
#include <cstdint>

// Decodes the bitmap file in data[0, size) as LoadBmpImage does once the file
// is mapped: a new record, or nullptr after exactly one notice. A picture
// whose pixel array would exceed maxPixelBytes gets "Out of memory." without
// being allocated (the fuzzer keeps within its memory limit this way).
RgbImage* DecodeBmp(const unsigned char* data, size_t size, size_t maxPixelBytes = SIZE_MAX);

// The same without the notice: *message is set to its text instead.
RgbImage* DecodeBmpQuiet(const unsigned char* data, size_t size, size_t maxPixelBytes, const char** message);
