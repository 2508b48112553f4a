// The lines page's cube, white wire-frame edges over the axes, and the lit
// cube, judged by the pixels of real frames against where the transforms put
// each point and the colour the lamps give the white material there.
#include "CCubeWnd.h"
#include "CLightWnd.h"
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

class LitCubeTest : public testing::Test
{
protected:
    // Draws at angles (ax, ay) and compares what shows at the cube's points (object
    // coordinates, on faces in sight, clear of the axes) with Lit, within 4 for rounding
    // and the Gouraud shading across a face.
    void ExpectLit(double ax, double ay, std::initializer_list<Vec3> points,
                   std::initializer_list<Lamp> lamps)
    {
        m_w.Draw(ax, ay);
        for (const Vec3& p : points)
            EXPECT_TRUE(Looks(m_w.At(SceneEye(p, false, ax, ay)), LitCube(p, ax, ay, lamps), 4))
                << "at (" << p.x << ", " << p.y << ", " << p.z << ")";
    }

    Shown<CLightWnd> m_w;
};

// Each face in turn brought square on to the viewer: the lamps stay with the
// viewer, so every frame shows the same colours at the same pixels. Faces 3
// and 4, and 5 and 6, share a normal, yet each is lit from its own side. Then
// each lamp alone tints the faces at an angle, and with all off the ambient grey stays.
TEST_F(LitCubeTest, LampsStayWithTheViewerAndEveryFaceIsLitFromItsSide)
{
    for (signed char lamp : {kLampRed, kLampGreen, kLampBlue})
        m_w.wnd->SwitchLamp(lamp, 1);
    const std::pair<double, double> fronts[] = {{0, 0}, {0, 180}, {0, -90}, {0, 90}, {-90, 0}, {90, 0}};
    for (const auto& [ax, ay] : fronts) {
        m_w.Draw(ax, ay);
        for (const Vec3& e : {Vec3{-1.5, 1.5, -5.5}, {1.5, 1.5, -5.5}, {-1.5, -0.8, -5.5}, {1.5, -1.5, -5.5}})
            EXPECT_TRUE(Looks(m_w.At(e), Lit(e, {0, 0, 1}, {kRedLamp, kGreenLamp, kBlueLamp}), 4))
                << "angles (" << ax << ", " << ay << ") at " << e.x << ", " << e.y;
    }
    // Turned so that the front, right and top faces are in sight at once.
    const auto points = {Vec3{-1.5, 1.5, 2.5}, Vec3{2.5, 1.5, 0}, Vec3{-1.5, 2.5, 0}};
    const std::pair<signed char, Lamp> lamps[] = {{kLampRed, kRedLamp}, {kLampGreen, kGreenLamp}, {kLampBlue, kBlueLamp}};
    for (const auto& [number, lamp] : lamps) {
        for (const auto& [other, ignored] : lamps)
            m_w.wnd->SwitchLamp(other, other == number);
        ExpectLit(30, -40, points, {lamp});
    }
    m_w.wnd->SwitchLamp(kLampBlue, 0);
    ExpectLit(30, -40, points, {});   // 0.2 grey
}

}
