// Shared by the view tests: a shown window with its context current, pixel
// probes, and the transforms of a frame worked out independently of GL.
#pragma once

#include "COpenGLWnd.h"
#include "GLProbe.h"
#include "WxTestMain.h"

#include <gtest/gtest.h>
#include <wx/frame.h>
#include <wx/panel.h>

#include <cmath>

// A top-level frame with a panel holding one window W, shown and set up,
// with W's context current.
template <class W>
struct ShownWindow
{
    wxFrame* frame;
    W* wnd;

    ShownWindow()
    {
        frame = new wxFrame(nullptr, wxID_ANY, "view test", wxPoint(40, 40), wxSize(320, 320));
        auto* panel = new wxPanel(frame);
        wnd = new W(panel);
        frame->Show();
        EXPECT_TRUE(PumpEvents(5000, [this] { return wnd->IsSetUp(); }));
        wnd->Activate();
    }
    ~ShownWindow()
    {
        frame->Destroy();
        PumpEvents(2000, [] { return wxTopLevelWindows.empty(); });
    }
    int Width() const { return wnd->GetClientSize().x; }
    int Height() const { return wnd->GetClientSize().y; }
};

const Rgb kBackground{61, 94, 125};   // (0.24, 0.37, 0.49) in bytes
const Rgb kRed{255, 0, 0};
const Rgb kWhite{255, 255, 255};

// Whether some pixel within r of (x, y) (y from the top) has the colour c.
inline bool ColourNear(double x, double y, int r, const Rgb& c, int tolerance = 2)
{
    const int cx = static_cast<int>(std::floor(x)), cy = static_cast<int>(std::floor(y));
    for (int dy = -r; dy <= r; ++dy)
        for (int dx = -r; dx <= r; ++dx)
            if (Near(ReadBackPixel(cx + dx, cy + dy), c, tolerance))
                return true;
    return false;
}

constexpr double kPi = 3.14159265358979323846;

struct Vec3
{
    double x, y, z;
};

// Turned by deg degrees about the x axis (axis 0) or the y axis (axis 1).
inline Vec3 Turned(const Vec3& p, double deg, int axis)
{
    const double c = std::cos(deg * kPi / 180), s = std::sin(deg * kPi / 180);
    if (axis == 0)
        return {p.x, c * p.y - s * p.z, s * p.y + c * p.z};
    return {c * p.x + s * p.z, p.y, -s * p.x + c * p.z};
}

// A point of the axes in eye coordinates.
inline Vec3 AxesPoint(const Vec3& p, bool perspective)
{
    const Vec3 q = Turned(Turned(p, -30, 1), 20, 0);
    return perspective ? Vec3{q.x, q.y, q.z - 9.6} : Vec3{q.x + 0.5, q.y - 0.5, q.z};
}

// A point of the scene at angles (0, 0) and size factor s, in eye coordinates.
inline Vec3 ScenePoint(const Vec3& p, double s, bool perspective)
{
    const double k = perspective ? s / 2 : s;
    return {p.x * k, p.y * k, p.z * k - 8};
}

struct Pixel
{
    double x, y;   // window pixels, y from the top
};

// Through the box (-6..6) or the 45 degree perspective onto a w x h viewport.
inline Pixel ToWindow(const Vec3& eye, bool perspective, int w, int h)
{
    const double f = 1 / std::tan(22.5 * kPi / 180), aspect = double(w) / h;
    const double nx = perspective ? f / aspect * eye.x / -eye.z : eye.x / 6;
    const double ny = perspective ? f * eye.y / -eye.z : eye.y / 6;
    return {(nx + 1) / 2 * w, h - (ny + 1) / 2 * h};
}
