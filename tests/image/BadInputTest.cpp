// Files that announce more than they hold, or what cannot be converted: each
// gets null and the one notice its fault calls for.
#include "TestSupport.h"

#include <sys/mman.h>
#include <unistd.h>

#include <atomic>
#include <thread>
#include <tuple>

namespace {

using R = DibReason;
const std::string kRle = Refused(R::RleMalformed), kSide = Refused(R::SideTooLarge);

// A 1 × 1 24-bit file of 153 bytes whose pixel data holds 25 rows but the last one's padding.
Bytes PlainFile(size_t at = 0, uint32_t value = 0, int bytes = 0)
{
    BmpFields plain;
    plain.bits = {1, 0x11, 0, 1};
    plain.bits.resize(99, 0x40);
    Bytes file = BuildBmp(plain);
    for (int i = 0; i < bytes; ++i)
        file[at + i] = static_cast<uint8_t>(value >> (8 * i));
    return file;
}

BmpFields BitFields(bool fileHeader, std::vector<uint32_t> masks)
{
    BmpFields f;
    f.fileHeader = fileHeader, f.bitCount = 16, f.compression = 3, f.masks = std::move(masks);
    return f;
}

TEST(RleStreams, RunsAndDeltasMustStayInThePicture)
{
    const struct { uint32_t compression; int width, height; Bytes stream; std::string outcome; } cases[] = {
        // Runs past their row's end are cut there, the stream going on; nothing follows the last row but the end.
        {1, 4, 1, {4, 1, 0, 1}, "4x1"}, {1, 4, 1, {5, 1, 0, 1}, "4x1"}, {1, 4, 1, {3, 1, 2, 2, 0, 1}, "4x1"},
        {2, 4, 1, {0, 5, 0x12, 0x12, 0x10, 0, 0, 1}, "4x1"}, {1, 4, 1, {0, 5, 1, 2, 3, 0, 1, 0, 1}, kRle},
        {1, 2, 1, {2, 1, 0, 0, 0, 1}, "2x1"},
        {1, 2, 1, {2, 1, 0, 0, 1, 1, 0, 1}, kRle}, {1, 2, 1, {2, 1, 0, 0, 0, 0, 0, 1}, kRle},
        {2, 2, 1, {2, 0x11, 0, 0, 0, 3, 0x12, 0x30, 0, 1}, kRle},
        // Deltas stay in the picture, or go where the last end of line leads.
        {1, 4, 2, {0, 2, 4, 1, 0, 1}, "4x2"}, {1, 4, 2, {0, 2, 0, 2}, "4x2"}, {1, 4, 2, {0, 2, 5, 0, 0, 1}, kRle},
        {1, 4, 2, {1, 1, 0, 2, 0, 2, 0, 1}, kRle}, {1, 4, 2, {0, 2, 0, 3, 0, 1}, kRle},
        {2, 4, 2, {0, 2, 255, 255, 0, 1}, kRle},
        // Compressed rows are stored bottom row first; four bytes describe a picture of any size.
        {1, 2, -1, {2, 1, 0, 1}, Refused(R::TopDownRle)}, {1, 65535, 1, {0, 1}, "65535x1"}, {1, 1, 65535, {0, 1}, "1x65535"},
        {1, 65536, 1, {0, 1}, kSide}, {1, 1, 65536, {0, 1}, kSide},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Decode(BuildBmp(RleFields(c.compression, c.width, c.height, c.stream))).outcome, c.outcome)
            << "case " << &c - cases;
}

TEST(Headers, FieldsThatCannotBeConvertedAreRefused)
{
    const std::string kUnknown = Refused(R::UnknownHeaderSize), kNone = Refused(R::NoPixels),
                      kInside = Refused(R::PixelsInsideHeaders), kPast = Refused(R::PixelsPastEnd),
                      kCut = Refused(R::PixelsCut), kBits = Refused(R::BitCount);
    // Changes to a 1 × 1 24-bit file with 99 bytes of pixels: 25 rows without the last one's padding.
    // The changes the reasons' table below makes are not repeated here.
    const struct { size_t at; uint32_t value; int bytes; std::string outcome; } cases[] = {
        // Only the 12-, 40-, 108- and 124-byte headers are known, whole; a longer one ends past the pixel offset.
        {14, 108, 4, kInside}, {14, 124, 4, kInside}, {14, 13, 4, kUnknown}, {14, 41, 4, kUnknown},
        {14, 56, 4, kUnknown}, {14, 0xFFFFFFFF, 4, kUnknown},
        // Zero, negative and extreme sizes.
        {18, 0, 4, kNone}, {22, 0, 4, kNone}, {22, 0x80000000, 4, kSide}, {18, 65536, 4, kSide},
        {22, 25, 4, "1x25"}, {22, uint32_t(-25), 4, "1x25"},
        // One plane; published bit counts and compressions only (the pixels are valid RLE too); bit fields'
        // masks after a 40-byte header push the headers' end past the pixels.
        {28, 2, 2, kBits}, {28, 64, 2, kBits}, {30, 3, 4, kInside},
        // The pixels start after the headers and before the end.
        {10, 54, 4, "1x1"}, {10, 0, 4, kInside}, {10, 153, 4, kCut}, {10, 0xFFFFFFFF, 4, kPast},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Decode(PlainFile(c.at, c.value, c.bytes)).outcome, c.outcome) << "at " << c.at << ": " << c.value;
}

TEST(Reasons, EachRefusalCarriesTheNumbersItFound)
{
    BmpFields withoutFileHeader;
    withoutFileHeader.fileHeader = false;
    const Bytes bare = BuildBmp(withoutFileHeader), bareMasks = BuildBmp(BitFields(false, {0xF800, 0x07E0, 0x001F}));
    BmpFields huge;   // its image size overflows the 32-bit field before any pixel is looked for
    huge.width = huge.height = 65535, huge.bitCount = 32;
    const struct { Bytes file; R reason; int64_t found, limit, at; size_t budget = size_t{16} << 20; } cases[] = {
        {{'B', 'M'}, R::HeadersCut, 2, 14, 0},
        {Bytes(bare.begin(), bare.begin() + 30), R::HeadersCut, 30, 40, 0},
        {Bytes(bareMasks.begin(), bareMasks.begin() + 51), R::HeadersCut, 51, 52, 0},
        {PlainFile(14, 140, 4), R::UnknownHeaderSize, 140, 0, 0},
        {PlainFile(26, 2, 2), R::PlaneCount, 2, 0, 0},
        {PlainFile(18, uint32_t(-1), 4), R::NoPixels, -1, 0, 0},
        {PlainFile(22, uint32_t(-65536), 4), R::SideTooLarge, -65536, 65535, 0},
        {BuildBmp(huge), R::ImageTooLarge, int64_t{65535} * 65535 * 4, UINT32_MAX, 0},
        {PlainFile(46, 300, 4), R::PaletteCut, 300, 24, 0},
        {PlainFile(10, 53, 4), R::PixelsInsideHeaders, 53, 54, 0},
        {PlainFile(10, 154, 4), R::PixelsPastEnd, 154, 153, 0},
        {PlainFile(30, 1, 4), R::BitCount, 24, 1, 0},
        {PlainFile(30, 4, 4), R::Compression, 4, 0, 0},
        {BuildBmp(BitFields(true, {0x7C00, 0x07E0, 0x001F})), R::Masks, 0x07E0, 16, 0},
        {BuildBmp(RleFields(1, 2, -1, {2, 1, 0, 1})), R::TopDownRle, -1, 0, 0},
        {PlainFile(22, 26, 4), R::PixelsCut, 99, 103, 0},
        // A run, an end of line, then a delta past the row's end: the delta's pair, at 70 + 4.
        {BuildBmp(RleFields(1, 4, 2, {4, 1, 0, 0, 0, 2, 5, 0})), R::RleMalformed, 0, 0, 74},
        {BuildBmp(RleFields(1, 4, 4, {0, 1})), R::OverBudget, 16, 15, 0, 15},
    };
    for (const auto& c : cases) {
        const Loaded result = Decode(c.file, c.budget);
        EXPECT_EQ(result.outcome, Refused(c.reason)) << "case " << &c - cases;
        EXPECT_EQ(std::tuple(result.failure.found, result.failure.limit, result.failure.at),
                  std::tuple(c.found, c.limit, c.at)) << Refused(c.reason);
        EXPECT_STREQ(result.failure.name, "") << Refused(c.reason);
    }
}

TEST(Headers, BitFieldsNeedOneUnbrokenMaskPerChannelWithinThePixel)
{
    const std::string kMasks = Refused(R::Masks);
    // One pixel with every bit set but the lowest, so that a mask's low bit shows.
    const struct { uint16_t bits; uint32_t header; std::vector<uint32_t> masks; std::string outcome; Bytes rgb; } cases[] = {
        {16, 40, {0xF800, 0x07E0, 0x001F}, "1x1", {255, 255, 0xF7}},
        {16, 108, {0x7C00, 0x03E0, 0x001F}, "1x1", {255, 255, 0xF7}},
        {32, 124, {0x3FF00000, 0x000FFC00, 0x000003FF}, "1x1", {255, 255, 255}},   // 10 bits keep their top 8
        {32, 40, {0x01, 0x02, 0x04}, "1x1", {0, 255, 255}},                       // 1 bit widens to 0 or 255
        // Empty, overlapping, broken, past 16 bits; and bit fields of 24 or 8 bits (whose 256 colours are missing).
        {16, 40, {0, 0x03E0, 0x001F}, kMasks, {}}, {32, 124, {0xFF0000, 0xFF00, 0}, kMasks, {}},
        {16, 40, {0x7C00, 0x07E0, 0x001F}, kMasks, {}}, {32, 108, {0xFF0000, 0xFF0000, 0xFF}, kMasks, {}},
        {16, 40, {0x7A00, 0x03E0, 0x001F}, kMasks, {}}, {32, 124, {0xFF0000, 0xFF00, 0x80000001}, kMasks, {}},
        {16, 40, {0x1F0000, 0x03E0, 0x001F}, kMasks, {}},
        {24, 40, {0xFF0000, 0xFF00, 0xFF}, Refused(R::BitCount), {}}, {8, 108, {0xE0, 0x1C, 0x03}, Refused(R::PaletteCut), {}},
    };
    for (const auto& c : cases) {
        BmpFields f;
        f.bitCount = c.bits, f.headerSize = c.header, f.compression = 3, f.masks = c.masks;
        f.bits = {0xFE, 0xFF, 0xFF, 0xFF};
        const Loaded result = Decode(BuildBmp(f));
        EXPECT_EQ(result.outcome, c.outcome) << "case " << &c - cases;
        EXPECT_EQ(result.rgb, c.rgb) << "case " << &c - cases;
    }
    // Masks after a 40-byte header where the pixels start (cut short: the reasons' table).
    BmpFields f = BitFields(true, {0xF800, 0x07E0, 0x001F});
    f.bits = {0, 0, 0, 0};
    for (const auto& [offset, outcome] : {std::pair{8, Refused(R::PixelsInsideHeaders)}, {12, std::string("1x1")}}) {
        f.bitsOffset = 14 + 40 + offset;
        EXPECT_EQ(Decode(BuildBmp(f)).outcome, outcome) << offset;
    }
}

TEST(Headers, PicturesBeyondTheBudgetOrOverflowingTheImageSizeFieldAreNotAllocated)
{
    EXPECT_EQ(Decode(BuildBmp(RleFields(1, 4, 4, {0, 1})), 16).outcome, "4x4");   // at 15: the reasons' table
    // By name the budget is 2^28 pixels: one row more, or the largest picture RLE can announce, is refused.
    for (const int height : {16385, 65535}) {
        const int width = height == 16385 ? 16384 : 65535;
        const std::string path = WriteTemp("huge.bmp", BuildBmp(RleFields(1, width, height, {0, 1})));
        EXPECT_EQ(Result(LoadBmpImage(path.c_str())).outcome, Refused(R::OverBudget)) << height;
    }
    // 65535 × 65535 at 24 bits in a file holding every row: 12.9 GB of address space, never touched past the
    // headers. Only with its image size given does it reach the allocation, and the budget of 0.
    const size_t size = 54 + size_t{196608} * 65535;
    void* view = mmap(nullptr, size, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS | MAP_NORESERVE, -1, 0);
    if (view == MAP_FAILED)
        GTEST_SKIP() << "no address space for the file";
    BmpFields f;
    f.width = f.height = 65535;
    for (uint32_t sizeImage : {0u, 1u}) {
        f.sizeImage = sizeImage;
        const Bytes headers = BuildBmp(f);
        std::copy(headers.begin(), headers.end(), static_cast<uint8_t*>(view));
        EXPECT_EQ(Result(DecodeBmp(static_cast<uint8_t*>(view), size, 0)).outcome,
                  sizeImage ? Refused(R::OverBudget) : Refused(R::ImageTooLarge));
    }
    munmap(view, size);
}

TEST(LoadByName, AFileCutShortWhileItIsReadGivesAPictureOrOneNotice)
{
    // Another process truncates and rewrites the file over and over while it is loaded.
    const SampleBmp sample = MakeSample(24, 1024, 1024);
    const std::string path = WriteTemp("shrinking.bmp", sample.file);
    std::atomic<bool> done{false};
    std::thread cutter([&] {
        while (!done) {
            if (truncate(path.c_str(), 64) != 0)
                break;
            WriteTemp("shrinking.bmp", sample.file);
        }
    });
    std::string outcomes;
    for (int i = 0; i < 200; ++i) {
        const std::string outcome = Result(LoadBmpImage(path.c_str())).outcome;
        // Caught empty, the file is one that cannot be opened.
        if (outcome != "1024x1024" && outcome != Refused(R::PixelsCut) && outcome != Refused(R::HeadersCut) &&
            outcome != Refused(R::CannotOpen))
            outcomes += outcome + " ";
    }
    done = true;
    cutter.join();
    EXPECT_EQ(outcomes, "");
}

}  // namespace
