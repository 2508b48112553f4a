// Every kind of file the loader reads decodes to exactly its picture, from
// memory and from a file, and no cut or damaged copy of one crashes it;
// loading by name, and the name a failure to open shows, within its bound.
#include "LoadBmpImage.h"
#include "TestSupport.h"

#include <sys/stat.h>

#include <random>

void PrintTo(const SampleBmp& sample, std::ostream* out)
{
    *out << sample.name;
}

namespace {

using SampleTest = ::testing::TestWithParam<SampleBmp>;

TEST_P(SampleTest, DecodesToItsPictureFromMemoryAndFromAFile)
{
    const SampleBmp& sample = GetParam();
    const std::string path = WriteTemp(sample.name + ".bmp", sample.file);
    // Pieces of 1 and 3 bytes split every row and RLE step; 64 holds several.
    for (const Loaded& result : {Decode(sample.file), Result(LoadBmpImage(path.c_str())), DecodeInPieces(sample.file, 1),
                                 DecodeInPieces(sample.file, 3), DecodeInPieces(sample.file, 64)}) {
        EXPECT_EQ(result.outcome, std::to_string(sample.width) + "x" + std::to_string(sample.height));
        EXPECT_EQ(result.rgb, sample.rgb);
    }
}

// Enough damaged copies per sample to catch a bound check gone wrong at once;
// the fuzzer searches further.
constexpr int kDamageRounds = 64;

// A picture without a notice, or one refusal alone.
bool Acceptable(const std::string& outcome)
{
    for (int r = int(DibReason::CannotOpen); r <= int(DibReason::OutOfMemory); ++r)
        if (outcome == Refused(DibReason(r)))
            return true;
    return !outcome.empty() && outcome.find_first_not_of("0123456789x") == std::string::npos;
}

TEST_P(SampleTest, CutAndDamagedCopiesGiveAPictureOrOneNotice)
{
    // Cut inside its headers a file is refused as cut; cut inside an RLE stream, as malformed.
    const Bytes& file = GetParam().file;
    const size_t headersEnd = (file[0] == 'B' ? 14 : 0) + file[file[0] == 'B' ? 14 : 0];
    const bool rle = file[0] == 'B' && file[14] != 12 && (file[30] == 1 || file[30] == 2);
    const size_t rleStart = rle ? file[10] : file.size();
    for (size_t length = 0; length < file.size(); ++length) {
        const Bytes cut(file.begin(), file.begin() + length);
        const Loaded whole = Decode(cut);
        const std::string& outcome = whole.outcome;
        // Read in pieces, a copy cut while it is read is refused for the same reason with the same numbers.
        ASSERT_EQ(Seen(DecodeInPieces(cut, 3, file.size())), Seen(whole)) << length;
        ASSERT_TRUE(length < headersEnd ? outcome == Refused(DibReason::HeadersCut)
                    : length >= rleStart ? outcome == Refused(DibReason::RleMalformed) : Acceptable(outcome))
            << length << ": " << outcome;
    }
    std::mt19937 random(20240601u + static_cast<unsigned>(file.size()));
    for (int round = 0; round < kDamageRounds; ++round) {
        // One to four bytes changed; every other round only in the headers, where a byte decides the most.
        Bytes damaged = file;
        const size_t span = round % 2 ? std::min<size_t>(file.size(), 64) : file.size();
        for (int i = 0; i <= round % 4; ++i)
            damaged[random() % span] ^= static_cast<uint8_t>(1 + random() % 255);
        ASSERT_PRED1(Acceptable, Decode(damaged).outcome) << "round " << round;
    }
}

INSTANTIATE_TEST_SUITE_P(Kinds, SampleTest, ::testing::ValuesIn(SampleBmps()),
                         [](const ::testing::TestParamInfo<SampleBmp>& info) { return info.param.name; });

TEST(Rows, AnOs2WidthPastTheSigned16BitRangeIsRead)
{
    const SampleBmp os2 = MakeSample(1, 40000, 1, kOs2);
    EXPECT_EQ(Decode(os2.file).rgb, os2.rgb);
}

// A picture of 1000 x 400 random indices as 8-bit rows (400 KB) and as RLE8
// (311 KB): absolute runs of 255, each as long as one step of the stream
// gets, and a run, so that both outlast the first read. Also its RGB bytes.
std::tuple<Bytes, Bytes, Bytes> LongFiles()
{
    std::mt19937 random(300);
    std::vector<uint32_t> indices;
    Bytes stream;
    for (int row = 0; row < 400; ++row) {
        for (int run = 0; run < 3; ++run) {
            stream.insert(stream.end(), {0, 255});
            for (int x = 0; x < 255; ++x) {
                indices.push_back(random() % 4);
                stream.push_back(static_cast<uint8_t>(indices.back()));
            }
            stream.push_back(0);
        }
        indices.insert(indices.end(), 1000 - 3 * 255, 2);
        stream.insert(stream.end(), {1000 - 3 * 255, 2, 0, 0});
    }
    BmpFields f = RleFields(1, 1000, 400, stream);
    const Bytes rle = BuildBmp(f);
    f.compression = 0;
    f.bits = PackRows(8, 1000, 400, indices);
    Bytes rgb;
    for (const uint32_t i : indices)
        rgb.insert(rgb.end(), {uint8_t(f.palette[i] >> 16), uint8_t(f.palette[i] >> 8), uint8_t(f.palette[i])});
    return {BuildBmp(f), rle, rgb};
}

TEST(Rows, LongFilesReadInPiecesDecodeAsWholeEvenWhenCutWhileRead)
{
    const auto [plain, rle, expected] = LongFiles();
    for (const bool compressed : {false, true}) {
        const Bytes& file = compressed ? rle : plain;
        const std::string path = WriteTemp("long.bmp", file);
        for (const Loaded& result : {Decode(file), DecodeInPieces(file, 1), DecodeInPieces(file, 4093),
                                     Result(LoadBmpImage(path.c_str()))}) {
            EXPECT_EQ(result.outcome, "1000x400");
            EXPECT_TRUE(result.rgb == expected);
        }
        // Cut past the first read, inside a row or an absolute run, the file gets the refusal its cut copy gets.
        for (const size_t length : {size_t{270001}, size_t{289999}, file.size() - 1}) {
            const Bytes cut(file.begin(), file.begin() + length);
            EXPECT_EQ(Seen(DecodeInPieces(cut, 4093, file.size())), Seen(Decode(cut))) << length;
            EXPECT_EQ(Decode(cut).outcome, Refused(compressed ? DibReason::RleMalformed : DibReason::PixelsCut));
        }
    }
}

TEST(Rows, FilesOfManyPiecesLoadWhole)
{
    // Rows of 3003 and 1000 bytes straddle the reads' pieces; the top-down rows are written last first.
    for (const SampleBmp& sample : {MakeSample(24, 1001, 150), MakeSample(8, 997, 300, kTopDown),
                                    MakeSample(32, 700, 200, kV5)}) {
        const std::string path = WriteTemp(sample.name + ".bmp", sample.file);
        const Loaded result = Result(LoadBmpImage(path.c_str()));
        EXPECT_EQ(result.outcome, std::to_string(sample.width) + "x" + std::to_string(sample.height)) << sample.name;
        EXPECT_TRUE(result.rgb == sample.rgb) << sample.name;
    }
}

TEST(Rows, RedIsStoredLastAndTheBottomRowFirst)
{
    BmpFields f;   // 1 × 2 at 24 bits: red stored first, then blue
    f.height = 2;
    f.bits = {0, 0, 0xFF, 0, 0xFF, 0, 0, 0};
    EXPECT_EQ(Decode(BuildBmp(f)).rgb, (Bytes{0xFF, 0, 0, 0, 0, 0xFF}));
    f.height = -2;   // the same rows stored top row first
    EXPECT_EQ(Decode(BuildBmp(f)).rgb, (Bytes{0, 0, 0xFF, 0xFF, 0, 0}));
}

TEST(LoadByName, WhatCannotBeOpenedGetsItsNameShownWithin229Bytes)
{
    const std::string empty = WriteTemp("empty.bmp", {}), dir = empty.substr(0, empty.rfind('/'));
    const std::string pipe = dir + "/pipe.bmp", longName = std::string(218, 'd') + "/picture.bmp";   // 230 bytes
    const std::string cyrillic = [] { std::string s; for (int i = 0; i < 150; ++i) s += "ж"; return s + "a.bmp"; }();
    ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);   // a plain open would wait for a writer
    const auto Wide = [](const std::string& ascii) { return std::wstring(ascii.begin(), ascii.end()); };
    const struct { std::string name; std::wstring wide; std::string shown; } cases[] = {
        {"no such dir/logo.bmp", L"no such dir/logo.bmp", "no such dir/logo.bmp"},
        {"нет/logo.bmp", L"нет/logo.bmp", "нет/logo.bmp"},
        {std::string(229, 'n'), std::wstring(229, L'n'), std::string(229, 'n')},           // the longest shown whole
        {longName, Wide(longName), "..." + longName.substr(4)},                             // 255 bytes and the NUL
        {cyrillic, std::wstring(150, L'ж') + L"a.bmp", "..." + cyrillic.substr(cyrillic.size() - 225)},   // cut whole
        {empty, Wide(empty), empty}, {dir, Wide(dir), dir}, {pipe, Wide(pipe), pipe},   // none can be mapped
        {"a\uFFFD.b", {L'a', wchar_t(0xD800), L'.', L'b'}, "a\uFFFD.b"},   // a lone surrogate names no file
    };
    for (const auto& c : cases)
        for (const Loaded& result : {Result(LoadBmpImage(c.wide.c_str(), true)), Result(LoadBmpImage(c.name.c_str()))}) {
            EXPECT_EQ(result.outcome, Refused(DibReason::CannotOpen));
            EXPECT_STREQ(result.failure.name, c.shown.c_str());
        }
}

