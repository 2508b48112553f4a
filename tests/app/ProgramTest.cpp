// The program as the user starts it, a child process on the test's display
// that ends with status 0 however the sheet is closed, and its picture.
#include "ProgramSession.h"

#include <gtest/gtest.h>

#include <X11/Xlib.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string>
#include <thread>
#include <utility>

namespace {

using namespace programtest;

struct Closing
{
    std::string name, keys, lang;
};
void PrintTo(const Closing& c, std::ostream* os) { *os << c.name; }
using ProgramExit = testing::TestWithParam<Closing>;

// The stock buttons' mnemonics are Alt+O for OK and Alt+C for Cancel in
// English; in Russian "Отмена" has Alt+т, and "ОК" none.
TEST_P(ProgramExit, ClosingTheSheetEndsTheProgramWithStatusZero)
{
    Session s("", GetParam().lang);
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

// Without GLX every OpenGL window shows a notice in its place (no black
// square), one line on standard error says why, the tabs still change and
// the program ends as usual.
TEST(NoOpenGL, NoticesInPlaceOfThePicturesOneLineWhyAndStatusZero)
{
    PrivateServer server(false);
    Session s(server.name);
    ASSERT_NE(s.sheet, None) << "the sheet never showed on " << server.name << "; output:\n"
                             << ReadFile(s.program.outPath);
    for (int page = 0; page < 3; ++page) {
        ASSERT_TRUE(page == 0 || s.Type("ctrl+Next"));
        std::this_thread::sleep_for(std::chrono::milliseconds(500));
        XWindowAttributes a;
        ASSERT_TRUE(XGetWindowAttributes(s.display, s.sheet, &a));
        XImage* image = XGetImage(s.display, s.sheet, 0, 0, a.width, a.height, AllPlanes, ZPixmap);
        ASSERT_NE(image, nullptr);
        int black = 0;
        for (int y = 0; y < a.height; ++y)
            for (int x = 0; x < a.width; ++x)
                black += (XGetPixel(image, x, y) & 0xffffff) == 0;
        XDestroyImage(image);
        EXPECT_LT(black, 2000) << "a black square on page " << page;
        ASSERT_TRUE(s.program.Running()) << ReadFile(s.program.outPath);
    }
    ASSERT_TRUE(s.Type("Escape"));
    EXPECT_TRUE(s.EndsWithStatusZero("Escape"));
    const std::string out = ReadFile(s.program.outPath);
    EXPECT_EQ(std::count(out.begin(), out.end(), '\n'), 1) << out;
    EXPECT_NE(out.find("no OpenGL"), std::string::npos) << out;
}

INSTANTIATE_TEST_SUITE_P(EveryWayOut, ProgramExit,
                         testing::Values(Closing{"Ok", "alt+o", "en"}, Closing{"Cancel", "alt+c", "en"},
                                         Closing{"CancelInRussian", "alt+Cyrillic_te", "ru"},
                                         Closing{"Escape", "Escape", ""}, Closing{"CloseBox", "", ""}),
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
