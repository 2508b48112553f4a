// Files that announce more than they hold, or what cannot be converted: each
// gets null and the one notice its fault calls for.
#include "TestSupport.h"

#include <sys/mman.h>
#include <unistd.h>

#include <atomic>
#include <thread>

namespace {

TEST(RleStreams, RunsAndDeltasMustStayInThePicture)
{
    const struct { uint32_t compression; int width, height; Bytes stream; std::string outcome; } cases[] = {
        // Runs end within their row; nothing follows the last row but the end.
        {1, 4, 1, {4, 1, 0, 1}, "4x1"}, {1, 4, 1, {5, 1, 0, 1}, kBad}, {1, 4, 1, {3, 1, 2, 2, 0, 1}, kBad},
        {2, 4, 1, {0, 5, 0x12, 0x12, 0x10, 0, 0, 1}, kBad}, {1, 2, 1, {2, 1, 0, 0, 0, 1}, "2x1"},
        {1, 2, 1, {2, 1, 0, 0, 1, 1, 0, 1}, kBad}, {1, 2, 1, {2, 1, 0, 0, 0, 0, 0, 1}, kBad},
        {2, 2, 1, {2, 0x11, 0, 0, 0, 3, 0x12, 0x30, 0, 1}, kBad},
        // Deltas stay in the picture, or go where the last end of line leads.
        {1, 4, 2, {0, 2, 4, 1, 0, 1}, "4x2"}, {1, 4, 2, {0, 2, 0, 2}, "4x2"}, {1, 4, 2, {0, 2, 5, 0, 0, 1}, kBad},
        {1, 4, 2, {1, 1, 0, 2, 0, 2, 0, 1}, kBad}, {1, 4, 2, {0, 2, 0, 3, 0, 1}, kBad},
        {2, 4, 2, {0, 2, 255, 255, 0, 1}, kBad},
        // Compressed rows are stored bottom row first; four bytes describe a picture of any size.
        {1, 2, -1, {2, 1, 0, 1}, kBad}, {1, 65535, 1, {0, 1}, "65535x1"}, {1, 1, 65535, {0, 1}, "1x65535"},
        {1, 65536, 1, {0, 1}, kBad}, {1, 1, 65536, {0, 1}, kBad},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Decode(BuildBmp(RleFields(c.compression, c.width, c.height, c.stream))).outcome, c.outcome)
            << "case " << &c - cases;
}

TEST(Headers, FieldsThatCannotBeConvertedAreRefused)
{
    // Changes to a 1 × 1 24-bit file with 99 bytes of pixels: 25 rows without the last one's padding.
    const struct { size_t at; uint32_t value; int bytes; std::string outcome; } cases[] = {
        // Only the 12- and the 40-byte header are known, whole.
        {14, 108, 4, kUnknown}, {14, 124, 4, kUnknown}, {14, 0, 4, kUnknown}, {14, 13, 4, kUnknown},
        {14, 39, 4, kUnknown}, {14, 41, 4, kUnknown}, {14, 0xFFFFFFFF, 4, kUnknown},
        // Zero, negative and extreme sizes; rows past the file.
        {18, 0, 4, kBad}, {22, 0, 4, kBad}, {18, uint32_t(-1), 4, kBad}, {22, 0x80000000, 4, kBad},
        {18, 65536, 4, kBad}, {22, 65536, 4, kBad}, {22, uint32_t(-65536), 4, kBad}, {18, 0x7FFFFFFF, 4, kBad},
        {22, 25, 4, "1x25"}, {22, uint32_t(-25), 4, "1x25"}, {22, 26, 4, kBad},
        // One plane; published bit counts and compressions only (the pixels are valid RLE too).
        {26, 0, 2, kBad}, {26, 2, 2, kBad}, {28, 2, 2, kBad}, {28, 64, 2, kBad},
        {30, 1, 4, kBad}, {30, 2, 4, kBad}, {30, 3, 4, kBad}, {30, 4, 4, kBad}, {30, 0x80000000, 4, kBad},
        // More colours used than the file holds.
        {46, 300, 4, kBad},
        // The pixels start after the headers and before the end.
        {10, 54, 4, "1x1"}, {10, 53, 4, kBad}, {10, 0, 4, kBad}, {10, 153, 4, kBad}, {10, 154, 4, kBad},
        {10, 0xFFFFFFFF, 4, kBad},
    };
    BmpFields plain;
    plain.bits = {1, 0x11, 0, 1};
    plain.bits.resize(99, 0x40);
    for (const auto& c : cases) {
        Bytes file = BuildBmp(plain);
        for (int i = 0; i < c.bytes; ++i)
            file[c.at + i] = static_cast<uint8_t>(c.value >> (8 * i));
        EXPECT_EQ(Decode(file).outcome, c.outcome) << "at " << c.at << ": " << c.value;
    }
}

TEST(Headers, PicturesBeyondTheBudgetOrOverflowingTheImageSizeFieldAreNotAllocated)
{
    EXPECT_EQ(Decode(BuildBmp(RleFields(1, 4, 4, {0, 1})), 16).outcome, "4x4");
    EXPECT_EQ(Decode(BuildBmp(RleFields(1, 4, 4, {0, 1})), 15).outcome, kNoMemory);
    // By name the budget is 2^28 pixels: one row more, or the largest picture RLE can announce, is refused.
    for (const int height : {16385, 65535}) {
        const std::string path = WriteTemp("huge.bmp", BuildBmp(RleFields(1, height == 16385 ? 16384 : 65535, height, {0, 1})));
        EXPECT_EQ(Result(LoadBmpImage(path.c_str())).outcome, kNoMemory) << height;
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
                  sizeImage ? kNoMemory : kBad);
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
        if (outcome != "1024x1024" && outcome != kBad && outcome != kUnknown &&
            outcome != "Failed to open DIB file " + path + ".\n")
            outcomes += outcome + " ";
    }
    done = true;
    cutter.join();
    EXPECT_EQ(outcomes, "");
}

}  // namespace
