// The texture picture: committed as drawn by its generator, copied beside the
// program, and shaped so that a mirrored or upside-down mapping shows.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

std::vector<unsigned char> ReadFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::uint32_t U32(const std::vector<unsigned char>& b, size_t at)
{
    return b[at] | b[at + 1] << 8 | b[at + 2] << 16 | static_cast<std::uint32_t>(b[at + 3]) << 24;
}

std::uint16_t U16(const std::vector<unsigned char>& b, size_t at)
{
    return static_cast<std::uint16_t>(b[at] | b[at + 1] << 8);
}

std::string ProgramDir()
{
    const std::string program = SAMPLES_PROGRAM;
    return program.substr(0, program.rfind('/'));
}

// Pixels as 0xRRGGBB, top row first.
struct Picture
{
    int width = 0, height = 0;
    std::vector<std::uint32_t> rgb;
    std::uint32_t At(int x, int y) const { return rgb[static_cast<size_t>(y) * width + x]; }
};

Picture Decode24(const std::vector<unsigned char>& file)
{
    Picture p;
    p.width = static_cast<int>(U32(file, 18));
    p.height = static_cast<int>(U32(file, 22));
    const size_t offset = U32(file, 10);
    const size_t stride = (static_cast<size_t>(p.width) * 3 + 3) & ~size_t{3};
    p.rgb.resize(static_cast<size_t>(p.width) * p.height);
    for (int row = 0; row < p.height; ++row) {   // stored bottom row first
        const unsigned char* src = file.data() + offset + row * stride;
        for (int x = 0; x < p.width; ++x, src += 3)
            p.rgb[static_cast<size_t>(p.height - 1 - row) * p.width + x] =
                src[2] << 16 | src[1] << 8 | src[0];
    }
    return p;
}

// Share of pixels that change when the picture is mirrored as given.
double ChangedShare(const Picture& p, bool mirrorX, bool mirrorY)
{
    size_t changed = 0;
    for (int y = 0; y < p.height; ++y)
        for (int x = 0; x < p.width; ++x)
            changed += p.At(x, y) != p.At(mirrorX ? p.width - 1 - x : x,
                                          mirrorY ? p.height - 1 - y : y);
    return static_cast<double>(changed) / p.rgb.size();
}

TEST(Logo, CommittedPictureIsWhatItsGeneratorDraws)
{
    const std::string drawn = testing::TempDir() + "logo-redrawn.bmp";
    const std::string command = std::string("'") + SAMPLES_MAKE_LOGO + "' '" + drawn + "'";
    const int status = std::system(command.c_str());
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << command;
    const auto committed = ReadFile(SAMPLES_SOURCE_LOGO);
    ASSERT_FALSE(committed.empty());
    EXPECT_TRUE(ReadFile(drawn) == committed) << "res/logo.bmp differs from its generator's output";
    std::remove(drawn.c_str());
}

TEST(Logo, LiesBesideTheProgram)
{
    const auto beside = ReadFile(ProgramDir() + "/logo.bmp");
    ASSERT_FALSE(beside.empty()) << "no logo.bmp in " << ProgramDir();
    EXPECT_TRUE(beside == ReadFile(SAMPLES_SOURCE_LOGO));
}

TEST(Logo, IsAnUncompressed24BitPictureOfPowerOfTwoSides)
{
    const auto file = ReadFile(SAMPLES_SOURCE_LOGO);
    ASSERT_GE(file.size(), 54u);
    EXPECT_EQ(file[0], 'B');
    EXPECT_EQ(file[1], 'M');
    EXPECT_EQ(U32(file, 2), file.size());
    EXPECT_EQ(U32(file, 14), 40u);
    const std::int32_t width = static_cast<std::int32_t>(U32(file, 18));
    const std::int32_t height = static_cast<std::int32_t>(U32(file, 22));
    EXPECT_EQ(U16(file, 26), 1);
    EXPECT_EQ(U16(file, 28), 24);
    EXPECT_EQ(U32(file, 30), 0u);
    for (std::int32_t side : {width, height}) {
        EXPECT_GE(side, 64);
        EXPECT_LE(side, 1024);
        EXPECT_EQ(side & (side - 1), 0) << side << " is no power of two";
    }
    const size_t stride = (static_cast<size_t>(width) * 3 + 3) & ~size_t{3};
    EXPECT_EQ(file.size(), U32(file, 10) + stride * static_cast<size_t>(height));
}

TEST(Logo, ShowsWhichWayIsUpAndWhichSideIsLeft)
{
    const Picture p = Decode24(ReadFile(SAMPLES_SOURCE_LOGO));
    ASSERT_GT(p.width, 0);
    ASSERT_EQ(p.rgb.size(), static_cast<size_t>(p.width) * p.height);
    // Each wrong mapping moves a good part of the picture.
    EXPECT_GT(ChangedShare(p, true, false), 0.05) << "looks the same mirrored left to right";
    EXPECT_GT(ChangedShare(p, false, true), 0.05) << "looks the same upside down";
    EXPECT_GT(ChangedShare(p, true, true), 0.05) << "looks the same turned half round";
}

}
