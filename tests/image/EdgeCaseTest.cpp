// Cases the loader is known to have to get right: where the pixels start,
// the header forms, row padding, byte and row order, later header forms,
// independent records and the missing-file text.
#include "LoadBmpImage.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

using Texts = std::vector<std::string>;

TEST(EdgeCases, TwentyFourBitsWithNoColorsUsedStartAtTheFileHeaderOffset)
{
    BmpFields f;
    f.width = 2;
    f.bitsOffset = 14 + 40 + 10;   // ten bytes of 0xEE first
    f.bits = {0x00, 0x00, 0xFF, 0x10, 0x20, 0x30, 0, 0};
    EXPECT_EQ(Decode(BuildBmp(f)).rgb, (Bytes{0xFF, 0x00, 0x00, 0x30, 0x20, 0x10}));
}

TEST(EdgeCases, EightBitsWithNoColorsUsedHaveAFullTable)
{
    BmpFields f;
    f.fileHeader = false;
    f.bitCount = 8;
    f.width = 2;
    f.palette.assign(256, Rgb{9, 9, 9});
    f.palette[255] = {1, 2, 3};
    f.bits = {255, 0, 0, 0};
    EXPECT_EQ(Decode(BuildBmp(f)).rgb, (Bytes{1, 2, 3, 9, 9, 9}));
}

TEST(EdgeCases, SixteenColorsUsedWithoutFileHeaderPutThePixels64BytesAfterTheHeader)
{
    BmpFields f;
    f.fileHeader = false;
    f.bitCount = 8;
    f.colorsUsed = 16;
    f.width = 2;
    for (uint8_t i = 0; i < 16; ++i)
        f.palette.push_back({i, static_cast<uint8_t>(i + 100), 7});
    f.bits = {15, 4, 0, 0};
    const Bytes file = BuildBmp(f);
    ASSERT_EQ(file.size(), 40u + 64u + 4u);
    EXPECT_EQ(Decode(file).rgb, (Bytes{15, 115, 7, 4, 104, 7}));
}

TEST(EdgeCases, Os2EntriesAreThreeBytesAndSizesUnsigned)
{
    BmpFields f;
    f.os2 = true;
    f.bitCount = 1;
    f.width = 40000;   // negative as a signed 16-bit number
    f.palette = {{10, 20, 30}, {40, 50, 60}};
    f.bits.assign(5000, 0);
    f.bits[0] = 0x80;
    f.bits[4999] = 0x01;
    const Loaded result = Decode(BuildBmp(f));
    ASSERT_EQ(result.width, 40000);
    EXPECT_EQ(Bytes(result.rgb.begin(), result.rgb.begin() + 6), (Bytes{40, 50, 60, 10, 20, 30}));
    EXPECT_EQ(Bytes(result.rgb.end() - 6, result.rgb.end()), (Bytes{10, 20, 30, 40, 50, 60}));
}

TEST(EdgeCases, BareWindowsHeaderIsReadFromTheFirstByte)
{
    // 1 x 1, 24 bits, written out byte by byte: the pixel is pure red.
    const Bytes file = {40, 0, 0, 0, 1, 0, 0, 0, 1, 0, 0, 0, 1, 0, 24, 0, 0, 0, 0, 0, 0, 0,
                        0,  0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,  0, 0, 0, 0, 0, 0xFF, 0};
    EXPECT_EQ(Decode(file).rgb, (Bytes{0xFF, 0x00, 0x00}));
}

TEST(EdgeCases, WidthsOneToFiveSkipTheirRowPadding)
{
    const size_t fileRowBytes[] = {4, 8, 12, 12, 16};
    for (int width = 1; width <= 5; ++width) {
        BmpFields f;
        f.width = width;
        f.height = 2;
        Bytes expected;
        for (int row = 0; row < 2; ++row) {
            for (int x = 0; x < width; ++x) {
                const uint8_t blue = static_cast<uint8_t>(100 * row + 3 * x + 1), green = blue + 1, red = blue + 2;
                f.bits.insert(f.bits.end(), {blue, green, red});
                expected.insert(expected.end(), {red, green, blue});
            }
            f.bits.resize(fileRowBytes[width - 1] * (row + 1), 0xEE);   // padding that must not show
        }
        EXPECT_EQ(Decode(BuildBmp(f)).rgb, expected) << width;
    }
}

TEST(EdgeCases, BottomRowComesFirst)
{
    BmpFields f;
    f.height = 2;
    f.bits = {0xFF, 0, 0, 0,    // stored first: the bottom row, blue
              0, 0xFF, 0, 0};   // the top row, green
    EXPECT_EQ(Decode(BuildBmp(f)).rgb, (Bytes{0, 0, 0xFF, 0, 0xFF, 0}));

    f.height = -2;   // the same rows stored top row first
    const Loaded topDown = Decode(BuildBmp(f));
    EXPECT_EQ(topDown.height, 2);
    EXPECT_EQ(topDown.rgb, (Bytes{0, 0xFF, 0, 0, 0, 0xFF}));
}

TEST(EdgeCases, LaterHeaderFormsGetOneUnknownFormatNotice)
{
    for (uint32_t size : {108u, 124u}) {
        BmpFields f;
        f.headerSize = size;
        f.bits = {1, 2, 3, 0};
        const Loaded result = Decode(BuildBmp(f));
        EXPECT_FALSE(result.ok);
        EXPECT_EQ(result.notices, Texts{kUnknownFormat}) << size;
    }
}

TEST(EdgeCases, TwoLoadsGiveIndependentRecords)
{
    BmpFields f;
    f.bits = {1, 2, 3, 0};
    const std::string path = WriteTemp("twice.bmp", BuildBmp(f));
    RgbImage* first = LoadBmpImage(path.c_str());
    RgbImage* second = LoadBmpImage(path.c_str());
    ASSERT_TRUE(first && second);
    EXPECT_NE(first, second);
    first->pixels[0] = 0x77;
    EXPECT_EQ(second->pixels[0], 3);
    for (RgbImage* image : {first, second}) {
        std::free(image->pixels);
        std::free(image);
    }
}

TEST(EdgeCases, MissingFileGetsTheOpenFailureTextWithItsName)
{
    EXPECT_EQ(Capture([] { return LoadBmpImage("no such dir/logo.bmp"); }).notices,
              Texts{"Failed to open DIB file no such dir/logo.bmp.\n"});
}

}  // namespace
