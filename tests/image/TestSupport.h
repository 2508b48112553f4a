// Runs the loader the way the tests look at it: what it gave, as text, and the
// decoded bytes.
#pragma once

#include "BmpWriter.h"
#include "DecodeBmp.h"
#include "LoadBmpImage.h"
#include "Notice.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <utility>

inline const std::string kUnknown = "Unknown DIB file format.", kBad = "Image file conversion error.",
                         kNoMemory = "Out of memory.";

// What a load gave: "WxH" for a picture without a notice, else its notices with "|" between them.
struct Loaded { std::string outcome; Bytes rgb; };

// Every notice of the test program, each captioned "Error", until Result() takes them.
inline std::string g_notices;
inline const NoticeHandler g_installed = SetNoticeHandler([](const char* caption, const char* text) {
    EXPECT_STREQ(caption, "Error");
    g_notices += (g_notices.empty() ? "" : "|") + std::string(text);
});

// What a load returned, with the notices it gave; frees it.
inline Loaded Result(RgbImage* image)
{
    const std::string notices = std::exchange(g_notices, "");
    if (!image)
        return {notices, {}};
    // Reading every byte lets the sanitizer check the array's size.
    const size_t bytes = size_t(image->width) * size_t(image->height) * 3;
    const Loaded result{std::to_string(image->width) + "x" + std::to_string(image->height) +
                            (notices.empty() ? "" : "|" + notices), {image->pixels, image->pixels + bytes}};
    FreeRgbImage(image);
    return result;
}

// Decodes a copy of exactly the file's bytes, so that the sanitizer sees any
// read past its end. The budget keeps a damaged header's huge picture quick.
inline Loaded Decode(const Bytes& file, size_t maxPixels = size_t{16} << 20)
{
    const Bytes exact = file;
    return Result(DecodeBmp(exact.data(), exact.size(), maxPixels));
}

// Writes bytes to a file of that name in a directory removed at exit; returns its path.
inline std::string WriteTemp(const std::string& name, const Bytes& bytes)
{
    static const struct Dir
    {
        std::string path = ::testing::TempDir() + "bmp_tests_XXXXXX";
        Dir() { if (!mkdtemp(path.data())) std::abort(); }
        ~Dir() { std::error_code ignored; std::filesystem::remove_all(path, ignored); }
    } dir;
    const std::string path = dir.path + "/" + name;
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    return path;
}
