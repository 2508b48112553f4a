// The lines page's cube: white wire-frame edges drawn over the axes.
#include "CCubeWnd.h"
#include "ViewTestSupport.h"

namespace {

// Pixels off the background along the row at y = 1.5 from x = 1.5 to 3.5:
// at angles (0, 0) the cube's right edge is the only line there.
int EdgeWidth(const Shown<CCubeWnd>& c)
{
    const wxRealPoint from = c.Where(SceneEye({1.5, 1.5, 0}, false));
    const wxRealPoint to = c.Where(SceneEye({3.5, 1.5, 0}, false));
    int n = 0;
    for (int x = int(from.x); x <= int(to.x); ++x)
        n += !Near(ReadBackPixel(x, int(from.y)), kBackground, 2);
    return n;
}

TEST(CubeTest, WhiteEdgesShowOverTheAxesSmoothingWidensThemAndPerspectiveHalvesThem)
{
    Shown<CCubeWnd> c;
    c.Draw();
    EXPECT_GE(EdgeWidth(c), 2);
    c.wnd->SetLineSmoothing(false);   // plain 1-pixel lines in pure colours
    c.Draw();
    EXPECT_EQ(EdgeWidth(c), 1);

    for (const Vec3& p : {Vec3{2.5, 2.5, 2.5}, {-2.5, 2.5, 2.5}, {-2.5, -2.5, 2.5}, {2.5, 1.0, 2.5}})
        EXPECT_TRUE(c.Shows(SceneEye(p, false), kWhite)) << p.x << "," << p.y;
    // Where the x axis crosses the right edge (x = 2.5) the edge, drawn later
    // with no depth test, shows; the axis shows inside the cube and beyond it.
    const double t = 2.0 / std::cos(30 * kPi / 180);
    EXPECT_TRUE(Looks(c.At(AxesEye({t, 0, 0}, false)), kWhite, 2));
    for (double s : {0.4 * t, 1.5 * t})
        EXPECT_TRUE(c.Shows(AxesEye({s, 0, 0}, false), kRed)) << s;

    c.wnd->SetProjection(2);
    c.Draw();
    for (double z : {2.5, -2.5})   // the nearer and the farther face
        EXPECT_TRUE(c.Shows(SceneEye({2.5, 1.0, z}, true), kWhite)) << z;
    EXPECT_TRUE(Near(c.At(SceneEye({2.5, 1.0, 0}, true)), kBackground, 2));

    c.wnd->ScaleBySteps(2, 2);   // and the size factors scale them
    c.wnd->SetProjection(1);
    c.Draw();
    EXPECT_TRUE(c.Shows(SceneEye({2.5, 1.0, 2.5}, false, 0, 0, 1.21), kWhite));
    EXPECT_FALSE(c.Shows(SceneEye({2.5, 1.0, 2.5}, false), kWhite));
}

}
