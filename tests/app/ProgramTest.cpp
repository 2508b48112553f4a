// The program as the user starts it, a child process on the test's display
// that ends with status 0 however the sheet is closed, and its picture.
#include "ProgramSession.h"

#include <cstdint>
#include <cstring>
#include <utility>

namespace {

using namespace programtest;

struct Closing
{
    std::string name, keys, lang;
};
void PrintTo(const Closing& c, std::ostream* os) { *os << c.name; }
using ProgramExit = testing::TestWithParam<Closing>;

// Escape is how the other program tests end it; Alt+O and Alt+C are OK and
// Cancel in English. Russian's Alt+т is left out: xdotool types a Cyrillic
// letter by remapping a spare key, which GTK does not always see in time.
TEST_P(ProgramExit, ClosingTheSheetEndsTheProgramWithStatusZero)
{
    Session s(GetParam().lang);
    ASSERT_NE(s.display, nullptr) << "no X display (run under scripts/with-display)";
    ASSERT_NE(s.sheet, None) << "the sheet never showed (wait status " << s.program.status << "); output:\n"
                             << ReadFile(s.program.outPath);
    if (GetParam().keys.empty()) {
        s.PressCloseBox();
    } else {
        ASSERT_TRUE(s.Type(GetParam().keys)) << GetParam().keys;
    }
    EXPECT_TRUE(s.EndsWithStatusZero(GetParam().name));
    EXPECT_EQ(ReadFile(s.program.outPath).find("assertion"), std::string::npos) << ReadFile(s.program.outPath);
}

INSTANTIATE_TEST_SUITE_P(EveryWayOut, ProgramExit,
                         testing::Values(Closing{"Ok", "alt+o", "en"}, Closing{"Cancel", "alt+c", "en"},
                                         Closing{"CloseBox", "", ""}),
                         [](const testing::TestParamInfo<Closing>& info) { return info.param.name; });

// The texture picture: copied beside the program, committed as its generator
// draws it, and shaped so that a mirrored or upside-down mapping shows.
TEST(Logo, BesideTheProgramIsA24BitPowerOfTwoPictureThatShowsWhichWayIsUp)
{
    const std::string file = ReadFile(SAMPLES_SOURCE_LOGO), drawn = testing::TempDir() + "logo-redrawn.bmp";
    EXPECT_TRUE(ReadFile(kProgramDir + "/logo.bmp") == file) << "no copy of res/logo.bmp beside the program";
    ASSERT_EQ(std::system(("'" SAMPLES_MAKE_LOGO "' '" + drawn + "'").c_str()), 0);
    EXPECT_TRUE(ReadFile(drawn) == file) << "res/logo.bmp differs from its generator's output";
    std::remove(drawn.c_str());

    auto u32 = [&file](size_t at) {
        auto byte = [&](size_t i) { return std::uint32_t{static_cast<unsigned char>(file[at + i])}; };
        return byte(0) | byte(1) << 8 | byte(2) << 16 | byte(3) << 24;
    };
    ASSERT_TRUE(file.size() >= 54 && file[0] == 'B' && file[1] == 'M');
    EXPECT_TRUE(u32(14) == 40 && u32(26) == (1u | 24u << 16) && u32(30) == 0) << "not a plain 24-bit Windows bitmap";
    const int width = static_cast<int>(u32(18)), height = static_cast<int>(u32(22));
    for (int side : {width, height})
        EXPECT_TRUE(side >= 64 && side <= 1024 && (side & (side - 1)) == 0) << side;
    const size_t offset = u32(10), stride = (width * 3u + 3) & ~3u;
    ASSERT_EQ(file.size(), offset + stride * height);

    // Each wrong mapping moves a good part of the picture.
    auto at = [&](int x, int y) { return &file[offset + y * stride + x * 3]; };
    for (auto [mirror, flip] : {std::pair{true, false}, std::pair{false, true}, std::pair{true, true}}) {
        int changed = 0;
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x)
                changed +=
                    std::memcmp(at(x, y), at(mirror ? width - 1 - x : x, flip ? height - 1 - y : y), 3) != 0;
        EXPECT_GT(changed, width * height / 20) << "alike mirrored " << mirror << ", flipped " << flip;
    }
}

}