TEST(LoadByName, EachLoadGivesItsOwnRecordAndLeavesNoFileOpen)
{
    BmpFields f;
    f.bits = {1, 2, 3, 0};
    const std::string path = WriteTemp("логотип.bmp", BuildBmp(f));
    const std::wstring wide = std::wstring(path.begin(), path.begin() + path.rfind('/')) + L"/логотип.bmp";
    const auto descriptors = [] {
        return std::distance(std::filesystem::directory_iterator("/proc/self/fd"), std::filesystem::directory_iterator());
    };
    const auto before = descriptors();
    RgbImage* first = LoadBmpImage(path.c_str());
    RgbImage* second = LoadBmpImage(wide.c_str(), true);
    ASSERT_TRUE(first && second);
    EXPECT_EQ(descriptors(), before);
    first->pixels[0] = 0x77;
    EXPECT_EQ(Bytes(second->pixels, second->pixels + 3), (Bytes{3, 2, 1}));
    FreeRgbImage(first);
    FreeRgbImage(second);
}

TEST(Notices, WithoutAHandlerTheyGoToStandardError)
{
    const NoticeHandler previous = SetNoticeHandler(nullptr);
    ::testing::internal::CaptureStderr();
    EXPECT_FALSE(LoadBmpImage("missing.bmp") || DecodeBmp(nullptr, 0));
    EXPECT_EQ(::testing::internal::GetCapturedStderr(),
              "bitmap refused: CannotOpen missing.bmp (found 0, limit 0, at 0)\n"
              "bitmap refused: HeadersCut (found 0, limit 4, at 0)\n");
    SetNoticeHandler(previous);
}

}  // namespace
