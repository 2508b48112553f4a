#include "TestSupport.h"

#include "DecodeBmp.h"
#include "Notice.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>

const char kUnknownFormat[] = "Unknown DIB file format.";
const char kConversionError[] = "Image file conversion error.";
const char kOutOfMemory[] = "Out of memory.";

namespace {

std::vector<std::string> g_notices;

void Record(const char* caption, const char* text)
{
    EXPECT_STREQ(caption, "Error");
    g_notices.push_back(text);
}

struct TempDirectory
{
    std::string path = ::testing::TempDir() + "bmp_tests_XXXXXX";
    TempDirectory()
    {
        if (!mkdtemp(path.data()))
            std::abort();
    }
    ~TempDirectory()
    {
        std::error_code ignored;
        std::filesystem::remove_all(path, ignored);
    }
};

}  // namespace

Loaded Capture(const std::function<RgbImage*()>& load)
{
    g_notices.clear();
    const NoticeHandler previous = SetNoticeHandler(&Record);
    RgbImage* image = load();
    SetNoticeHandler(previous);
    Loaded result;
    result.notices = g_notices;
    if (image) {
        result.ok = true;
        result.width = image->width;
        result.height = image->height;
        // Reading every byte lets the sanitizer check the array's size.
        result.rgb.assign(image->pixels, image->pixels + size_t(image->width) * size_t(image->height) * 3);
        std::free(image->pixels);
        std::free(image);
    }
    return result;
}

Loaded Decode(const Bytes& file, size_t maxPixelBytes)
{
    std::unique_ptr<unsigned char[]> exact(new unsigned char[file.size()]);
    std::copy(file.begin(), file.end(), exact.get());
    return Capture([&] { return DecodeBmp(exact.get(), file.size(), maxPixelBytes); });
}

std::string TempDir()
{
    static const TempDirectory dir;
    return dir.path;
}

std::string WriteTemp(const std::string& name, const Bytes& bytes)
{
    const std::string path = TempDir() + "/" + name;
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    return path;
}
