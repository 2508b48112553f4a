// The icon's two images: the sizes and colour depth the sheet's icon has.
#include "Resources.h"

#include <gtest/gtest.h>
#include <wx/image.h>

#include <cstdio>
#include <cstring>
#include <set>

namespace {

struct XpmHeader
{
    int width = 0, height = 0, colours = 0, charsPerPixel = 0;
};

XpmHeader ReadHeader(const char* const* xpm)
{
    XpmHeader h;
    std::sscanf(xpm[0], "%d %d %d %d", &h.width, &h.height, &h.colours, &h.charsPerPixel);
    return h;
}

void ExpectSixteenColourImage(const char* const* xpm, int size)
{
    ASSERT_NE(xpm, nullptr);
    const XpmHeader h = ReadHeader(xpm);
    EXPECT_EQ(h.width, size);
    EXPECT_EQ(h.height, size);
    EXPECT_GE(h.colours, 2);
    EXPECT_LE(h.colours, 16);

    // Every pixel row has exactly the declared width.
    for (int row = 0; row < h.height; ++row)
        EXPECT_EQ(std::strlen(xpm[1 + h.colours + row]),
                  static_cast<size_t>(h.width * h.charsPerPixel))
            << "row " << row;

    const wxImage image(xpm);
    ASSERT_TRUE(image.IsOk());
    EXPECT_EQ(image.GetWidth(), size);
    EXPECT_EQ(image.GetHeight(), size);

    std::set<long> colours;
    int transparent = 0;
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            if (image.IsTransparent(x, y)) {
                ++transparent;
                continue;
            }
            colours.insert(image.GetRed(x, y) << 16 | image.GetGreen(x, y) << 8 |
                           image.GetBlue(x, y));
        }
    }
    EXPECT_LE(colours.size() + (transparent > 0), 16u);
    // A picture, not a blank or a solid square.
    EXPECT_GE(colours.size(), 3u);
    EXPECT_GT(transparent, 0);
    EXPECT_LT(transparent, size * size / 2);
}

TEST(Icon, LargeImageIs32By32InAtMost16Colours)
{
    ExpectSixteenColourImage(MainIcon32(), 32);
}

TEST(Icon, SmallImageIs16By16InAtMost16Colours)
{
    ExpectSixteenColourImage(MainIcon16(), 16);
}

}
