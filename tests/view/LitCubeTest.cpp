// The lit cube, judged by the pixels of real frames: each probe is compared
// with the colour that the lamps and the white material give at that point.
#include "CLightWnd.h"
#include "LitScenes.h"

#include <gtest/gtest.h>

namespace {

using namespace litscenes;

constexpr int kTolerance = 4;   // rounding and Gouraud shading over a face

// Turned so that the front, right and top faces are in sight at once.
constexpr Pose kCorner{30, -40};

struct Probe
{
    const Face* face;
    double u, v;
};

const Probe kCornerProbes[] = {
    {&kFront, -0.6, 0.6},
    {&kRight, 0.0, 0.6},
    {&kTop, -0.6, 0.0},
};

class LitCubeTest : public testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(m_wnd.WaitForSetUp()); }

    void ExpectLitAs(const Pose& pose, std::initializer_list<Lamp> lamps,
                     std::initializer_list<Probe> probes)
    {
        m_wnd.Draw(pose);
        for (const Probe& p : probes)
            EXPECT_TRUE(Near(m_wnd.At(pose, *p.face, p.u, p.v),
                             ToRgb(ExpectedLit(pose, *p.face, p.u, p.v, lamps)), kTolerance))
                << "at (" << p.u << ", " << p.v << ") of the face with outward normal ("
                << p.face->outward.x << ", " << p.face->outward.y << ", " << p.face->outward.z
                << "): " << m_wnd.At(pose, *p.face, p.u, p.v);
    }

    SceneWindow<CLightWnd> m_wnd;
};

TEST_F(LitCubeTest, StartsTurningWithAllLampsOffAndEveryFaceTheAmbientGrey)
{
    EXPECT_TRUE(m_wnd.TurningAtSetUp());
    EXPECT_FALSE(glIsEnabled(GL_LIGHT0) || glIsEnabled(GL_LIGHT1) || glIsEnabled(GL_LIGHT2));
    m_wnd.Draw(kCorner);
    for (const Probe& p : kCornerProbes)
        EXPECT_TRUE(Near(m_wnd.At(kCorner, *p.face, p.u, p.v), Rgb{51, 51, 51}, 2))
            << m_wnd.At(kCorner, *p.face, p.u, p.v);
}

TEST_F(LitCubeTest, EachLampAloneTintsTheFacesItsColour)
{
    const struct
    {
        signed char number;
        Lamp lamp;
    } lamps[] = {{1, kRed}, {2, kGreen}, {3, kBlue}};

    for (const auto& l : lamps) {
        SCOPED_TRACE(testing::Message() << "lamp " << int(l.number));
        // The probes see the lamp: its own channel is well above the grey,
        // the other two stay at it.
        double brightest = 0;
        for (const Probe& p : kCornerProbes)
            brightest = std::max(brightest, Dot(ExpectedLit(kCorner, *p.face, p.u, p.v, {l.lamp}),
                                                l.lamp.colour));
        ASSERT_GT(brightest, 0.6);

        m_wnd->SwitchLamp(l.number, 1);
        ExpectLitAs(kCorner, {l.lamp}, {kCornerProbes[0], kCornerProbes[1], kCornerProbes[2]});
        m_wnd->SwitchLamp(l.number, 0);
    }
}

TEST_F(LitCubeTest, HighlightsAreWhite)
{
    // Turned so that the front face mirrors the red lamp towards the viewer.
    const Pose mirror{-18, 18};
    ASSERT_GT(ExpectedLit(mirror, kFront, -0.5, 0.5, {kRed}).y, 1.0);

    m_wnd->SwitchLamp(1, 1);
    m_wnd.Draw(mirror);
    EXPECT_TRUE(Near(m_wnd.At(mirror, kFront, -0.5, 0.5), Rgb{255, 255, 255}, 2))
        << m_wnd.At(mirror, kFront, -0.5, 0.5);
}

