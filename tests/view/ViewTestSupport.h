// Shared by the view tests: a window shown in a frame of its own, and where
// the transforms put things and what colour the lamps give them, worked out
// here rather than asked of OpenGL.
#pragma once

#include "COpenGLWnd.h"
#include "GLProbe.h"
#include "SceneMath.h"
#include "WxTestMain.h"

#include <GL/gl.h>
#include <gtest/gtest.h>
#include <wx/frame.h>
#include <wx/panel.h>
#include <wx/weakref.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <iterator>
#include <string>

const Rgb kBackground{61, 94, 125};   // the clear colour (0.24, 0.37, 0.49)
const Rgb kRed{255, 0, 0}, kWhite{255, 255, 255};
constexpr double kPi = 3.14159265358979323846;


// p turned as glRotate by ax about x, then by ay about y, turn it: about y first.
inline Vec3 Turn(double ax, double ay, Vec3 p)
{
    const double a = ay * kPi / 180, b = ax * kPi / 180;
    const Vec3 q{p.x * std::cos(a) + p.z * std::sin(a), p.y, -p.x * std::sin(a) + p.z * std::cos(a)};
    return {q.x, q.y * std::cos(b) - q.z * std::sin(b), q.y * std::sin(b) + q.z * std::cos(b)};
}

// Eye coordinates of a point of the axes, which keep a fixed tilt, and of a
// point of the scene at angles (ax, ay) and size factor s.
inline Vec3 AxesEye(Vec3 p, bool persp) { return Turn(20, -30, p) + (persp ? Vec3{0, 0, -9.6} : Vec3{0.5, -0.5, 0}); }
inline Vec3 SceneEye(Vec3 p, bool persp, double ax = 0, double ay = 0, double s = 1)
{
    return Turn(ax, ay, (persp ? s / 2 : s) * p) + Vec3{0, 0, -8};
}

struct Lamp { Vec3 where, colour; };   // in eye coordinates, the diffuse colour
const Lamp kRedLamp{{50, 50, 50}, {1, 0, 0}}, kGreenLamp{{-50, 50, 50}, {0, 1, 0}};
const Lamp kBlueLamp{{0, -50, 50}, {0, 0, 1}};
const Lamp kWhiteLamp{{0, 0, 1e9}, {1, 1, 1}};   // the textured cube's: from the viewer, far off

// Fixed-function lighting of the white material at eye point p whose unit
// normal n faces the viewer: the global ambient 0.2, plus from each lamp in
// front of the face its colour times n.l and a white highlight (n.h)^128
// (infinite viewer); clamped, in bytes.
inline Rgb Lit(Vec3 p, Vec3 n, std::initializer_list<Lamp> lamps)
{
    Vec3 c{0.2, 0.2, 0.2};
    for (const Lamp& lamp : lamps) {
        const Vec3 l = Unit(lamp.where + -1 * p);
        if (Dot(n, l) > 0)
            c = c + Dot(n, l) * lamp.colour +
                std::pow(std::max(0.0, Dot(n, Unit(l + Vec3{0, 0, 1}))), 128) * Vec3{1, 1, 1};
    }
    const auto byte = [](double v) { return int(std::lround(std::clamp(v, 0.0, 1.0) * 255)); };
    return {byte(c.x), byte(c.y), byte(c.z)};
}

// The lit colour of point p of a face of the cube (object coordinates, one of
// them +-2.5, the face in sight) at angles (ax, ay) in the box.
inline Rgb LitCube(Vec3 p, double ax, double ay, std::initializer_list<Lamp> lamps)
{
    const auto side = [](double c) { return std::fabs(c) == 2.5 ? c / 2.5 : 0.0; };   // the outward normal
    return Lit(SceneEye(p, false, ax, ay), Turn(ax, ay, {side(p.x), side(p.y), side(p.z)}), lamps);
}

// Near, telling both colours when they differ.
inline testing::AssertionResult Looks(const Rgb& seen, const Rgb& expected, int tolerance)
{
    if (Near(seen, expected, tolerance))
        return testing::AssertionSuccess();
    return testing::AssertionFailure() << seen << ", expected " << expected;
}

