#include "WorldView.h"

#include "SceneGeometry.h"
#include "SceneTables.h"
#include "VertexLighting.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double kPi = 3.14159265358979323846;
// A direction lamp is marked this far from the cube's centre along it.
constexpr double kDirectionReach = 12;
// The framing shows the volume's first stretch, not a far plane at 100.
constexpr double kFramedDepth = 2.5 * kSceneDistance;
constexpr double kDimmed = 0.3;

double Det3(const Mat4& m, int c0, int c1, int c2, int r0, int r1, int r2)
{
    auto at = [&m](int c, int r) { return m[4 * c + r]; };
    return at(c0, r0) * (at(c1, r1) * at(c2, r2) - at(c2, r1) * at(c1, r2)) -
           at(c1, r0) * (at(c0, r1) * at(c2, r2) - at(c2, r1) * at(c0, r2)) +
           at(c2, r0) * (at(c0, r1) * at(c1, r2) - at(c1, r1) * at(c0, r2));
}

Vec3 Projected(const Mat4& m, Vec3 v)
{
    const Vec4 h = m * Vec4{v.x, v.y, v.z, 1};
    return (1 / h.w) * XYZ(h);
}

}

// By cofactors: small, and exact enough for the matrices of a scene.
Mat4 Inverse(const Mat4& m)
{
    Mat4 cof{};
    for (int c = 0; c < 4; ++c)
        for (int r = 0; r < 4; ++r) {
            int cs[3], rs[3];
            for (int i = 0, k = 0; i < 4; ++i)
                if (i != c)
                    cs[k++] = i;
            for (int i = 0, k = 0; i < 4; ++i)
                if (i != r)
                    rs[k++] = i;
            const double minor = Det3(m, cs[0], cs[1], cs[2], rs[0], rs[1], rs[2]);
            cof[4 * r + c] = ((c + r) % 2 ? -1 : 1) * minor;   // transposed: the adjugate
        }
    double det = 0;
    for (int c = 0; c < 4; ++c)
        det += m[4 * c] * cof[c];
    if (det == 0)
        return Identity();
    for (double& v : cof)
        v /= det;
    return cof;
}

std::array<Vec3, 8> VolumeCorners(const ViewState& s)
{
    std::array<Vec3, 8> v;
    const double xs[4] = {-1, 1, 1, -1}, ys[4] = {-1, -1, 1, 1};
    if (ProjectionMatrix(s) == Identity()) {   // refused: the matrix stays the identity
        for (int i = 0; i < 8; ++i)
            v[i] = {xs[i % 4], ys[i % 4], i < 4 ? -1.0 : 1.0};
        return v;
    }
    for (int i = 0; i < 8; ++i) {
        const bool far = i >= 4;
        if (s.perspective) {
            const double depth = s.frustum[far ? 2 : 1];
            const double top = depth * std::tan(s.frustum[0] / 2 * kPi / 180);
            v[i] = {xs[i % 4] * top * s.aspect, ys[i % 4] * top, -depth};
        } else {
            const auto& o = s.ortho;
            v[i] = {xs[i % 4] < 0 ? o[0] : o[1], ys[i % 4] < 0 ? o[2] : o[3], -o[far ? 5 : 4]};
        }
    }
    return v;
}

// Each plane is the last row of the projection plus or minus another.
std::array<std::array<double, 4>, 6> VolumePlanes(const ViewState& s)
{
    const Mat4 p = ProjectionMatrix(s);
    std::array<std::array<double, 4>, 6> planes;
    for (int i = 0; i < 6; ++i) {
        const int row = i / 2;
        const double sign = i % 2 ? -1 : 1;
        for (int c = 0; c < 4; ++c)
            planes[i][c] = p[4 * c + 3] + sign * p[4 * c + row];
    }
    return planes;
}

std::vector<LampMarker> LampMarkers(const ViewState& s)
{
    std::vector<LampMarker> markers;
    if (!s.lighting)
        return markers;
    for (int i = 0; i < 4; ++i) {
        // The white lamp belongs to the texture page alone.
        if (i == 3 && !s.whiteLamp)
            continue;
        LampMarker m;
        m.lamp = i;
        m.on = LampOn(s, i);
        const Vec4 p = LampPosition(s, i);
        m.direction = p.w == 0;
        m.position = m.direction ? Vec3{0, 0, -kSceneDistance} + kDirectionReach * Unit(XYZ(p))
                                 : (1 / p.w) * XYZ(p);
        for (int c = 0; c < 3; ++c)
            m.colour[c] = s.lampDiffuse[i][c] * (m.on ? 1 : kDimmed);
        markers.push_back(m);
    }
    return markers;
}

