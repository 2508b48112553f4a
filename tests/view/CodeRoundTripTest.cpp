// Any record's fragment read back against a window showing another record
// gives the first record's printed values, and prints as the same text.
#include "CodeEditSupport.h"

#include <random>

namespace {

class Random
{
public:
    double Real(double from, double to) { return std::uniform_real_distribution<double>(from, to)(m_gen); }
    float Float(float from, float to) { return float(Real(from, to)); }
    bool Coin() { return m_gen() & 1; }
    int Int(int from, int to) { return std::uniform_int_distribution<int>(from, to)(m_gen); }
    Rgba Colour() { return {Float(0, 1), Float(0, 1), Float(0, 1), Float(0, 1)}; }

private:
    std::mt19937 m_gen{19};
};

void RandomSwitches(Random& r, SceneKind kind, ViewState& s)
{
    const bool lit = kind == SceneKind::LitCube || kind == SceneKind::TexCube;
    s.lamp = {r.Coin(), r.Coin(), r.Coin()};
    s.fog = lit && r.Coin();
    s.lineSmoothing = r.Coin();
    s.perspective = r.Coin();
    s.filled = lit;
    s.blend = lit || s.lineSmoothing;   // as the pages set them
}

ViewState RandomNumbers(Random& r, SceneKind kind)
{
    ViewState s = LitState(kind == SceneKind::TexCube);
    if (kind == SceneKind::WireCube || kind == SceneKind::Bare)
        s = ViewState();
    s.angleX = r.Real(0, 360);
    s.angleY = r.Real(0, 360);
    s.scaleX = r.Float(0.05f, 20), s.scaleY = r.Float(0.05f, 20), s.scaleZ = r.Float(0.05f, 20);
    s.lineWidth = r.Float(0.25f, 8);
    const double left = r.Real(-10, 10), bottom = r.Real(-10, 10), zNear = r.Real(0.01, 5);
    s.ortho = {left, left + r.Real(0.1, 20), bottom, bottom + r.Real(0.1, 20), r.Real(-50, 0), r.Real(1, 50)};
    s.frustum = {r.Real(1, 179), zNear, zNear + r.Real(0.1, 200)};
    s.clearColour = r.Colour();
    s.fogColour = r.Colour();
    s.fogDensity = r.Float(0, 3);
    for (int i = 0; i < 4; ++i)
        s.lampDiffuse[i] = r.Colour(), s.lampSpecular[i] = r.Colour();
    for (Rgba& p : s.lampPosition)
        p = {r.Float(-100, 100), r.Float(-100, 100), r.Float(-100, 100), float(r.Int(0, 1))};
    s.materialSpecular = r.Colour();
    s.shininess = r.Float(0, 128);
    return s;
}

// s where its fragment prints it, base where it does not.
ViewState Expected(const ViewState& s, const ViewState& base, SceneKind kind)
{
    const bool lit = kind == SceneKind::LitCube || kind == SceneKind::TexCube;
    ViewState e = s;
    if (!lit) {
        e.lamp = base.lamp, e.fog = base.fog;
        e.materialSpecular = base.materialSpecular, e.shininess = base.shininess;
    }
    for (int i = 0; i < 3; ++i)
        if (!lit || !s.lamp[i])
            e.lampDiffuse[i] = base.lampDiffuse[i], e.lampSpecular[i] = base.lampSpecular[i],
            e.lampPosition[i] = base.lampPosition[i];
    if (kind != SceneKind::TexCube)
        e.lampDiffuse[3] = base.lampDiffuse[3], e.lampSpecular[3] = base.lampSpecular[3];
    if (!lit || !s.fog)
        e.fogColour = base.fogColour, e.fogDensity = base.fogDensity;
    if (e.perspective)
        e.ortho = base.ortho;
    else
        e.frustum = base.frustum;
    return e;
}

TEST(CodeRoundTripTest, AnyRecordReadsBackFromItsFragmentAndPrintsTheSame)
{
    Random r;
    const SceneKind kinds[4] = {SceneKind::Bare, SceneKind::WireCube, SceneKind::LitCube, SceneKind::TexCube};
    for (int n = 0; n < 200; ++n) {
        const SceneKind kind = kinds[n % 4];
        const bool picture = r.Coin();
        ViewState s = RandomNumbers(r, kind), base = RandomNumbers(r, kind);
        RandomSwitches(r, kind, s);
        RandomSwitches(r, kind, base);
        if (n % 2)
            base.lamp = s.lamp, base.fog = s.fog, base.lineSmoothing = s.lineSmoothing, base.blend = s.blend,
            base.perspective = s.perspective;   // half the cases: only the numbers differ
        base.width = s.width = r.Int(1, 2000);
        base.height = s.height = r.Int(1, 2000);
        base.aspect = s.aspect = double(s.width) / s.height;
        base.pixelScale = s.pixelScale = float(r.Int(1, 2));
        const std::string text = CodeFragment(InputsOf(kind, s, picture));
        ViewState out;
        CodeEditError error;
        ASSERT_TRUE(ReadFragment(text, InputsOf(kind, base, picture), out, error))
            << n << ": " << error.reason << " at " << text.substr(std::max(error.offset, 0), 60);
        EXPECT_TRUE(out == Expected(s, base, kind)) << n;
        EXPECT_EQ(CodeFragment(InputsOf(kind, out, picture)), text) << n;
    }
}

}
