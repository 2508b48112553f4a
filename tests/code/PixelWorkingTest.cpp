// A pixel worked out against examples worked by hand from OpenGL 1.1's
// formulas, one per stage, on the lighting page's record in the box at
// angles 0 in a 300 x 300 window: the face z = +2.5 faces the viewer, its
// corner (2.5, 2.5, 2.5) at eye (2.5, 2.5, -5.5).
#include "CodeFragment.h"
#include "PixelSteps.h"
#include "SceneTables.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

ViewState Lit300()
{
    ViewState s = LitState(false);
    s.width = s.height = 300;
    return s;
}

// The corner of p at object point (x, y, z), or nullptr.
const CornerWorking* CornerAt(const PixelWorking& p, double x, double y, double z)
{
    for (const CornerWorking& c : p.corners)
        if (c.object.x == x && c.object.y == y && c.object.z == z)
            return &c;
    return nullptr;
}

TEST(PixelWorkingTest, WhereTheCornerGoes)
{
    // Box -6..6 and -20..20: x_ndc = 2.5 / 6, z_ndc = -2 / 40 * -5.5 = 0.275;
    // the viewport maps -1..1 to 0..300 and the depth to 0..1.
    const PixelWorking p = WorkOutPixel(SceneKind::LitCube, Lit300(), {}, 200, 200);
    ASSERT_EQ(p.subject, PixelSubject::Face);
    EXPECT_EQ(p.face, 0);
    const CornerWorking* c = CornerAt(p, 2.5, 2.5, 2.5);
    ASSERT_NE(c, nullptr) << "the pixel lies in the triangle with the upper right corner";
    EXPECT_NEAR(c->eye.z, -5.5, 1e-12);
    EXPECT_NEAR(c->ndc.x, 2.5 / 6, 1e-12);
    EXPECT_NEAR(c->ndc.z, 0.275, 1e-12);
    EXPECT_NEAR(c->window.x, 150 * (1 + 2.5 / 6), 1e-9);
    EXPECT_NEAR(p.depth, 0.6375, 1e-9) << "the face is flat at eye z -5.5";
    EXPECT_FALSE(p.onEdge);
}

TEST(PixelWorkingTest, RedLampAtTheCorner)
{
    // l = (47.5, 47.5, 55.5) / 87.1364, n = (0, 0, 1): n.l = 0.636932;
    // h = l + (0, 0, 1), n.h = 1.636932 / 1.809384 = 0.904691, ^128 = 2.7e-6; red = 0.2 + 0.636932.
    ViewState s = Lit300();
    s.lamp[0] = true;
    const PixelWorking p = WorkOutPixel(SceneKind::LitCube, s, {}, 200, 200);
    const CornerWorking* c = CornerAt(p, 2.5, 2.5, 2.5);
    ASSERT_NE(c, nullptr);
    ASSERT_TRUE(c->lit);
    const LampTerm& red = c->light.lamps[0];
    EXPECT_NEAR(c->light.normal.z, 1, 1e-12) << "turned to the side seen";
    EXPECT_NEAR(red.nDotL, 55.5 / std::sqrt(2 * 47.5 * 47.5 + 55.5 * 55.5), 1e-12);
    EXPECT_NEAR(red.nDotH, 0.904691, 1e-6);
    EXPECT_NEAR(red.highlight, std::pow(0.904691, 128), 1e-7);
    EXPECT_NEAR(c->light.colour[0], double(0.2f) + red.nDotL + red.highlight, 1e-12);
    EXPECT_NEAR(c->light.colour[1], double(0.2f) + red.highlight, 1e-12) << "the highlight is white";
    EXPECT_FALSE(c->light.lamps[1].on);
    EXPECT_EQ(c->light.lamps[1].diffuse[1], 0) << "a lamp off adds nothing";
}

TEST(PixelWorkingTest, ColourFromTheCornersAndTheSplitOfTheQuad)
{
    // In the box the corners' shares are plain barycentric ones; the face is
    // drawn as corners 1, 2, 4 and 2, 3, 4 (OpenGL's split of a quad).
    ViewState s = Lit300();
    s.lamp = {true, true, true};
    const PixelWorking p = WorkOutPixel(SceneKind::LitCube, s, {}, 100, 120);
    ASSERT_EQ(p.subject, PixelSubject::Face);
    const int split[2][3] = {{0, 1, 3}, {1, 2, 3}};
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(p.corners[i].corner, split[p.triangle][i]);
    for (int k = 0; k < 3; ++k) {
        double mixed = 0;
        for (int i = 0; i < 3; ++i)
            mixed += p.weights[i] * p.corners[i].colour[k];
        EXPECT_NEAR(p.colour[k], mixed, 1e-12);
        EXPECT_EQ(p.bytes[k], std::lround(p.colour[k] * 255));
    }
}

