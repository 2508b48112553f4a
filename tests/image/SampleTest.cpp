// Every kind of file the loader reads decodes to exactly its picture, from
// memory and from a file; no cut or damaged copy of one crashes it.
#include "LoadBmpImage.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <ostream>
#include <random>

void PrintTo(const SampleBmp& sample, std::ostream* out)
{
    *out << sample.name;
}

namespace {

class SampleTest : public ::testing::TestWithParam<SampleBmp>
{
};

TEST_P(SampleTest, DecodesToItsPicture)
{
    const SampleBmp& sample = GetParam();
    const Loaded result = Decode(sample.file);
    EXPECT_TRUE(result.notices.empty()) << result.notices[0];
    EXPECT_EQ(result.width, sample.width);
    EXPECT_EQ(result.height, sample.height);
    EXPECT_EQ(result.rgb, sample.rgb);
}

TEST_P(SampleTest, LoadsFromAFileAsFromMemory)
{
    const std::string path = WriteTemp(GetParam().name + ".bmp", GetParam().file);
    const Loaded result = Capture([&] { return LoadBmpImage(path.c_str()); });
    EXPECT_TRUE(result.notices.empty());
    EXPECT_EQ(result.rgb, GetParam().rgb);
}

// Empty when file gives a picture and no notice, or null and one of the
// loader's notices; otherwise what went wrong. A damaged RLE header can
// describe a legitimately huge picture: the budget keeps such cases quick.
std::string Misbehaviour(const Bytes& file)
{
    const Loaded result = Decode(file, size_t{64} << 20);
    if (result.ok)
        return result.notices.empty() ? "" : "a picture and a notice";
    if (result.notices.size() != 1)
        return std::to_string(result.notices.size()) + " notices";
    const std::string& text = result.notices[0];
    return text == kUnknownFormat || text == kConversionError || text == kOutOfMemory ? "" : text;
}

TEST_P(SampleTest, EveryCutGivesAPictureOrOneNotice)
{
    const Bytes& file = GetParam().file;
    for (size_t length = 0; length < file.size(); ++length)
        ASSERT_EQ(Misbehaviour(Bytes(file.begin(), file.begin() + length)), "") << "cut at " << length;
}

TEST_P(SampleTest, DamagedCopiesGiveAPictureOrOneNotice)
{
    std::mt19937 random(20240601u + static_cast<unsigned>(GetParam().file.size()));
    for (int round = 0; round < 1000; ++round) {
        Bytes file = GetParam().file;
        // One to four bytes changed; every other round only in the headers,
        // where a byte decides the most.
        const size_t span = round % 2 ? std::min<size_t>(file.size(), 64) : file.size();
        for (int i = 0; i <= round % 4; ++i)
            file[random() % span] ^= static_cast<uint8_t>(1 + random() % 255);
        ASSERT_EQ(Misbehaviour(file), "") << "round " << round;
    }
}

INSTANTIATE_TEST_SUITE_P(Kinds, SampleTest, ::testing::ValuesIn(SampleBmps()),
                         [](const ::testing::TestParamInfo<SampleBmp>& info) {
                             std::string name = info.param.name;
                             std::replace(name.begin(), name.end(), '-', '_');
                             return name;
                         });

}  // namespace
