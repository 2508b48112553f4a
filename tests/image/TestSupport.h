// Runs the loader the way the tests look at it: what it gave, as text, and the
// decoded bytes.
#pragma once

#include "BmpWriter.h"
#include "ByteSource.h"
#include "DecodeBmp.h"
#include "LoadBmpImage.h"
#include "Notice.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <tuple>
#include <utility>

// A refusal as a load's outcome: the code's name.
inline std::string Refused(DibReason reason)
{
    return DibReasonName(reason);
}

// What a load gave: "WxH" for a picture without a notice, else the codes of
// its notices with "|" between them; the last notice's details.
struct Loaded { std::string outcome; Bytes rgb; DibFailure failure; };

// Every notice of the test program until Result() takes them.
inline std::string g_notices;
inline DibFailure g_lastFailure;
inline const NoticeHandler g_installed = SetNoticeHandler([](const DibFailure& failure) {
    g_notices += (g_notices.empty() ? "" : "|") + Refused(failure.reason);
    g_lastFailure = failure;
});

// What a load returned, with the notices it gave; frees it.
inline Loaded Result(RgbImage* image)
{
    const std::string notices = std::exchange(g_notices, "");
    const DibFailure failure = std::exchange(g_lastFailure, DibFailure());
    if (!image)
        return {notices, {}, failure};
    // Reading every byte lets the sanitizer check the array's size.
    const size_t bytes = size_t(image->width) * size_t(image->height) * 3;
    const Loaded result{std::to_string(image->width) + "x" + std::to_string(image->height) +
                            (notices.empty() ? "" : "|" + notices), {image->pixels, image->pixels + bytes}, failure};
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

// Decodes the same bytes read through a buffer in reads of piece bytes, as a
// file's are read; announced, when larger, is a size the file had before it
// was cut while being read.
inline Loaded DecodeInPieces(const Bytes& file, size_t piece, size_t announced = 0, size_t maxPixels = size_t{16} << 20)
{
    const Bytes exact = file;
    MemoryPieces source;
    if (!source.Open(exact.data(), exact.size(), piece, announced))
        return {"no buffer", {}, {}};
    DibFailure failure;
    RgbImage* image = DecodeBmpQuiet(source, maxPixels, &failure);
    if (!image)
        ShowNotice(failure);
    return Result(image);
}

// Everything a load gave that two ways of reading the same bytes must agree on.
inline auto Seen(const Loaded& loaded)
{
    return std::tuple(loaded.outcome, loaded.rgb, loaded.failure.found, loaded.failure.limit, loaded.failure.at);
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