TEST(PixelWorkingTest, FogAtTheFace)
{
    // GL_EXP at eye distance 5.5: f = e^(-0.1 * 5.5) = 0.576950.
    ViewState s = Lit300();
    s.fog = true, s.fogDensity = 0.1f;
    const PixelWorking p = WorkOutPixel(SceneKind::LitCube, s, {}, 200, 200);
    EXPECT_NEAR(p.fog.distance, 5.5, 1e-12);
    EXPECT_NEAR(p.fog.factor, std::exp(-double(0.1f) * 5.5), 1e-12);
    EXPECT_NEAR(p.result[0], p.fog.factor * p.colour[0] + (1 - p.fog.factor) * double(0.95f), 1e-12);
    const PixelWorking background = WorkOutPixel(SceneKind::LitCube, s, {}, 2, 2);
    EXPECT_EQ(background.subject, PixelSubject::Background);
    EXPECT_EQ(background.bytes, (std::array<int, 3>{61, 94, 125})) << "the clear colour, no fog";
}

TEST(PixelWorkingTest, TexelsOfGlLinearWithRepeat)
{
    // A 2 x 2 picture: black, red / green, blue (bottom row first). At s, t
    // the four texels round (2s - 0.5, 2t - 0.5) are weighted by nearness.
    const unsigned char rgb[12] = {0, 0, 0, 255, 0, 0, 0, 255, 0, 0, 0, 255};
    ViewState s = Lit300();
    s.whiteLamp = true;
    const PixelWorking p = WorkOutPixel(SceneKind::TexCube, s, {2, 2, rgb}, 200, 200);
    ASSERT_TRUE(p.texture.on);
    const double a = 2 * p.texture.s - 0.5 - std::floor(2 * p.texture.s - 0.5);
    const double b = 2 * p.texture.t - 0.5 - std::floor(2 * p.texture.t - 0.5);
    double weights = 0;
    for (const TexelWorking& t : p.texture.texels)
        weights += t.weight;
    EXPECT_NEAR(weights, 1, 1e-12);
    EXPECT_NEAR(p.texture.texels[3].weight, a * b, 1e-12);
    for (int k = 0; k < 3; ++k)
        EXPECT_NEAR(p.texture.result[k], p.colour[k] * p.texture.texel[k], 1e-12) << "GL_MODULATE";
    // Past the edge the picture repeats: column 2 is column 0.
    for (const TexelWorking& t : p.texture.texels)
        EXPECT_TRUE(t.column >= 0 && t.column < 2 && t.row >= 0 && t.row < 2);
}

TEST(PixelWorkingTest, StepsNameTheirLinesOfTheCode)
{
    ViewState s = Lit300();
    s.lamp[1] = true;
    s.fog = true;
    FragmentInputs in;
    in.kind = SceneKind::LitCube, in.state = s;
    const std::string code = CodeFragment(in);
    const unsigned char seen[3] = {1, 2, 3};
    const PixelWorking p = WorkOutPixel(SceneKind::LitCube, s, {}, 200, 200);
    const std::vector<PixelStep> steps = PixelSteps(SceneKind::LitCube, s, p, seen);
    ASSERT_GE(steps.size(), 5u);
    const auto lineText = [&code](int line) {
        size_t at = 0;
        for (int l = 0; l < line; ++l)
            at = code.find('\n', at) + 1;
        return code.substr(at, code.find('\n', at) - at);
    };
    std::string light;
    for (int line : LinesOfCalls(code, steps[2].calls))
        light += lineText(line) + "\n";
    EXPECT_NE(light.find("glLightfv(GL_LIGHT1, GL_POSITION"), std::string::npos) << light;
    EXPECT_EQ(light.find("GL_LIGHT4"), std::string::npos) << "the lighting page has no white lamp";
    EXPECT_EQ(lineText(LinesOfCalls(code, steps[0].calls).front()), "    glBegin(GL_QUADS);");
    EXPECT_NE(steps.back().text.find("1, 2, 3"), std::string::npos) << steps.back().text;
}

}