// Every face in turn is brought in front of the viewer; if the lamps stayed
// with the viewer, every frame shows the same picture at the same pixels.
TEST_F(LitCubeTest, LampsStayWithTheViewerWhileTheCubeTurns)
{
    for (signed char lamp = 1; lamp <= 3; ++lamp)
        m_wnd->SwitchLamp(lamp, 1);

    const Vec3 spots[] = {{-1.5, 1.5, 0}, {1.5, 1.5, 0}, {-1.5, -0.8, 0}, {1.5, -1.5, 0}};
    Rgb expected[4];
    for (int i = 0; i < 4; ++i) {
        const Vec3 eye{spots[i].x, spots[i].y, kHalf - 8};
        ASSERT_TRUE(ClearOfAxes(eye));
        expected[i] = ToRgb(Lit(eye, {0, 0, 1}, {kRed, kGreen, kBlue}));
    }

    const struct
    {
        Pose pose;
        const char* face;
    } fronts[] = {
        {{0, 0}, "face 1"},   {{0, 180}, "face 2"}, {{0, -90}, "face 3"},
        {{0, 90}, "face 4"},  {{-90, 0}, "face 5"}, {{90, 0}, "face 6"},
    };
    for (const auto& f : fronts) {
        m_wnd.Draw(f.pose);
        for (int i = 0; i < 4; ++i) {
            const Pixel px = ToPixel({spots[i].x, spots[i].y, kHalf - 8});
            const Rgb seen = ReadBackPixel(px.x, px.y);
            EXPECT_TRUE(Near(seen, expected[i], kTolerance))
                << f.face << " in front, at (" << spots[i].x << ", " << spots[i].y
                << "): " << seen << ", expected " << expected[i];
        }
    }
}

// Faces 3 and 4 share one normal, and so do faces 5 and 6; two-sided
// lighting must still light each of them as a face turned to the viewer.
TEST_F(LitCubeTest, FacesSharingANormalAreLitFromEitherSide)
{
    for (signed char lamp = 1; lamp <= 3; ++lamp)
        m_wnd->SwitchLamp(lamp, 1);
    const auto all = {kRed, kGreen, kBlue};

    ExpectLitAs({0, -40}, all, {{&kRight, 0.0, 0.5}, {&kRight, -0.5, 0.2}, {&kRight, 0.5, -0.6}});
    ExpectLitAs({0, 40}, all, {{&kLeft, 0.0, 0.5}, {&kLeft, 0.5, 0.0}, {&kLeft, -0.5, -0.5}});
    ExpectLitAs({40, 0}, all, {{&kTop, -0.5, 0.0}, {&kTop, 0.6, 0.5}, {&kTop, 0.0, -0.6}});
    ExpectLitAs({-40, 0}, all, {{&kBottom, 0.0, -0.5}, {&kBottom, 0.6, 0.3}, {&kBottom, -0.6, -0.3}});
}

TEST_F(LitCubeTest, DenserFogBringsThePictureNearerToTheFogColour)
{
    const Pose pose{0, 0};
    const Rgb fogColour{242, 242, 242};   // 0.95 of white
    const Probe probe{&kFront, -0.6, 0.6};
    const Vec3 eye = ToEye(pose, kFront.At(probe.u, probe.v));
    const Vec3 unfogged = ExpectedLit(pose, kFront, probe.u, probe.v, {});

    m_wnd->SetFog(1, 2);
    m_wnd.Draw(pose);
    const Rgb thin = m_wnd.At(pose, kFront, probe.u, probe.v);
    EXPECT_TRUE(Near(thin, ToRgb(Fogged(unfogged, 0.2, eye)), kTolerance)) << thin;

    m_wnd->SetFog(1, 6);
    m_wnd.Draw(pose);
    const Rgb thick = m_wnd.At(pose, kFront, probe.u, probe.v);
    EXPECT_TRUE(Near(thick, ToRgb(Fogged(unfogged, 0.6, eye)), kTolerance)) << thick;
    EXPECT_LT(Distance2(thick, fogColour), Distance2(thin, fogColour)) << thin << " " << thick;

    m_wnd->SetFog(0, 6);
    m_wnd.Draw(pose);
    EXPECT_TRUE(Near(m_wnd.At(pose, kFront, probe.u, probe.v), ToRgb(unfogged), 2));
}

}
