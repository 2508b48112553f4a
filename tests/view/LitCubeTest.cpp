// The lit cube, judged by the pixels of real frames against the colour that
// the lamps give the white material at each probed point.
#include "CLightWnd.h"
#include "ViewTestSupport.h"

namespace {

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

TEST_F(LitCubeTest, DenserFogBringsTheCubeNearerToTheFogColour)
{
    const auto fromFog = [this](unsigned char mode, signed char steps) {
        m_w.wnd->SetFog(mode, steps);
        m_w.Draw();
        const Rgb c = m_w.At({-1.5, 1.5, 2.5 - 8});
        return std::abs(c.r - 242) + std::abs(c.g - 242) + std::abs(c.b - 242);   // 0.95 of white
    };
    const int thin = fromFog(1, 2), thick = fromFog(1, 6), none = fromFog(0, 6);
    EXPECT_TRUE(none > thin && thin > thick) << none << " > " << thin << " > " << thick;
}

}
