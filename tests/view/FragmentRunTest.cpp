// The fragment is the truth: each page's fragment, compiled with the system's
// C compiler and run in an offscreen context, draws what the window draws.
#include "CCubeWnd.h"
#include "CLightWnd.h"
#include "CTexWnd.h"
#include "RgbImage.h"
#include "ViewCode.h"
#include "ViewTestSupport.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

namespace {

// Compiles the fragment with the harness and runs it at the window's size;
// the colours it reads at the points, or none when it did not build or run.
std::vector<Rgb> RunFragment(const FragmentInputs& in, const std::string& fragment, const RgbImage* picture,
                             const std::vector<wxPoint>& points)
{
    std::ofstream("fragment.c") << fragment;
    if (picture)
        std::ofstream("picture.raw", std::ios::binary)
            .write(reinterpret_cast<const char*>(picture->pixels), 3L * picture->width * picture->height);
    const std::string build = std::string("cc -std=c99 -Wall -Werror -o run ") + FRAGMENT_MAIN_C +
                              " fragment.c" + (picture ? " -DPICTURE" : "") + " -lGL -lGLU -lX11 2> build.log";
    if (std::system(build.c_str()) != 0)
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
    double ax, ay;                          // the angles the turning stops at
    std::vector<Vec3> points;               // object coordinates of the probes
};

template <class W>
void ExpectFragmentDrawsAsTheWindow(const Case& c)
{
    ScratchDir scratch;
    std::filesystem::copy_file(SAMPLES_SOURCE_LOGO, "logo.bmp");
    Shown<W> shown;
    c.set(shown.wnd);
    shown.Draw(c.ax, c.ay);
    FragmentInputs in;
    ASSERT_TRUE(ReadFragmentInputs(*shown.wnd, in));
    std::vector<wxPoint> points;
    for (const Vec3& p : c.points) {
        const wxRealPoint at = shown.Where(SceneEye(p, in.state.perspective, c.ax, c.ay, in.state.scaleX));
        points.emplace_back(int(at.x), int(at.y));
    }
    points.emplace_back(3, 3);   // the background
    const RgbImage* picture = nullptr;
    if constexpr (std::is_same_v<W, CTexWnd>)
        picture = shown.wnd->Image();

    const std::vector<Rgb> seen = RunFragment(in, CodeFragment(in), picture, points);
    ASSERT_EQ(seen.size(), points.size()) << c.page << ": the fragment did not build or run";
    int drawn = 0;
    for (size_t i = 0; i < points.size(); ++i) {
        const Rgb own = ReadBackPixel(points[i].x, points[i].y);
        drawn += !Near(own, kBackground, 2);
        EXPECT_TRUE(Looks(seen[i], own, 2)) << c.page << " at (" << points[i].x << ", " << points[i].y << ")";
    }
    EXPECT_EQ(drawn, int(c.points.size())) << c.page << ": a probe missed the cube";
}

TEST(FragmentRunTest, EachPagesFragmentDrawsWhatItsWindowDraws)
{
    const std::vector<Vec3> corners{{2.5, 2.5, 2.5}, {-2.5, 2.5, 2.5}, {2.5, -2.5, -2.5}, {-2.5, -2.5, 2.5}};
    const std::vector<Vec3> faces{{-1.5, 1.5, 2.5}, {2.5, 1.5, 0}, {-1.5, 2.5, 0}, {0.5, -0.5, 2.5}};
    ExpectFragmentDrawsAsTheWindow<CCubeWnd>({"lines", [](COpenGLWnd* w) { w->ScaleBySteps(1, kScaleSmaller); },
                                              30, -40, corners});
    ExpectFragmentDrawsAsTheWindow<CLightWnd>({"lighting", [](COpenGLWnd* w) {
        for (signed char lamp : {kLampRed, kLampGreen, kLampBlue})
            w->SwitchLamp(lamp, 1);
        w->SetFog(kFogOn, 3);
    }, 30, -40, faces});
    ExpectFragmentDrawsAsTheWindow<CTexWnd>({"texture", [](COpenGLWnd* w) {
        w->SwitchLamp(kLampRed, 1);
        w->SetProjection(kPerspective);
    }, 30, -40, faces});
}

}
