// What the lit scene windows should show, worked out here from the camera,
// the lamps and the material rather than asked of OpenGL; and a window to
// show them in.
#pragma once

#include "GLProbe.h"
#include "WxTestMain.h"

#include <GL/gl.h>
#include <gtest/gtest.h>
#include <wx/frame.h>
#include <wx/panel.h>
#include <wx/weakref.h>

#include <algorithm>
#include <cmath>
#include <initializer_list>

namespace litscenes {

struct Vec3
{
    double x, y, z;
};

inline Vec3 operator+(Vec3 a, Vec3 b) { return {a.x + b.x, a.y + b.y, a.z + b.z}; }
inline Vec3 operator-(Vec3 a, Vec3 b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
inline Vec3 operator*(double k, Vec3 a) { return {k * a.x, k * a.y, k * a.z}; }
inline double Dot(Vec3 a, Vec3 b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
inline Vec3 Unit(Vec3 a) { return (1.0 / std::sqrt(Dot(a, a))) * a; }

constexpr double kHalf = 2.5;   // half edge of the cube
constexpr double kPi = 3.14159265358979323846;

// The cube's turn as SetAngles takes it, in degrees. The frame turns about x
// by ax, then about y by ay, so a point is turned about y first.
struct Pose
{
    double ax, ay;
};

inline Vec3 Turn(const Pose& pose, Vec3 p)
{
    const double a = pose.ay * kPi / 180, b = pose.ax * kPi / 180;
    const Vec3 q{p.x * std::cos(a) + p.z * std::sin(a), p.y,
                 -p.x * std::sin(a) + p.z * std::cos(a)};
    return {q.x, q.y * std::cos(b) - q.z * std::sin(b), q.y * std::sin(b) + q.z * std::cos(b)};
}

// Object to eye coordinates in the orthographic box at size factor 1.
inline Vec3 ToEye(const Pose& pose, Vec3 p) { return Turn(pose, p) + Vec3{0, 0, -8}; }

// The face normal that two-sided lighting uses: the one turned to the viewer.
inline Vec3 TowardsViewer(Vec3 n) { return n.z < 0 ? -1.0 * n : n; }

struct Pixel
{
    int x, y;   // y from the top, as ReadBackPixel takes it
};

// Where an eye-space point lands in the viewport of the orthographic box
// (-6, 6) in x and y.
inline Pixel ToPixel(Vec3 eye)
{
    GLint vp[4] = {0, 0, 0, 0};
    glGetIntegerv(GL_VIEWPORT, vp);
    const double wx = (eye.x / 6 + 1) / 2 * vp[2];
    const double wy = (eye.y / 6 + 1) / 2 * vp[3];
    return {static_cast<int>(std::floor(wx)), vp[3] - 1 - static_cast<int>(std::floor(wy))};
}

// Whether an eye-space point of the scene lies clear of the axes, which the
// frame draws in front of the cube: at least margin units (about 20 pixels
// a unit) from each of them.
inline bool ClearOfAxes(Vec3 eye, double margin = 0.2)
{
    const Vec3 origin{0.5, -0.5, 0};
    for (Vec3 axis : {Vec3{1, 0, 0}, Vec3{0, 1, 0}, Vec3{0, 0, 1}}) {
        Vec3 d = Turn(Pose{20, -30}, axis);
        d.z = 0;
        Vec3 rel = eye - origin;
        rel.z = 0;
        const double t = std::max(0.0, Dot(rel, d) / Dot(d, d));
        const Vec3 off = rel - t * d;
        if (Dot(off, off) < margin * margin)
            return false;
    }
    return true;
}

struct Lamp
{
    Vec3 where;   // position, or for a directional lamp the direction to it
    bool directional;
    Vec3 colour;  // diffuse; every lamp's specular is white
};

const Lamp kRed{{50, 50, 50}, false, {1, 0, 0}};
const Lamp kGreen{{-50, 50, 50}, false, {0, 1, 0}};
const Lamp kBlue{{0, -50, 50}, false, {0, 0, 1}};
const Lamp kWhiteFromViewer{{0, 0, 1}, true, {1, 1, 1}};

// Fixed-function lighting of the white material (specular white, exponent
// 128) at eye point p on a face whose unit normal n faces the viewer: the
// global ambient 0.2, then each lamp's diffuse and specular, infinite viewer.
// Not clamped.
inline Vec3 Lit(Vec3 p, Vec3 n, std::initializer_list<Lamp> lamps)
{
    Vec3 c{0.2, 0.2, 0.2};
    for (const Lamp& lamp : lamps) {
        const Vec3 l = Unit(lamp.directional ? lamp.where : lamp.where - p);
        const double diffuse = Dot(n, l);
        if (diffuse <= 0)
            continue;
        const double specular = std::pow(std::max(0.0, Dot(n, Unit(l + Vec3{0, 0, 1}))), 128);
        c = c + diffuse * lamp.colour + Vec3{specular, specular, specular};
    }
    return c;
}

inline Vec3 Clamp(Vec3 c)
{
    return {std::clamp(c.x, 0.0, 1.0), std::clamp(c.y, 0.0, 1.0), std::clamp(c.z, 0.0, 1.0)};
}

// Exponential fog towards (0.95, 0.95, 0.95) over the eye distance |z|.
inline Vec3 Fogged(Vec3 c, double density, Vec3 eye)
{
    const double f = std::exp(-density * std::fabs(eye.z));
    return f * Clamp(c) + (1 - f) * Vec3{0.95, 0.95, 0.95};
}

inline Rgb ToRgb(Vec3 c)
{
    c = Clamp(c);
    return {static_cast<int>(std::lround(c.x * 255)), static_cast<int>(std::lround(c.y * 255)),
            static_cast<int>(std::lround(c.z * 255))};
}

// Squared distance between two colours, for "nearer to" comparisons.
inline int Distance2(const Rgb& a, const Rgb& b)
{
    return (a.r - b.r) * (a.r - b.r) + (a.g - b.g) * (a.g - b.g) + (a.b - b.b) * (a.b - b.b);
}

// One face of the cube as the test sees it: the point of the face at
// face-local (u, v) in -1..1, and its outward normal.
struct Face
{
    Vec3 outward;
    Vec3 uAxis, vAxis;

    Vec3 At(double u, double v) const { return kHalf * (outward + u * uAxis + v * vAxis); }
};

const Face kFront{{0, 0, 1}, {1, 0, 0}, {0, 1, 0}};    // face 1, z = +h
const Face kBack{{0, 0, -1}, {1, 0, 0}, {0, 1, 0}};    // face 2, z = -h
const Face kRight{{1, 0, 0}, {0, 0, 1}, {0, 1, 0}};    // face 3, x = +h
const Face kLeft{{-1, 0, 0}, {0, 0, 1}, {0, 1, 0}};    // face 4, x = -h
const Face kBottom{{0, -1, 0}, {1, 0, 0}, {0, 0, 1}};  // face 5, y = -h
const Face kTop{{0, 1, 0}, {1, 0, 0}, {0, 0, 1}};      // face 6, y = +h

// A frame-wide top-level window holding one scene window, shown at once.
template <class Wnd>
class SceneWindow
{
public:
    SceneWindow()
    {
        m_frame = new wxFrame(nullptr, wxID_ANY, "scene", wxPoint(40, 40), wxSize(320, 320));
        // A panel between them, so the frame does not stretch its only child.
        auto* panel = new wxPanel(m_frame);
        m_wnd = new Wnd(panel);
        m_frame->Show();
    }

    // Waits until the frame is really gone: a scene window leaves no context
    // current when it goes, and must not take the next test's with it.
    ~SceneWindow()
    {
        wxWeakRef<wxFrame> frame(m_frame);
        m_frame->Destroy();
        PumpEvents(5000, [&frame] { return !frame; });
    }

    SceneWindow(const SceneWindow&) = delete;
    SceneWindow& operator=(const SceneWindow&) = delete;

    Wnd& operator*() const { return *m_wnd; }
    Wnd* operator->() const { return m_wnd; }

    // Waits for the set-up, then makes the window's context current as its
    // page would: a window that an earlier test left behind may have
    // released it meanwhile.
    bool WaitForSetUp()
    {
        if (!PumpEvents(10000, [this] { return m_wnd->IsSetUp(); }))
            return false;
        m_turningAtSetUp = m_wnd->IsAnimating();
        m_wnd->Activate();
        return m_wnd->IsContextCurrent();
    }

    // Whether the set-up itself started the turning.
    bool TurningAtSetUp() const { return m_turningAtSetUp; }

    // Stops the cube at pose and draws one frame into the back buffer.
    void Draw(const Pose& pose)
    {
        m_wnd->SetAngles(pose.ax, pose.ay);
        m_wnd->DrawScene();
        glFinish();
    }

    // What the last frame shows at the point of face at (u, v).
    Rgb At(const Pose& pose, const Face& face, double u, double v) const
    {
        EXPECT_GT(Turn(pose, face.outward).z, 0.1) << "probed face is not in sight";
        return AtPoint(pose, face.At(u, v));
    }

    // What the last frame shows where the cube's point p (object coordinates) lands.
    Rgb AtPoint(const Pose& pose, Vec3 p) const
    {
        const Vec3 eye = ToEye(pose, p);
        EXPECT_TRUE(ClearOfAxes(eye))
            << "probe (" << p.x << ", " << p.y << ", " << p.z << ") lies on an axis";
        const Pixel px = ToPixel(eye);
        return ReadBackPixel(px.x, px.y);
    }

private:
    wxFrame* m_frame = nullptr;
    Wnd* m_wnd = nullptr;
    bool m_turningAtSetUp = false;
};

// The colour that the face should show at (u, v) under pose, white material.
inline Vec3 ExpectedLit(const Pose& pose, const Face& face, double u, double v,
                        std::initializer_list<Lamp> lamps)
{
    return Lit(ToEye(pose, face.At(u, v)), TowardsViewer(Turn(pose, face.outward)), lamps);
}

}
