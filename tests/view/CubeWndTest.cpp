#include "CCubeWnd.h"
#include "ViewTestSupport.h"

#include <GL/gl.h>

namespace {

using Cube = ShownWindow<CCubeWnd>;

TEST(CubeTest, CreationSmoothsBuildsListOneAndStartsTheTimer)
{
    Cube c;
    ASSERT_TRUE(c.wnd->IsContextCurrent());
    EXPECT_TRUE(c.wnd->IsAnimating());
    EXPECT_TRUE(glIsList(1));
    EXPECT_TRUE(glIsEnabled(GL_LINE_SMOOTH));
    EXPECT_TRUE(glIsEnabled(GL_BLEND));
    EXPECT_FALSE(glIsEnabled(GL_DEPTH_TEST));
    EXPECT_FALSE(glIsEnabled(GL_LIGHTING));
    GLint mode[2] = {};
    glGetIntegerv(GL_POLYGON_MODE, mode);
    EXPECT_EQ(mode[0], GL_LINE);
    EXPECT_EQ(mode[1], GL_LINE);
}

TEST(CubeTest, WhiteEdgesShowInFrontOfTheAxes)
{
    Cube c;
    c.wnd->SetAngles(0, 0);
    c.wnd->SetLineSmoothing(false);   // plain 1-pixel lines in pure colours
    c.wnd->DrawScene();
    const int w = c.Width(), h = c.Height();
    const auto cube = [&](double x, double y) { return ToWindow(ScenePoint({x, y, 2.5}, 1, false), false, w, h); };

    // At angles (0, 0) the box shows the cube as the square +-2.5.
    for (const auto& [x, y] : {std::pair{2.5, 2.5}, {-2.5, 2.5}, {-2.5, -2.5}, {2.5, 1.0}}) {
        const Pixel p = cube(x, y);
        EXPECT_TRUE(ColourNear(p.x, p.y, 1, kWhite)) << x << "," << y;
    }
    // The x axis meets the cube's right edge where it reaches x = 2.5.
    const double angle = 30 * kPi / 180, tilt = 20 * kPi / 180;
    const double t = 2.0 / std::cos(angle);
    const double y = -0.5 - t * std::sin(angle) * std::sin(tilt);
    const Pixel cross = cube(2.5, y);
    EXPECT_TRUE(Near(ReadBackPixel(int(cross.x), int(cross.y)), kWhite, 2))
        << ReadBackPixel(int(cross.x), int(cross.y));
    // The axis shows inside the cube and beyond it.
    for (double s : {0.4 * t, 1.5 * t}) {
        const Pixel p = ToWindow(AxesPoint({s, 0, 0}, false), false, w, h);
        EXPECT_TRUE(ColourNear(p.x, p.y, 1, kRed)) << s;
    }
}

// Pixels that differ from the background along the row at y = 1.5 between
// x = 1.5 and x = 3.5: there the cube's right edge is the only line.
int EdgeWidth(const Cube& c)
{
    const int w = c.Width(), h = c.Height();
    const Pixel from = ToWindow(ScenePoint({1.5, 1.5, 0}, 1, false), false, w, h);
    const Pixel to = ToWindow(ScenePoint({3.5, 1.5, 0}, 1, false), false, w, h);
    int n = 0;
    for (int x = int(from.x); x <= int(to.x); ++x)
        n += !Near(ReadBackPixel(x, int(from.y)), kBackground, 2);
    return n;
}

TEST(CubeTest, SmoothingOffNarrowsTheEdgesToOnePixel)
{
    Cube c;
    c.wnd->SetAngles(0, 0);
    c.wnd->DrawScene();
    EXPECT_GE(EdgeWidth(c), 2);
    c.wnd->SetLineSmoothing(false);
    c.wnd->DrawScene();
    EXPECT_EQ(EdgeWidth(c), 1);
    c.wnd->SetLineSmoothing(true);
    c.wnd->DrawScene();
    EXPECT_GE(EdgeWidth(c), 2);
}

TEST(CubeTest, PerspectiveHalvesTheSizeAndTheSizeFactorsScale)
{
    Cube c;
    c.wnd->SetAngles(0, 0);
    c.wnd->SetLineSmoothing(false);
    const int w = c.Width(), h = c.Height();
    const auto at = [&](const Vec3& p, double s, bool perspective) {
        return ToWindow(ScenePoint(p, s, perspective), perspective, w, h);
    };

    c.wnd->SetProjection(2);
    c.wnd->DrawScene();
    for (double z : {2.5, -2.5}) {   // front and back faces differ in size
        const Pixel p = at({2.5, 1.0, z}, 1, true);
        EXPECT_TRUE(ColourNear(p.x, p.y, 1, kWhite)) << z;
    }
    const Pixel mid = at({2.5, 1.0, 0}, 1, true);
    EXPECT_TRUE(Near(ReadBackPixel(int(mid.x), int(mid.y)), kBackground, 2));

    c.wnd->ScaleBySteps(2, 2);
    c.wnd->SetProjection(1);
    c.wnd->DrawScene();
    const Pixel grown = at({2.5, 1.0, 2.5}, 1.21, false), old = at({2.5, 1.0, 2.5}, 1, false);
    EXPECT_TRUE(ColourNear(grown.x, grown.y, 1, kWhite));
    EXPECT_FALSE(ColourNear(old.x, old.y, 1, kWhite));
}

}
