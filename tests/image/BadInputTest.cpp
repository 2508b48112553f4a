// Files that announce more than they hold, or what cannot be converted: each
// gets null and the one notice its fault calls for.
#include "DibHeader.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <sys/mman.h>

#include <algorithm>
#include <climits>

namespace {

using Texts = std::vector<std::string>;
const Texts kNone, kUnknown{kUnknownFormat}, kConversion{kConversionError};

Texts NoticesFor(const Bytes& file, size_t maxPixelBytes = SIZE_MAX)
{
    return Decode(file, maxPixelBytes).notices;
}

// compression 1: RLE8, 2: RLE4; four colours, 1 to 4.
Bytes Rle(uint32_t compression, int width, int height, Bytes stream)
{
    BmpFields f;
    f.width = width;
    f.height = height;
    f.bitCount = compression == 1 ? 8 : 4;
    f.compression = compression;
    f.palette = {{1, 1, 1}, {2, 2, 2}, {3, 3, 3}, {4, 4, 4}};
    f.colorsUsed = 4;
    f.bits = std::move(stream);
    return BuildBmp(f);
}

// 24 bits, with more than enough pixel bytes for a small picture.
BmpFields Plain(int32_t width, int32_t height)
{
    BmpFields f;
    f.width = width;
    f.height = height;
    f.bits.assign(64, 0x40);
    return f;
}

void Patch32(Bytes& file, size_t at, uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        file[at + i] = static_cast<uint8_t>(value >> (8 * i));
}

TEST(RleStreams, RunsMustEndWithinTheirRow)
{
    EXPECT_EQ(NoticesFor(Rle(1, 4, 1, {4, 1, 0, 1})), kNone);
    EXPECT_EQ(NoticesFor(Rle(1, 4, 1, {5, 1, 0, 1})), kConversion);
    EXPECT_EQ(NoticesFor(Rle(1, 4, 1, {3, 1, 2, 2, 0, 1})), kConversion);
    EXPECT_EQ(NoticesFor(Rle(1, 4, 1, {0, 5, 1, 1, 1, 1, 1, 0, 0, 1})), kConversion);
    EXPECT_EQ(NoticesFor(Rle(2, 4, 1, {5, 0x12, 0, 1})), kConversion);
    EXPECT_EQ(NoticesFor(Rle(2, 4, 1, {0, 5, 0x12, 0x12, 0x10, 0, 0, 1})), kConversion);
}

TEST(RleStreams, NothingMayFollowTheLastRowButTheEnd)
{
    EXPECT_EQ(NoticesFor(Rle(1, 2, 1, {2, 1, 0, 0, 0, 1})), kNone);
    EXPECT_EQ(NoticesFor(Rle(1, 2, 1, {2, 1, 0, 0, 1, 1, 0, 1})), kConversion);
    EXPECT_EQ(NoticesFor(Rle(1, 2, 1, {2, 1, 0, 0, 0, 0, 0, 1})), kConversion);
    EXPECT_EQ(NoticesFor(Rle(2, 2, 1, {2, 0x11, 0, 0, 0, 3, 0x12, 0x30, 0, 1})), kConversion);
}

TEST(RleStreams, DeltasMustStayInThePicture)
{
    EXPECT_EQ(NoticesFor(Rle(1, 4, 2, {0, 2, 4, 1, 0, 1})), kNone);
    EXPECT_EQ(NoticesFor(Rle(1, 4, 2, {0, 2, 0, 2})), kNone);   // where the last end of line leads
    EXPECT_EQ(NoticesFor(Rle(1, 4, 2, {0, 2, 5, 0, 0, 1})), kConversion);
    EXPECT_EQ(NoticesFor(Rle(1, 4, 2, {1, 1, 0, 2, 0, 2, 0, 1})), kConversion);
    EXPECT_EQ(NoticesFor(Rle(1, 4, 2, {0, 2, 0, 3, 0, 1})), kConversion);
    EXPECT_EQ(NoticesFor(Rle(2, 4, 2, {0, 2, 255, 255, 0, 1})), kConversion);
}

TEST(RleStreams, StreamsCutShortAreRefused)
{
    // Runs, absolute runs with padding, an end of line after each row and an
    // end of bitmap. Without the end of bitmap every row is still ended;
    // every shorter cut, inside an escape or between pairs, is refused.
    Bytes indices;
    for (int i = 0; i < 42; ++i)
        indices.push_back(static_cast<uint8_t>(i < 8 ? 1 : i % 3));
    for (uint32_t compression : {1u, 2u}) {
        const Bytes stream = EncodeRle(compression == 1 ? 8 : 4, 21, 2, indices);
        for (size_t cut = 0; cut < stream.size(); ++cut)
            EXPECT_EQ(NoticesFor(Rle(compression, 21, 2, Bytes(stream.begin(), stream.begin() + cut))),
                      cut == stream.size() - 2 ? kNone : kConversion)
                << "compression " << compression << ", cut at " << cut;
    }
}

TEST(RleStreams, TopDownRleIsRefused)
{
    EXPECT_EQ(NoticesFor(Rle(1, 2, -1, {2, 1, 0, 1})), kConversion);
    EXPECT_EQ(NoticesFor(Rle(2, 2, -1, {2, 0x11, 0, 1})), kConversion);
}

TEST(ColorTables, ColorsUsedBeyondTheFileAreRefused)
{
    BmpFields f;
    f.bitCount = 8;
    f.colorsUsed = 300;
    f.palette.assign(16, Rgb{5, 5, 5});
    f.bits = {0, 0, 0, 0};
    EXPECT_EQ(NoticesFor(BuildBmp(f)), kConversion);
}

TEST(ColorTables, ColorsUsedBeyondTheBitCountMoveOnlyThePixels)
{
    // Four entries for two colours: the pixels follow all four.
    BmpFields f;
    f.fileHeader = false;
    f.bitCount = 1;
    f.colorsUsed = 4;
    f.width = 2;
    f.palette = {{1, 1, 1}, {2, 2, 2}, {3, 3, 3}, {4, 4, 4}};
    f.bits = {0x40, 0, 0, 0};
    EXPECT_EQ(Decode(BuildBmp(f)).rgb, (Bytes{1, 1, 1, 2, 2, 2}));
}

TEST(ColorTables, IndicesPastTheTableAreBlack)
{
    BmpFields f;
    f.bitCount = 8;
    f.colorsUsed = 2;
    f.width = 3;
    f.palette = {{10, 10, 10}, {20, 20, 20}};
    f.bits = {1, 2, 255, 0};
    const Bytes expected = {20, 20, 20, 0, 0, 0, 0, 0, 0};
    EXPECT_EQ(Decode(BuildBmp(f)).rgb, expected);
    f.bitCount = 4;
    f.bits = {0x1F, 0x20, 0, 0};
    EXPECT_EQ(Decode(BuildBmp(f)).rgb, expected);
    EXPECT_EQ(Decode(Rle(1, 2, 1, {1, 9, 1, 3, 0, 1})).rgb, (Bytes{0, 0, 0, 4, 4, 4}));
}

TEST(Sizes, EmptyNegativeAndOversizedPicturesAreRefused)
{
    const int32_t sizes[][2] = {{0, 1},     {1, 0},      {-1, 1},       {-3, -3},    {65536, 1},
                                {1, 65536}, {1, -65536}, {1, INT_MIN}, {INT_MAX, 1}, {INT_MIN, INT_MIN}};
    for (const auto& size : sizes)
        EXPECT_EQ(NoticesFor(BuildBmp(Plain(size[0], size[1]))), kConversion) << size[0] << " x " << size[1];
    // Four bytes of RLE hold a picture of any size: only the side limit refuses these.
    EXPECT_EQ(NoticesFor(Rle(1, 65536, 1, {0, 1})), kConversion);
    EXPECT_EQ(NoticesFor(Rle(1, 1, 65536, {0, 1})), kConversion);
    EXPECT_EQ(NoticesFor(Rle(1, 65535, 1, {0, 1})), kNone);
}

TEST(Sizes, SidesAsLargeAsATextureAreRead)
{
    BmpFields f;
    f.bitCount = 1;
    f.width = 65535;
    f.palette = {{0, 0, 0}, {9, 9, 9}};
    f.bits.assign(8192, 0xFF);
    EXPECT_EQ(Decode(BuildBmp(f)).width, 65535);
    f.width = 1;
    f.height = -65535;
    f.bits.assign(4 * 65535, 0);
    EXPECT_EQ(Decode(BuildBmp(f)).height, 65535);
}

TEST(Sizes, ByteCountsThatOverflowAreRefusedBeforeAllocating)
{
    // With a budget of 0, reaching the allocation would give "Out of memory.".
    BmpFields f = Plain(65535, 65535);   // the image size overflows its 32-bit field
    EXPECT_EQ(NoticesFor(BuildBmp(f), 0), kConversion);
    f.sizeImage = 64;                    // given: the rows are not in the file
    EXPECT_EQ(NoticesFor(BuildBmp(f), 0), kConversion);
}

TEST(Sizes, ImageSizeOverflowingItsFieldIsRefusedEvenWhenTheFileHoldsTheRows)
{
    // 12.9 GB of address space, never touched past the headers.
    const size_t size = 54 + size_t{196608} * 65535;
    void* view = mmap(nullptr, size, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS | MAP_NORESERVE, -1, 0);
    if (view == MAP_FAILED)
        GTEST_SKIP() << "no address space for the file";
    uint8_t* file = static_cast<uint8_t*>(view);
    BmpFields f = Plain(65535, 65535);
    f.bits.clear();
    NormalisedDib dib;
    Bytes headers = BuildBmp(f);
    std::copy(headers.begin(), headers.end(), file);
    EXPECT_EQ(ReadDib(file, size, &dib), DibError::Conversion);
    f.sizeImage = 1;
    headers = BuildBmp(f);
    std::copy(headers.begin(), headers.end(), file);
    EXPECT_EQ(ReadDib(file, size, &dib), DibError::None);
    munmap(view, size);
}

TEST(Sizes, PicturesBeyondTheBudgetGetOutOfMemory)
{
    // Four bytes of RLE may describe the largest picture.
    EXPECT_EQ(NoticesFor(Rle(1, 65535, 65535, {0, 1}), 1 << 20), Texts{kOutOfMemory});
    EXPECT_EQ(NoticesFor(Rle(1, 4, 4, {0, 1}), 48), kNone);
}

TEST(Offsets, PixelsCannotStartInsideTheHeaders)
{
    for (int64_t offset : {0, 2, 14, 53, 54}) {
        BmpFields f = Plain(1, 1);
        f.bitsOffset = offset;
        EXPECT_EQ(NoticesFor(BuildBmp(f)), offset == 54 ? kNone : kConversion) << offset;
    }
}

TEST(Offsets, PixelsCannotStartAtOrPastTheEnd)
{
    Bytes file = BuildBmp(Plain(1, 1));
    const uint32_t size = static_cast<uint32_t>(file.size());
    for (uint32_t offset : {size, size + 1, 0xFFFFFFFFu}) {
        Patch32(file, 10, offset);
        EXPECT_EQ(NoticesFor(file), kConversion) << offset;
    }
}

TEST(Offsets, EveryRowMustBeInTheFile)
{
    BmpFields f = Plain(2, 3);
    f.bits.resize(2 * 8 + 6);   // the last row without its padding is enough
    EXPECT_EQ(NoticesFor(BuildBmp(f)), kNone);
    f.bits.resize(2 * 8 + 5);
    EXPECT_EQ(NoticesFor(BuildBmp(f)), kConversion);
}

TEST(Headers, CutShortGetUnknownFormat)
{
    for (bool os2 : {false, true}) {
        for (bool fileHeader : {true, false}) {
            BmpFields f = Plain(1, 1);
            f.os2 = os2;
            f.fileHeader = fileHeader;
            const Bytes file = BuildBmp(f);
            for (size_t cut = 0; cut < (fileHeader ? 14u : 0u) + (os2 ? 12u : 40u); ++cut)
                EXPECT_EQ(NoticesFor(Bytes(file.begin(), file.begin() + cut)), kUnknown) << cut;
        }
    }
}

TEST(Headers, OnlyTwoHeaderSizesAreKnown)
{
    Bytes file = BuildBmp(Plain(1, 1));
    for (uint32_t size : {0u, 4u, 11u, 13u, 39u, 41u, 52u, 56u, 64u, 0xFFFFFFFFu}) {
        Patch32(file, 14, size);
        EXPECT_EQ(NoticesFor(file), kUnknown) << size;
    }
}

TEST(Headers, PlanesMustBeOne)
{
    for (uint16_t planes : {0, 2, 0xFFFF}) {
        BmpFields f = Plain(1, 1);
        f.planes = planes;
        EXPECT_EQ(NoticesFor(BuildBmp(f)), kConversion) << planes;
    }
}

TEST(Headers, UnconvertibleKindsAreRefused)
{
    // Unpublished bit counts, bit fields, RLE with the other bit count, JPEG,
    // PNG and unknown compressions.
    const uint32_t kinds[][2] = {{0, 0},  {2, 0}, {3, 0},  {64, 0}, {16, 3}, {32, 3}, {8, 2},
                                 {4, 1},  {24, 1}, {1, 2}, {24, 4}, {24, 5}, {8, 6}, {24, 0x80000000}};
    for (const auto& kind : kinds) {
        BmpFields f = Plain(1, 1);
        f.bitCount = static_cast<uint16_t>(kind[0]);
        f.compression = kind[1];
        f.palette = {{1, 1, 1}, {2, 2, 2}};
        f.colorsUsed = 2;
        // As RLE of either kind a valid stream; as rows, enough for any bit count.
        f.bits = {1, 0x11, 0, 1, 0, 0, 0, 0};
        EXPECT_EQ(NoticesFor(BuildBmp(f)), kConversion) << kind[0] << " bits, compression " << kind[1];
    }
}

}  // namespace