FogBand FogBandOf(const ViewState& s)
{
    FogBand f;
    f.shown = s.fog;
    f.density = s.fogDensity;
    f.length = 2 * kSceneDistance;
    if (!f.shown || f.density <= 0)
        return f;
    f.half = std::log(2.0) / f.density;
    f.tenth = std::log(10.0) / f.density;
    f.length = std::min(200.0, std::max(f.length, 1.2 * f.tenth));
    return f;
}

Mat4 WorldCameraMatrix(const WorldCamera& c)
{
    return Translation(0, 0, -c.distance) * Rotation(c.pitch, {1, 0, 0}) * Rotation(-c.yaw, {0, 1, 0}) *
           Translation(-c.target.x, -c.target.y, -c.target.z);
}

WorldPicture MakeWorldPicture(const ViewState& page, const WorldCamera& camera, int width, int height)
{
    WorldPicture p;
    p.record = page;
    p.record.fog = false;
    p.record.clearColour = {0.16f, 0.16f, 0.19f, 1.0f};   // not the page's: this is outside it
    p.record.perspective = true;
    p.record.width = width;
    p.record.height = height;
    p.record.aspect = height > 0 ? double(width) / height : width;
    p.record.frustum = {WorldCamera::kFovy, camera.distance / 100, camera.distance * 10 + 200};
    p.camera = WorldCameraMatrix(camera);
    p.cube = CubeModelViewMatrix(page);
    p.volume = VolumeCorners(page);
    p.planes = VolumePlanes(page);
    p.lamps = LampMarkers(page);
    p.fog = FogBandOf(page);
    p.markerSize = camera.distance * 0.05;
    return p;
}

WorldCamera FramingCamera(const ViewState& page)
{
    std::vector<Vec3> points{{0, 0, 0}};
    const Mat4 cube = CubeModelViewMatrix(page);
    for (int i = 0; i < 8; ++i)
        points.push_back(Projected(cube, kHalfEdge * Vec3{i & 1 ? 1.0 : -1.0, i & 2 ? 1.0 : -1.0, i & 4 ? 1.0 : -1.0}));
    const auto volume = VolumeCorners(page);
    for (int i = 0; i < 4; ++i) {
        points.push_back(volume[i]);
        // The far corner, or the point on its edge at the framed depth.
        const Vec3 edge = volume[i + 4] - volume[i];
        const double t = edge.z < 0 && volume[i + 4].z < -kFramedDepth ? (-kFramedDepth - volume[i].z) / edge.z : 1;
        points.push_back(volume[i] + std::clamp(t, 0.0, 1.0) * edge);
    }
    Vec3 low = points[0], high = points[0];
    for (const Vec3& v : points) {
        low = {std::min(low.x, v.x), std::min(low.y, v.y), std::min(low.z, v.z)};
        high = {std::max(high.x, v.x), std::max(high.y, v.y), std::max(high.z, v.z)};
    }
    WorldCamera c;
    c.target = 0.5 * (low + high);
    double radius = 1;
    for (const Vec3& v : points)
        radius = std::max(radius, Length(v - c.target));
    c.distance = radius / std::sin(WorldCamera::kFovy / 2 * kPi / 180);
    return c;
}

WorldCamera Turned(WorldCamera c, int dx, int dy)
{
    c.yaw -= 0.5 * dx;
    c.pitch = std::clamp(c.pitch + 0.5 * dy, -89.0, 89.0);
    return c;
}

WorldCamera Zoomed(WorldCamera c, double steps)
{
    c.distance = std::clamp(c.distance * std::pow(1.15, -steps), 1.0, 5000.0);
    return c;
}

Vec3 WorldWindowOf(const WorldPicture& p, Vec3 eye)
{
    return WindowOf(p.record, Projected(ProjectionMatrix(p.record) * p.camera, eye));
}
