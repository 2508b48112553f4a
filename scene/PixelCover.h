// What covers a pixel of the picture, worked out in clip coordinates so that
// corners behind the eye need no clipping first: a point of a triangle is
// the pixel's when its shares of the three corners are all positive, and
// drawn when it lies between the near and far planes.
#pragma once

#include "SceneMath.h"
#include "ViewState.h"

#include <array>

struct TriangleHit
{
    std::array<double, 3> corrected{};   // the point's shares of the corners in clip coordinates
    std::array<double, 3> weights{};     // the same in window coordinates
    double w = 0;                        // the point's clip w
    double depth = 0;                    // window z, 0..1
    bool front = true;                   // counter-clockwise in the window
};

// The shares of the corners (clip coordinates) of the triangle's plane at
// normalised device point (px, py), its clip w there, and the determinant
// whose sign tells the winding; false where the plane is not in front.
bool SharesAt(const std::array<Vec4, 3>& clip, double px, double py, std::array<double, 3>& corrected, double& w,
              double& whole);

// Whether the triangle of clip corners covers the pixel whose centre is at
// normalised device coordinates (px, py).
bool CoversPixel(const std::array<Vec4, 3>& clip, double px, double py, TriangleHit& hit);

struct LineNear
{
    double distance = 1e9;   // window pixels from the pixel's centre to the segment
    double depth = 0;        // window z of the segment's nearest point
    Vec4 eye;                // and its eye coordinates
};

// The segment from a to b (object coordinates, drawn under modelView and
// projection), cut to the near and far planes, against the pixel's centre
// (window coordinates).
LineNear NearestOnSegment(const ViewState& s, const Mat4& modelView, Vec4 a, Vec4 b, const Mat4& projection,
                          double x, double y);
