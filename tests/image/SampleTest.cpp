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
    for (const Loaded& result : {Decode(sample.file), Result(LoadBmpImage(path.c_str()))}) {
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
        const std::string outcome = Decode(Bytes(file.begin(), file.begin() + length)).outcome;
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
