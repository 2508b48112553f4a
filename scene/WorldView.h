// The scene seen from outside: the page's camera, its view volume, its lamps
// and its fog, worked out from the page's record in the page's eye
// coordinates, and the second camera that looks at them. No OpenGL.
#pragma once

#include "SceneKind.h"
#include "SceneMath.h"
#include "ViewState.h"

#include <vector>

// The outside camera: it circles target at distance, turned by yaw about
// the vertical and tilted by pitch, both in degrees.
struct WorldCamera
{
    double yaw = 55, pitch = 25, distance = 40;
    Vec3 target{0, 0, -4};
    static constexpr double kFovy = 40;
};

// The general inverse; a singular m gives the identity.
Mat4 Inverse(const Mat4& m);

// The corners of the page's view volume in its eye coordinates, worked out
// from the record's numbers: near then far, each lower left, lower right,
// upper right, upper left (the normalised cube's x, y = -1/+1 in that order).
std::array<Vec3, 8> VolumeCorners(const ViewState& s);
// Its six planes (a, b, c, d), inside where a x + b y + c z + d >= 0: left,
// right, bottom, top, near, far, as glClipPlane takes them in eye coordinates.
std::array<std::array<double, 4>, 6> VolumePlanes(const ViewState& s);

// A lamp as the outside view marks it: its place in the page's eye
// coordinates (a direction is marked far out along it from the cube), and
// its colour, dimmed when it is off.
struct LampMarker
{
    int lamp = 0;              // as kLamps
    bool on = false, direction = false;
    Vec3 position;
    std::array<double, 3> colour{};
};
// The lamps the page lights with: none unless lighting is on.
std::vector<LampMarker> LampMarkers(const ViewState& s);

// The exponential fog along the view direction: where its share of the
// cube's colour falls to one half and to one tenth.
struct FogBand
{
    bool shown = false;
    double density = 0, half = 0, tenth = 0, length = 0;   // eye distances
};
FogBand FogBandOf(const ViewState& s);

// Everything the outside view draws for one frame.
struct WorldPicture
{
    ViewState record;          // the page's, with the outside camera's projection and viewport, no fog
    Mat4 camera;               // the outside camera's model-view
    Mat4 cube;                 // the page's model-view of the cube
    std::array<Vec3, 8> volume;
    std::array<std::array<double, 4>, 6> planes;
    std::vector<LampMarker> lamps;
    FogBand fog;
    double markerSize = 1;     // the eye's axes, in eye units
};
WorldPicture MakeWorldPicture(const ViewState& page, const WorldCamera& camera, int width, int height);

// The outside camera's model-view matrix.
Mat4 WorldCameraMatrix(const WorldCamera& c);
// A camera that shows the cube, the volume's nearer part and the lamps.
WorldCamera FramingCamera(const ViewState& page);
// The camera turned by a drag of dx, dy pixels, or zoomed by wheel steps.
WorldCamera Turned(WorldCamera c, int dx, int dy);
WorldCamera Zoomed(WorldCamera c, double steps);

// Window coordinates (x, y from the lower left) of an eye point of the page
// in the outside view of picture p.
Vec3 WorldWindowOf(const WorldPicture& p, Vec3 eye);
