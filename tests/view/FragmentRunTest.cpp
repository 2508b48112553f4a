// The fragment is the truth: each page's fragment, compiled with the system's
// C compiler and run in an offscreen context, draws what the window draws;
// and the fragment of any state of the controls compiles, with no number a
// compiler would not take.
#include "CCubeWnd.h"
#include "CLightWnd.h"
#include "CTexWnd.h"
#include "RgbImage.h"
#include "ViewCode.h"
#include "TextureTables.h"
#include "ViewTestSupport.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <random>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

namespace {

// Builds the fragment with the harness and runs it at the window's size;
// the colours it reads at the points, or none when it did not build or run.
std::vector<Rgb> RunFragment(const FragmentInputs& in, const std::string& fragment, const RgbImage* picture,
                             const std::vector<wxPoint>& points)
{
    if (picture)
        std::ofstream("picture.raw", std::ios::binary)
            .write(reinterpret_cast<const char*>(picture->pixels), 3L * picture->width * picture->height);
    if (!BuildFragment(fragment, picture).empty())
        return {};
    std::ostringstream run;
    run << "./run " << in.state.width << ' ' << in.state.height << " picture.raw";
    for (const wxPoint& p : points)
        run << ' ' << p.x << ' ' << p.y;
    run << " > probes.txt";
    if (std::system(run.str().c_str()) != 0)
        return {};
    std::vector<Rgb> seen;
    std::ifstream probes("probes.txt");
    for (Rgb c; probes >> c.r >> c.g >> c.b;)
        seen.push_back(c);
    return seen;
}

struct Case
{
    const char* page;
    std::function<void(COpenGLWnd*)> set;   // the controls' settings
    std::vector<Vec3> points;               // object coordinates of the probes
};

template <class W>
void ExpectFragmentDrawsAsTheWindow(const Case& c)
{
    const double ax = 30, ay = -40;   // where the turning stops
    ScratchDir scratch;
    std::filesystem::copy_file(SAMPLES_SOURCE_LOGO, "logo.bmp");
    Shown<W> shown;
    c.set(shown.wnd);
    shown.Draw(ax, ay);
    FragmentInputs in;
    ASSERT_TRUE(ReadFragmentInputs(*shown.wnd, in));
    std::vector<wxPoint> points;
    for (const Vec3& p : c.points) {
        const wxRealPoint at = shown.Where(SceneEye(p, in.state.perspective, ax, ay, in.state.scaleX));
        points.emplace_back(int(at.x), int(at.y));
    }
    points.emplace_back(3, 3);   // the background
    const RgbImage* picture = nullptr;
    if constexpr (std::is_same_v<W, CTexWnd>) picture = shown.wnd->Image();

    const std::vector<Rgb> seen = RunFragment(in, CodeFragment(in), picture, points);
    ASSERT_EQ(seen.size(), points.size()) << c.page << ": the fragment did not build or run";
    int drawn = 0;
    const Rgb background = ReadBackPixel(3, 3);
    for (size_t i = 0; i < points.size(); ++i) {
        const Rgb own = ReadBackPixel(points[i].x, points[i].y);
        drawn += !Near(own, background, 2);
        EXPECT_TRUE(Looks(seen[i], own, 2)) << c.page << " at (" << points[i].x << ", " << points[i].y << ")";
    }
    EXPECT_EQ(drawn, int(c.points.size())) << c.page << ": a probe missed the cube";
}

TEST(FragmentRunTest, EachPagesFragmentDrawsWhatItsWindowDraws)
{
    const std::vector<Vec3> corners{{2.5, 2.5, 2.5}, {-2.5, 2.5, 2.5}, {2.5, -2.5, -2.5}, {-2.5, -2.5, 2.5}};
    const std::vector<Vec3> faces{{-1.5, 1.5, 2.5}, {2.5, 1.5, 0}, {-1.5, 2.5, 0}, {0.5, -0.5, 2.5}};
    ExpectFragmentDrawsAsTheWindow<CCubeWnd>({"lines", [](COpenGLWnd* w) { w->ScaleBySteps(1, kScaleSmaller); }, corners});
    ExpectFragmentDrawsAsTheWindow<CLightWnd>({"lighting", [](COpenGLWnd* w) {
        for (signed char lamp : {kLampRed, kLampGreen, kLampBlue})
            w->SwitchLamp(lamp, 1);
        w->SetFog(kFogOn, 3);
    }, faces});
    ExpectFragmentDrawsAsTheWindow<CTexWnd>({"texture", [](COpenGLWnd* w) {
        w->SwitchLamp(kLampRed, 1), w->SetProjection(kPerspective);
    }, faces});
    // A picture OpenGL 1.1 cannot take as it is: the fragment scales it as the window does.
    ExpectFragmentDrawsAsTheWindow<CTexWnd>({"texture, scaled", [](COpenGLWnd* w) {
        wxImage image(12, 10);
        image.SetRGB(wxRect(0, 0, 6, 10), 200, 40, 40), image.SetRGB(wxRect(6, 0, 6, 10), 40, 90, 200);
        EXPECT_TRUE(image.SaveFile("scaled.bmp", wxBITMAP_TYPE_BMP) && static_cast<CTexWnd*>(w)->OpenPicture("scaled.bmp"));
    }, faces});
    // As the student may have edited it in the code.
    ExpectFragmentDrawsAsTheWindow<CLightWnd>({"lighting, edited", [](COpenGLWnd* w) {
        ViewState s = w->State();
        s.lamp = {true, true, false};
        s.lampPosition[0] = {-30, 10, 40, 1}, s.lampDiffuse[1] = {1, 0.5f, 0, 1}, s.lampSpecular[1] = {0, 0, 1, 1};
        s.fog = true, s.fogDensity = 0.15f, s.fogColour = {0.2f, 0.8f, 0.2f, 1};
        s.clearColour = {0.1f, 0.1f, 0.1f, 1}, s.shininess = 20, s.materialSpecular = {0.5f, 0.5f, 0.5f, 1};
        w->SetRecord(s, 0);
    }, faces});
    ExpectFragmentDrawsAsTheWindow<CTexWnd>({"texture, edited", [](COpenGLWnd* w) {
        ViewState s = w->State();
        s.magFilter = kNearest.glEnum, s.wrapT = kClamp.glEnum, s.texFrom = {0.25f, -0.5f}, s.texTo = {2, 1.5f};
        s.envMode = kBlendMode.glEnum, s.envColour = {1, 0.5f, 0, 1}, s.lamp[2] = true;
        w->SetRecord(s, 0);
    }, faces});
}

// Fragments of random states of the controls, the size at and past its
// bounds among them: each compiles without a warning, for Linux and, with
// the MinGW compiler where there is one, for Windows; none prints inf or
// NaN; a bound hit is said in a comment; the printed matrix is the one the
// window would draw under.
TEST(FragmentRunTest, TheFragmentOfAnyStateCompiles)
{
    std::mt19937 random(20261208);
    const auto pick = [&random](int n) { return std::uniform_int_distribution<int>(0, n - 1)(random); };
    const float scales[] = {1.0f, 1e-45f, 0.0f, 1e-31f, kScaleBounds[0], kScaleBounds[1], 2e30f, 3.4e38f,
                            INFINITY, NAN, 0.9090909f, 1.1f * 1.1f * 1.1f};
    const SceneKind kinds[] = {SceneKind::WireCube, SceneKind::LitCube, SceneKind::TexCube, SceneKind::Bare};
    ScratchDir scratch;
    std::string files, windowsFiles;
    for (int i = 0; i < 48; ++i) {
        FragmentInputs in;
        in.kind = kinds[i % 4];
        ViewState& s = in.state;
        s.perspective = pick(2), s.lineSmoothing = pick(2), s.fog = pick(2);
        s.lamp[0] = pick(2), s.lamp[1] = pick(2), s.lamp[2] = pick(2);
        s.fogDensity = 0.1f * pick(11);
        s.angleX = std::uniform_real_distribution<double>(-1e9, 1e9)(random);
        s.angleY = pick(2) ? -3.0 * pick(1000) : 1e15;
        s.scaleX = s.scaleY = s.scaleZ = scales[i % std::size(scales)];
        s.width = 1 + pick(2000), s.height = 1 + pick(2000);
        s.aspect = double(s.width) / s.height;
        s.lineWidth = pick(2) ? 1.0f : 1.5f;
        // As the student may have edited them in the code.
        const auto any = [&random](float from, float to) { return std::uniform_real_distribution<float>(from, to)(random); };
        s.lampPosition[pick(3)] = {any(-100, 100), any(-100, 100), any(-100, 100), float(pick(2))};
        s.lampDiffuse[pick(4)] = {any(0, 1), any(0, 1), any(0, 1), 1};
        s.fogColour = {any(0, 1), any(0, 1), any(0, 1), 1};
        s.clearColour = {any(0, 1), any(0, 1), any(0, 1), 1};
        s.shininess = any(0, 128);
        s.frustum = {any(1, 179), any(0.01f, 5), any(6, 500)};
        s.blend = pick(2), s.depthTest = pick(2), s.lighting = pick(2), s.filled = pick(2);
        s.minFilter = kFilters[pick(6)].glEnum, s.wrapS = kWraps[pick(2)].glEnum, s.envMode = kEnvModes[pick(4)].glEnum;
        s.texTo = {any(-3, 3), any(-3, 3)};
        in.pictureWidth = in.pictureHeight = pick(2) ? 256 : 0;
        for (int k = 0; k < 16; ++k)
            in.projection[k] = k % 5 == 0 ? 1.0f : 0.0f;
        CubeModelView(AnglesAsDrawn(s), in.modelView);   // as the window reads it

        const std::string f = CodeFragment(in);
        const bool bounded = !(s.scaleX >= kScaleBounds[0] && s.scaleX <= kScaleBounds[1]);
        SCOPED_TRACE("state " + std::to_string(i) + ", scale " + std::to_string(s.scaleX));
        // As printf spells an infinity or a NaN, in any case.
        EXPECT_FALSE(std::regex_search(f, std::regex(R"(\b(inf|nan)\b)", std::regex::icase))) << f;
        // MSVC's <GL/gl.h> needs <windows.h> first; MinGW's does not, so no compile here can tell.
        EXPECT_LT(f.find("#include <windows.h>"), f.find("#include <GL/gl.h>"));
        EXPECT_EQ(f.find("ограничен пределами") != std::string::npos, bounded);
        bool hit = false;
        FragmentInputs drawn = AsDrawn(in, hit);
        float expected[16];
        CubeModelView(drawn.state, expected);
        for (int k = 0; k < 16; ++k)
            EXPECT_FLOAT_EQ(drawn.modelView[k], expected[k]) << k;
        const std::string name = "state" + std::to_string(i) + ".c";
        std::ofstream(name) << f;
        files += " " + name;
        if (i < 8)   // every page, and the size in and out of bounds; <windows.h> is slow to read
            windowsFiles += " " + name;
    }
    const std::string flags = " -std=c99 -Wall -Wextra -Werror -fsyntax-only";
    EXPECT_EQ(std::system(("cc" + flags + files + " 2> build.log").c_str()), 0) << std::ifstream("build.log").rdbuf();
    if (std::system("command -v x86_64-w64-mingw32-gcc > /dev/null") == 0) {
        EXPECT_EQ(std::system(("x86_64-w64-mingw32-gcc -DWIN32_LEAN_AND_MEAN" + flags + windowsFiles + " 2> build.log").c_str()), 0)
            << std::ifstream("build.log").rdbuf();
    } else {
        std::printf("no MinGW compiler: the fragments were not compiled for Windows\n");
    }
}

// The matrices worked out from the record, as the code window prints them
// without OpenGL, are the ones OpenGL makes from the same record: the box and
// the frustum, the window's own and edited, at several aspects, 0 too; the
// cube turned and scaled within bounds.
TEST(FragmentRunTest, WorkedOutMatricesAreOpenGLs)
{
    Shown<CCubeWnd> shown;
    ViewState edited = shown.wnd->State();
    edited.ortho = {-3.5, 7.25, -2.0, 9.0, 0.5, 40.0};
    edited.frustum = {60.0, 0.25, 300.0};
    for (const ViewState& record : {shown.wnd->State(), edited})
        for (const bool perspective : {false, true})
            for (const wxSize size : {wxSize(255, 255), wxSize(640, 200), wxSize(120, 700), wxSize(300, 0), wxSize(0, 200)}) {
                ViewState s = record;
                s.perspective = perspective;
                shown.wnd->SetRecord(s, 0);
                shown.wnd->OnSize(size.x, size.y);
                shown.wnd->ScaleBySteps(3, kScaleLarger);
                shown.wnd->SetAngles(-107, 33.5);
                FragmentInputs in;
                ASSERT_TRUE(ReadFragmentInputs(*shown.wnd, in));
                float projection[16], modelView[16];
                SceneProjection(in.state, projection);
                CubeModelView(in.state, modelView);
                SCOPED_TRACE(std::string(perspective ? "perspective " : "box ") + std::to_string(size.x) + "x" +
                             std::to_string(size.y));
                for (int k = 0; k < 16; ++k) {
                    EXPECT_FLOAT_EQ(projection[k], in.projection[k]) << k;
                    EXPECT_NEAR(modelView[k], in.modelView[k], 1e-5) << k;
                }
            }
}

}
