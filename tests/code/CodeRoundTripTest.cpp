// Any record's fragment read back against a window showing another record
// gives the first record's printed values, and prints as the same text.
#include "CodeEditSupport.h"
#include "CodeEditTable.h"
#include "TextureTables.h"

#include <random>
#include <set>

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

void RandomSwitches(Random& r, ViewState& s)
{
    s.lamp = {r.Coin(), r.Coin(), r.Coin()};
    for (bool* f : {&s.fog, &s.lineSmoothing, &s.perspective, &s.filled, &s.blend, &s.normalize, &s.autoNormal,
                    &s.alphaTest, &s.colourMaterial, &s.depthTest, &s.lighting, &s.whiteLamp})
        *f = r.Coin();
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
    s.minFilter = kFilters[r.Int(0, 5)].glEnum, s.magFilter = kFilters[r.Int(0, 1)].glEnum;
    s.wrapS = kWraps[r.Int(0, 1)].glEnum, s.wrapT = kWraps[r.Int(0, 1)].glEnum;
    s.envMode = kEnvModes[r.Int(0, 3)].glEnum, s.envColour = r.Colour();
    s.texFrom = {r.Float(-2, 2), r.Float(-2, 2)}, s.texTo = {r.Float(-4, 4), r.Float(-4, 4)};
    return s;
}

// s where its fragment prints it, base where it does not.
ViewState Expected(const ViewState& s, const ViewState& base, SceneKind kind, bool picture)
{
    ViewState e = s;
    if (kind != SceneKind::LitCube && kind != SceneKind::TexCube) {
        e.lamp = base.lamp, e.fog = base.fog, e.fogColour = base.fogColour, e.fogDensity = base.fogDensity;
        e.normalize = base.normalize, e.autoNormal = base.autoNormal, e.alphaTest = base.alphaTest;
        e.colourMaterial = base.colourMaterial;
        e.lampDiffuse = base.lampDiffuse, e.lampSpecular = base.lampSpecular, e.lampPosition = base.lampPosition;
        e.materialSpecular = base.materialSpecular, e.shininess = base.shininess;
    }
    if (kind != SceneKind::TexCube)
        e.whiteLamp = base.whiteLamp, e.lampDiffuse[3] = base.lampDiffuse[3], e.lampSpecular[3] = base.lampSpecular[3];
    if (kind != SceneKind::TexCube || !picture) {
        e.minFilter = base.minFilter, e.magFilter = base.magFilter, e.wrapS = base.wrapS, e.wrapT = base.wrapT;
        e.envMode = base.envMode, e.envColour = base.envColour, e.texFrom = base.texFrom, e.texTo = base.texTo;
    }
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
        RandomSwitches(r, s);
        RandomSwitches(r, base);
        if (n % 2)
            base.perspective = s.perspective;   // half the cases: the same lines
        base.width = s.width = r.Int(1, 2000);
        base.height = s.height = r.Int(1, 2000);
        base.aspect = s.aspect = double(s.width) / s.height;
        base.pixelScale = s.pixelScale = float(r.Int(1, 2));
        const std::string text = CodeFragment(InputsOf(kind, s, picture));
        ViewState out;
        CodeEditError error;
        ASSERT_TRUE(ReadFragment(text, InputsOf(kind, base, picture), out, error))
            << n << ": " << error.reason << " at " << text.substr(std::max(error.offset, 0), 60);
        EXPECT_TRUE(out == Expected(s, base, kind, picture)) << n;
        EXPECT_EQ(CodeFragment(InputsOf(kind, out, picture)), text) << n;
    }
}

}

// Every call the edit table names is one the printer writes and the reader
// then lets change: a misspelt row would leave its call fixed without a word.
TEST(CodeRoundTripTest, EveryCallOfTheEditTableIsPrintedAndEditable)
{
    std::set<std::string> editable;
    for (SceneKind kind : {SceneKind::WireCube, SceneKind::LitCube, SceneKind::TexCube})
        for (bool perspective : {false, true}) {
            ViewState s = kind == SceneKind::WireCube ? ViewState() : LitState(kind == SceneKind::TexCube);
            s.perspective = perspective;
            const std::string text = CodeFragment(InputsOf(kind, s));
            std::vector<CodeItem> items;
            std::vector<unsigned> mask;
            CodeError error;
            ASSERT_TRUE(ReadCode(text, items, error));
            ASSERT_TRUE(ApplyEdits(items, s, mask, error, nullptr));
            for (size_t i = 0; i < items.size(); ++i)
                if (mask[i])
                    editable.insert(std::string(items[i].name));
        }
    for (std::string_view call : EditableCalls())
        EXPECT_TRUE(editable.count(std::string(call))) << call;
}
