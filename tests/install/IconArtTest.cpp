// The cube icon at every size it is installed in: faces, edges and outline
// where the cube's corners put them, and the window icon made of the same.
#include "IconArt.h"
#include "Resources.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

enum { kNone, kOutline, kEdge, kTop, kLeft, kRight };

struct Probe
{
    double x, y;   // in units of the side
    int colour;
};

// Worked out from the drawing: the top face is a diamond over the middle,
// the left and right faces below it, the white front edge down the middle.
const Probe kProbes[] = {
    {0.02, 0.02, kNone},    {0.98, 0.98, kNone},  {0.5, 0.99, kNone},  {0.05, 0.5, kNone},
    {0.5, 0.27, kTop},      {0.3, 0.27, kTop},    {0.3, 0.6, kLeft},   {0.2, 0.45, kLeft},
    {0.7, 0.6, kRight},     {0.8, 0.45, kRight},  {0.5, 0.75, kEdge},  {0.5, 0.85, kEdge},
    {0.1, 0.5, kOutline},   {0.9, 0.5, kOutline},
};

using IconSizes = testing::TestWithParam<int>;

TEST_P(IconSizes, FacesEdgesAndOutlineLieWhereTheCornersPutThem)
{
    const int side = GetParam();
    const std::vector<std::uint8_t> pixels = DrawIconIndexed(side);
    const std::vector<std::uint32_t> smooth = DrawIconSmooth(side);
    for (const Probe& p : kProbes) {
        const int x = static_cast<int>(p.x * side), y = static_cast<int>(p.y * side);
        const size_t i = static_cast<size_t>(y) * side + x;
        EXPECT_EQ(pixels[i], p.colour) << "at (" << x << ", " << y << ") of " << side;
        // Away from the lines the smoothed picture is the face's colour, or clear.
        if (side >= 48 && (p.colour >= kTop || p.colour == kNone)) {
            EXPECT_EQ(p.colour ? smooth[i] : smooth[i] >> 24, p.colour ? 0xFF000000u | kIconPalette[p.colour] : 0u)
                << "at (" << x << ", " << y << ")";
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Hicolor, IconSizes, testing::Values(16, 22, 24, 32, 48, 64, 128, 256));

// The window icon's XPM images hold the same pixels, in colours XPM reads.
TEST(WindowIcon, IsTheCubeAtThirtyTwoAndSixteen)
{
    for (auto [side, xpm] : {std::pair{32, MainIcon32()}, std::pair{16, MainIcon16()}}) {
        int w = 0, h = 0, colours = 0, chars = 0;
        ASSERT_EQ(std::sscanf(xpm[0], "%d %d %d %d", &w, &h, &colours, &chars), 4);
        ASSERT_EQ(std::vector<int>({w, h, colours, chars}), std::vector<int>({side, side, kIconColours, 1}));
        EXPECT_EQ(std::string(xpm[1]), "  c None");
        EXPECT_EQ(std::string(xpm[4]), "t c #D8E8FF");
        const std::vector<std::uint8_t> pixels = DrawIconIndexed(side);
        for (int y = 0; y < side; ++y)
            for (int x = 0; x < side; ++x)
                ASSERT_EQ(xpm[1 + colours + y][x], kIconPaletteKeys[pixels[static_cast<size_t>(y) * side + x]])
                    << "(" << x << ", " << y << ") at " << side;
    }
}

}
