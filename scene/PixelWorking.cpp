#include "PixelWorking.h"

#include "PixelCover.h"
#include "SceneGeometry.h"
#include "SceneTables.h"
#include "TexelWorking.h"
#include "TextureTables.h"

#include <algorithm>

namespace {

Colour ColourOf(const float (&c)[4]) { return {c[0], c[1], c[2], c[3]}; }
Colour ColourOf(const Rgba& c) { return {c[0], c[1], c[2], c[3]}; }

struct Frame
{
    SceneKind kind;
    const ViewState& s;
    Mat4 modelView, projection, normals;
};

Vec4 CornerObject(int face, int corner)
{
    const double* v = kCubeFaces[face].vertex[corner];
    return {kHalfEdge * v[0], kHalfEdge * v[1], kHalfEdge * v[2], 1};
}

std::array<Vec4, 3> TriangleClip(const Frame& f, int face, int triangle)
{
    std::array<Vec4, 3> clip;
    for (int i = 0; i < 3; ++i)
        clip[i] = f.projection * (f.modelView * CornerObject(face, kFaceTriangles[triangle][i]));
    return clip;
}

// The face fragment the frame buffer keeps at the pixel: with the depth
// test the nearest (GL_LESS keeps the first of equals), without it the last drawn.
bool FaceAt(const Frame& f, double px, double py, PixelWorking& out, TriangleHit& kept)
{
    if (!f.s.filled || f.kind == SceneKind::Bare)
        return false;   // outlines: the inside of a face is not drawn
    bool found = false;
    for (int face = 0; face < 6; ++face)
        for (int triangle = 0; triangle < 2; ++triangle) {
            TriangleHit hit;
            if (!CoversPixel(TriangleClip(f, face, triangle), px, py, hit))
                continue;
            if (found && f.s.depthTest && hit.depth >= kept.depth)
                continue;
            found = true, kept = hit, out.face = face, out.triangle = triangle;
        }
    return found;
}

CornerWorking Corner(const Frame& f, int face, int corner, bool front)
{
    CornerWorking c;
    c.corner = corner;
    c.object = CornerObject(face, corner);
    c.eye = f.modelView * c.object;
    c.clip = f.projection * c.eye;
    c.ndc = {c.clip.x / c.clip.w, c.clip.y / c.clip.w, c.clip.z / c.clip.w};
    c.window = WindowOf(f.s, c.ndc);
    c.s = TexCoordOf(f.s, corner, 0), c.t = TexCoordOf(f.s, corner, 1);
    c.colour = ColourOf(kCubeColour);
    c.lit = f.s.lighting && f.kind != SceneKind::WireCube;
    if (c.lit) {
        const double* n = kCubeFaces[face].normal;
        Vec3 normal = TurnNormal(f.normals, {n[0], n[1], n[2]});
        if (f.s.normalize)
            normal = Unit(normal);
        // Two-sided lighting: the back is lit with the normal turned round.
        c.light = LightVertex(f.s, XYZ(c.eye), front ? normal : -normal, c.colour);
        c.colour = c.light.colour;
    }
    return c;
}

template <class Get>
double Mix(const PixelWorking& p, Get get)
{
    double v = 0;
    for (int i = 0; i < 3; ++i)
        v += p.corrected[i] * get(p.corners[i]);
    return v;
}

// s and t a pixel to the right (axis 0) and up (1) of p, on its triangle's plane, less their value at p.
void CoordinateSteps(const Frame& f, const PixelWorking& p, double ds[2], double dt[2])
{
    const std::array<Vec4, 3> clip = TriangleClip(f, p.face, p.triangle);
    for (int axis = 0; axis < 2; ++axis) {
        const double px = (p.x + 0.5 + (axis == 0)) * 2 / f.s.width - 1, py = (p.y + 0.5 + (axis == 1)) * 2 / f.s.height - 1;
        std::array<double, 3> b{};
        double w = 0, whole = 0;
        ds[axis] = dt[axis] = 0;
        if (!SharesAt(clip, px, py, b, w, whole))
            continue;
        for (int i = 0; i < 3; ++i)
            ds[axis] += b[i] * p.corners[i].s, dt[axis] += b[i] * p.corners[i].t;
        ds[axis] -= p.texture.s, dt[axis] -= p.texture.t;
    }
}

void Fog(const ViewState& s, double distance, const Colour& in, FogWorking& fog)
{
    fog.on = s.fog;
    fog.density = s.fogDensity;
    fog.distance = distance;
    fog.colour = ColourOf(s.fogColour);
    fog.factor = fog.on ? std::clamp(FogFactor(fog.density, distance), 0.0, 1.0) : 1.0;
    fog.result = in;
    for (int k = 0; k < 3; ++k)
        fog.result[k] = fog.factor * in[k] + (1 - fog.factor) * fog.colour[k];
}

void FaceStages(const Frame& f, const PixelTexture& texture, PixelWorking& p)
{
    const double* n = kCubeFaces[p.face].normal;
    p.normal = {n[0], n[1], n[2]};
    for (int i = 0; i < 3; ++i)
        p.corners[i] = Corner(f, p.face, kFaceTriangles[p.triangle][i], p.front);
    for (int k = 0; k < 4; ++k)
        p.colour[k] = Mix(p, [k](const CornerWorking& c) { return c.colour[k]; });
    Colour c = p.colour;
    p.texture.on = f.kind == SceneKind::TexCube && texture.rgb && texture.width > 0 && texture.height > 0;
    if (p.texture.on) {
        p.texture.s = Mix(p, [](const CornerWorking& c) { return c.s; });
        p.texture.t = Mix(p, [](const CornerWorking& c) { return c.t; });
        double ds[2], dt[2];
        CoordinateSteps(f, p, ds, dt);
        SampleTexture(f.s, texture, ds, dt, c, p.texture);
        c = p.texture.result;
    }
    // The fog's distance is the eye's z as drawn, taken positive.
    Fog(f.s, std::fabs(Mix(p, [](const CornerWorking& c) { return c.eye.z; })), c, p.fog);
    p.result = p.fog.result;
}

// A line's colour at eye point eye: the current colour, lit with the last
// normal given (the cube's list leaves its last face's), and fogged.
Colour LineColour(const Frame& f, const Mat4& modelView, Vec3 eye, Colour current)
{
    if (f.s.lighting && f.kind != SceneKind::WireCube) {
        const double* n = kCubeFaces[5].normal;
        const Vec3 normal = TurnNormal(NormalMatrix(modelView), {n[0], n[1], n[2]});
        current = LightVertex(f.s, eye, f.s.normalize ? Unit(normal) : normal, current).colour;
    }
    FogWorking fog;
    Fog(f.s, std::fabs(eye.z), current, fog);
    return fog.result;
}

// What a line drawn at the pixel makes of it: seen when its centre passes
// within half the line's width and nothing nearer was drawn over it.
void LineSeen(const Frame& f, PixelWorking& p, const LineNear& n, const Mat4& modelView, Colour colour,
              PixelSubject subject, bool drawnAfterFaces)
{
    const double halfWidth = f.s.lineWidth * f.s.pixelScale / 2;
    p.edgeDistance = std::min(p.edgeDistance, n.distance - halfWidth);
    const bool faceOver = p.subject == PixelSubject::Face &&
                          (f.s.depthTest ? p.depth <= n.depth : !drawnAfterFaces);
    if (n.distance > halfWidth || faceOver || p.subject == PixelSubject::Edge)
        return;
    p.subject = subject;
    p.lineColour = LineColour(f, modelView, XYZ(n.eye), colour);
    p.result = p.lineColour;
}

// The axes (drawn first) and the cube's edges: how near each passes, and
// which of them, if any, is what the pixel shows.
void LinesAt(const Frame& f, PixelWorking& p)
{
    const double x = p.x + 0.5, y = p.y + 0.5;
    const Mat4 axes = AxesModelViewMatrix(f.s.perspective);
    for (int a = 0; a < 3; ++a) {
        const Vec4 end{a == 0 ? kAxisLength : 0.0, a == 1 ? kAxisLength : 0.0, a == 2 ? kAxisLength : 0.0, 1};
        const LineNear n = NearestOnSegment(f.s, axes, Vec4{0, 0, 0, 1}, end, f.projection, x, y);
        const PixelSubject before = p.subject;
        LineSeen(f, p, n, axes, {1, 0, 0, 1}, PixelSubject::Axis, false);
        if (p.subject != before)
            p.axis = a;
    }
    if (f.kind == SceneKind::Bare)
        return;
    for (int face = 0; face < 6; ++face)
        for (int i = 0; i < 4; ++i) {
            const LineNear n = NearestOnSegment(f.s, f.modelView, CornerObject(face, i),
                                                CornerObject(face, (i + 1) % 4), f.projection, x, y);
            if (f.s.filled)
                p.edgeDistance = std::min(p.edgeDistance, n.distance);
            else
                LineSeen(f, p, n, f.modelView, ColourOf(kCubeColour), PixelSubject::Edge, true);
        }
}

}

PixelWorking WorkOutPixel(SceneKind kind, const ViewState& s, const PixelTexture& texture, int x, int y)
{
    const Mat4 modelView = CubeModelViewMatrix(AnglesAsDrawn(s));
    const Frame f{kind, s, modelView, ProjectionMatrix(s), NormalMatrix(modelView)};
    PixelWorking p;
    p.x = x, p.y = y;
    const double px = (x + 0.5) * 2 / s.width - 1, py = (y + 0.5) * 2 / s.height - 1;
    TriangleHit hit;
    const bool face = FaceAt(f, px, py, p, hit);
    if (face) {
        p.subject = PixelSubject::Face;
        p.weights = hit.weights, p.corrected = hit.corrected, p.depth = hit.depth, p.front = hit.front;
        FaceStages(f, texture, p);
    } else {
        p.face = -1;
        p.result = ColourOf(s.clearColour);
    }
    LinesAt(f, p);
    p.onEdge = p.edgeDistance < 1.5;
    for (int k = 0; k < 3; ++k)
        p.bytes[k] = int(std::lround(std::clamp(p.result[k], 0.0, 1.0) * 255));
    return p;
}