// A fresh folder, current while it lives.
struct ScratchDir
{
    std::filesystem::path old = std::filesystem::current_path(), dir;
    ScratchDir()
    {
        char name[] = "/tmp/view-test-XXXXXX";
        dir = mkdtemp(name);
        std::filesystem::current_path(dir);
    }
    ~ScratchDir() { std::filesystem::current_path(old), std::filesystem::remove_all(dir); }
};

// Builds a fragment of the code window with the GLX harness FRAGMENT_MAIN_C into ./run,
// in the current folder; the compiler's complaint, or "".
inline std::string BuildFragment(const std::string& fragment, bool picture = false)
{
    std::ofstream("fragment.c") << fragment;
    const std::string build = std::string("cc -std=c99 -Wall -Werror -o run ") + FRAGMENT_MAIN_C + " fragment.c" +
                              (picture ? " -DPICTURE" : "") + " -lGL -lGLU -lX11 2> build.log";
    if (std::system(build.c_str()) == 0)
        return "";
    std::ifstream log("build.log");
    return "does not compile:\n" + std::string(std::istreambuf_iterator<char>(log), {}).substr(0, 1500);
}

// Destroys a frame and waits until wx has deleted it (wxTopLevelWindows forgets it long
// before): its windows' destructors release the current context, never in the next test.
inline void DestroyAndWait(wxFrame* frame)
{
    wxWeakRef<wxFrame> alive(frame);
    frame->Destroy();
    EXPECT_TRUE(PumpEvents(5000, [&alive] { return !alive; })) << "frame not deleted";
}

// A frame holding one window W, on a panel so that the frame does not stretch
// it; unless told otherwise shown, set up and made current.
template <class W>
struct Shown
{
    wxFrame* frame = new wxFrame(nullptr, wxID_ANY, "view test", wxPoint(40, 40), wxSize(320, 320));
    W* wnd = new W(new wxPanel(frame));

    explicit Shown(bool show = true)
    {
        EXPECT_TRUE(!show || Show()) << "never set up";
        if (show)
            wnd->Activate();
    }
    ~Shown() { DestroyAndWait(frame); }
    bool Show()
    {
        frame->Show();
        return PumpEvents(10000, [this] { return wnd->IsSetUp(); });
    }
    // In device pixels, as the frame is read back.
    wxSize Size() const { return wnd->GetClientSize() * wnd->GetContentScaleFactor(); }
    wxRealPoint Centre() const { return {Size().x / 2.0, Size().y / 2.0}; }

    // Stops the scene at angles (ax, ay) and draws one frame into the back buffer.
    void Draw(double ax = 0, double ay = 0) { wnd->SetAngles(ax, ay); wnd->DrawScene(); }
    // Where an eye point lands in the window (y from the top), through the
    // box (-6..6) or the 45 degree perspective.
    wxRealPoint Where(Vec3 eye) const
    {
        const wxRealPoint c = Centre();
        const double f = wnd->State().perspective ? 1 / std::tan(22.5 * kPi / 180) / -eye.z : 1 / 6.0;
        return {c.x + (wnd->State().perspective ? c.y / c.x : 1) * f * eye.x * c.x, c.y - f * eye.y * c.y};
    }
    // What the last frame shows where the eye point lands.
    Rgb At(Vec3 eye) const { return ReadBackPixel(int(Where(eye).x), int(Where(eye).y)); }
    // Whether like holds for some pixel within r of p.
    template <class Like>
    bool Shows(wxRealPoint p, Like like, int r) const
    {
        for (int dy = -r; dy <= r; ++dy)
            for (int dx = -r; dx <= r; ++dx)
                if (like(ReadBackPixel(int(p.x) + dx, int(p.y) + dy)))
                    return true;
        return false;
    }
    // Whether a pixel within 1 of p, or of where eye lands, has the colour c.
    bool Shows(wxRealPoint p, Rgb c) const { return Shows(p, [c](Rgb seen) { return Near(seen, c, 2); }, 1); }
    bool Shows(Vec3 eye, Rgb c) const { return Shows(Where(eye), c); }
};
