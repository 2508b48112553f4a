// The textured cube, judged by the pixels of real frames. Each test writes
// its own "logo.bmp" into a fresh working directory before the window reads it.
#include "CTexWnd.h"
#include "Notice.h"
#include "RgbImage.h"
#include "ViewTestSupport.h"

#include <wx/image.h>

#include <memory>

namespace {

int g_notices = 0;   // counted from each test's start

class TexCubeTest : public testing::Test
{
protected:
    TexCubeTest() { g_notices = 0; }
    ~TexCubeTest() override { SetNoticeHandler(m_oldHandler); }

    // Writes a 24-bit "logo.bmp" of colour(x, y), y = 0 the bottom row, and
    // shows the window, which reads it at its set-up.
    template <class Colour>
    void ShowPicture(int width, int height, Colour colour)
    {
        wxImage image(width, height);
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x)
                image.SetRGB(x, height - 1 - y, colour(x, y).r, colour(x, y).g, colour(x, y).b);
        ASSERT_TRUE(image.SaveFile("logo.bmp", wxBITMAP_TYPE_BMP));
        m_w = std::make_unique<Shown<CTexWnd>>();
        const RgbImage* picture = m_w->wnd->Image();
        ASSERT_NE(picture, nullptr);
        EXPECT_EQ(std::pair(picture->width, picture->height), std::pair(width, height));
        EXPECT_EQ(g_notices, 0);
    }

    // The picture's point (s, t) on the front face at (0, 0), whose vertex 1 is its upper right
    // corner, 2 the lower right and 4 the upper left; the white lamp and the ambient light
    // saturate, so the texel shows as is.
    Rgb PictureAt(double s, double t) const { return m_w->At({2.5 - 5 * t, 2.5 - 5 * s, 2.5 - 8}); }

    NoticeHandler m_oldHandler = SetNoticeHandler([](const DibFailure&) { ++g_notices; });
    ScratchDir m_dir;   // left only once the window is gone
    std::unique_ptr<Shown<CTexWnd>> m_w;
};

TEST_F(TexCubeTest, PictureLowerLeftSitsAtVertexOneAndTheAxesStayRed)
{
    // One colour to a quadrant, none with any red: axes textured with it
    // would lose theirs.
    const Rgb quadrant[2][2] = {{{0, 255, 255}, {0, 255, 0}}, {{0, 0, 255}, {0, 128, 128}}};
    ASSERT_NO_FATAL_FAILURE(ShowPicture(4, 4, [&](int x, int y) { return quadrant[y / 2][x / 2]; }));
    glBindTexture(GL_TEXTURE_2D, 0);   // list 1 binds the picture's own texture
    m_w->Draw();
    m_w->Draw();   // the axes come before the list: the last frame's must not texture them
    EXPECT_FALSE(glIsEnabled(GL_TEXTURE_2D));
    for (int upper : {0, 1})
        for (int right : {0, 1})   // the pure middle of each quadrant
            EXPECT_TRUE(Looks(PictureAt(0.3 + 0.4 * right, 0.3 + 0.4 * upper), quadrant[upper][right], 3))
                << "quadrant " << upper << right;

    // Some pixel near the y axis above the cube is red, if dimmed by the lighting.
    const auto red = [](const Rgb& c) { return c.r > 80 && c.g < 10 && c.b < 10; };
    EXPECT_TRUE(m_w->Shows(m_w->Where(AxesEye({0, 4.5, 0}, false)), red, 4));
}

TEST_F(TexCubeTest, RowsOfAnOddWidthPictureAreNotSkewed)
{
    // Rows of 5 pixels of 3 bytes: read as padded to 4, each row would start
    // one byte later than the last, turning the colours from row 1 on.
    const Rgb orange{255, 128, 0}, violet{128, 0, 255};
    const auto colour = [&](int x, int) { return x < 2 ? orange : x > 2 ? violet : Rgb{0, 255, 0}; };
    ASSERT_NO_FATAL_FAILURE(ShowPicture(5, 4, colour));
    m_w->Draw();
    for (double t : {0.125, 0.375, 0.625, 0.875})   // the middle of each row
        for (double s : {0.2, 0.8})                   // columns 0 and 1, 3 and 4
            EXPECT_TRUE(Looks(PictureAt(s, t), s < 0.5 ? orange : violet, 3)) << s << ", " << t;
}

// GL_MODULATE: at an angle, under the coloured lamps, each face shows its lit
// colour times the texel, not the texel alone.
TEST_F(TexCubeTest, LampsShadeThePictureAtAnAngle)
{
    const Rgb texel{200, 160, 120};
    ASSERT_NO_FATAL_FAILURE(ShowPicture(4, 4, [&](int, int) { return texel; }));
    m_w->wnd->SwitchLamp(kLampRed, 1);
    m_w->wnd->SwitchLamp(kLampGreen, 1);
    m_w->Draw(0, -40);
    for (const Vec3& p : {Vec3{-0.75, 1.5, 2.5}, Vec3{2.5, 1.5, -0.75}}) {
        const Rgb lit = LitCube(p, 0, -40, {kWhiteLamp, kRedLamp, kGreenLamp});
        const auto times = [](int a, int b) { return int(std::lround(a * b / 255.0)); };
        const Rgb expected{times(lit.r, texel.r), times(lit.g, texel.g), times(lit.b, texel.b)};
        EXPECT_TRUE(Looks(m_w->At(SceneEye(p, false, 0, -40)), expected, 3)) << p.x;
    }
}

// A checkerboard of single texels, many to a pixel: the linear minifying
// filter mixes each pixel from four texels, an even grey without the
// nearest texel's black and white speckle.
TEST_F(TexCubeTest, AFinePictureShownSmallerComesOutGrey)
{
    const Rgb black{0, 0, 0}, white{255, 255, 255};
    ASSERT_NO_FATAL_FAILURE(ShowPicture(1024, 1024, [&](int x, int y) { return (x + y) % 2 ? white : black; }));
    m_w->Draw();
    const wxRealPoint centre = m_w->Where({0, 0, 2.5 - 8});
    double sum = 0, squares = 0, n = 0;
    m_w->Shows(centre, [&](Rgb c) { return sum += c.g, squares += c.g * c.g, ++n, false; }, 10);
    const double mean = sum / n, spread = std::sqrt(squares / n - mean * mean);
    EXPECT_NEAR(mean, 127.5, 20);
    EXPECT_LT(spread, 70) << "mean " << mean;
}

// No picture (the loader's own tests cover the kinds of bad file): its one
// notice, then a live window with a plain white cube, lit as usual.
TEST_F(TexCubeTest, WithoutAPictureGivesOneNoticeAndAPlainLitCube)
{
    m_w = std::make_unique<Shown<CTexWnd>>();
    EXPECT_EQ(g_notices, 1);
    EXPECT_EQ(m_w->wnd->Image(), nullptr);
    m_w->Draw(0, -40);
    for (const Vec3& p : {Vec3{-0.75, 1.5, 2.5}, Vec3{2.5, 1.5, -0.75}})
        EXPECT_TRUE(Looks(m_w->At(SceneEye(p, false, 0, -40)), LitCube(p, 0, -40, {kWhiteLamp}), 3)) << p.x;
}

}
