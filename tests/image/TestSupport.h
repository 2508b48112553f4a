// Runs the loader the way the tests look at it: the decoded bytes and the
// notices it gave.
#pragma once

#include "BmpWriter.h"
#include "RgbImage.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

extern const char kUnknownFormat[], kConversionError[], kOutOfMemory[];

struct Loaded
{
    bool ok = false;
    int32_t width = 0, height = 0;
    Bytes rgb;
    std::vector<std::string> notices;   // their texts; each caption is checked to be "Error"
};

// Runs load with the notices captured, and frees what it returns.
Loaded Capture(const std::function<RgbImage*()>& load);

// Decodes file from a heap block of exactly its size, so that the sanitizer
// sees any read past its end.
Loaded Decode(const Bytes& file, size_t maxPixelBytes = SIZE_MAX);

// Writes bytes to a file of that name in a directory removed at exit; returns its path.
std::string WriteTemp(const std::string& name, const Bytes& bytes);
std::string TempDir();
