#include "PixelCover.h"

#include "SceneGeometry.h"

#include <algorithm>

bool SharesAt(const std::array<Vec4, 3>& c, double px, double py, std::array<double, 3>& corrected, double& w,
              double& whole)
{
    // Solve sum b'_i (x_i, y_i, w_i) = (px, py, 1) by Cramer's rule: the
    // shares b = b' / sum b' lie on the triangle, at clip w = 1 / sum b'.
    const auto det = [](Vec3 a, Vec3 b, Vec3 d) {
        return Dot(a, Vec3{b.y * d.z - b.z * d.y, b.z * d.x - b.x * d.z, b.x * d.y - b.y * d.x});
    };
    const Vec3 col[3] = {{c[0].x, c[0].y, c[0].w}, {c[1].x, c[1].y, c[1].w}, {c[2].x, c[2].y, c[2].w}};
    const Vec3 p{px, py, 1};
    whole = det(col[0], col[1], col[2]);
    if (whole == 0)
        return false;   // seen edge on
    const double b0 = det(p, col[1], col[2]) / whole, b1 = det(col[0], p, col[2]) / whole,
                 b2 = det(col[0], col[1], p) / whole, sum = b0 + b1 + b2;
    if (sum <= 0)
        return false;   // behind the eye
    w = 1 / sum;
    corrected = {b0 * w, b1 * w, b2 * w};
    return true;
}

bool CoversPixel(const std::array<Vec4, 3>& c, double px, double py, TriangleHit& hit)
{
    double whole = 0;
    if (!SharesAt(c, px, py, hit.corrected, hit.w, whole))
        return false;
    if (std::min({hit.corrected[0], hit.corrected[1], hit.corrected[2]}) < 0)
        return false;
    double z = 0, shares = 0;
    for (int i = 0; i < 3; ++i) {
        z += hit.corrected[i] * c[i].z;
        hit.weights[i] = hit.corrected[i] / c[i].w;
        shares += hit.weights[i];
    }
    if (z < -hit.w || z > hit.w)
        return false;   // cut away by the near or far plane
    for (double& weight : hit.weights)
        weight /= shares;
    hit.depth = (z / hit.w + 1) / 2;
    hit.front = whole > 0;
    return true;
}

namespace {

Vec4 Lerp(Vec4 a, Vec4 b, double t)
{
    return {a.x + (b.x - a.x) * t, a.y + (b.y - a.y) * t, a.z + (b.z - a.z) * t, a.w + (b.w - a.w) * t};
}

// Cuts [t0, t1] of a..b to where f(point) >= 0, f being linear.
bool CutTo(double fa, double fb, double& t0, double& t1)
{
    if (fa < 0 && fb < 0)
        return false;
    if (fa < 0)
        t0 = std::max(t0, fa / (fa - fb));
    else if (fb < 0)
        t1 = std::min(t1, fa / (fa - fb));
    return t0 <= t1;
}

}

LineNear NearestOnSegment(const ViewState& s, const Mat4& modelView, Vec4 a, Vec4 b, const Mat4& projection,
                          double x, double y)
{
    LineNear out;
    const Vec4 eyeA = modelView * a, eyeB = modelView * b, clipA = projection * eyeA, clipB = projection * eyeB;
    double t0 = 0, t1 = 1;
    if (!CutTo(clipA.w + clipA.z, clipB.w + clipB.z, t0, t1) || !CutTo(clipA.w - clipA.z, clipB.w - clipB.z, t0, t1))
        return out;
    const auto window = [&s](Vec4 p) { return WindowOf(s, {p.x / p.w, p.y / p.w, p.z / p.w}); };
    const Vec4 c0 = Lerp(clipA, clipB, t0), c1 = Lerp(clipA, clipB, t1);
    const Vec3 p = window(c0), q = window(c1), d = q - p;
    const double length2 = d.x * d.x + d.y * d.y;
    const double t = length2 > 0 ? std::clamp(((x - p.x) * d.x + (y - p.y) * d.y) / length2, 0.0, 1.0) : 0.0;
    const Vec3 nearest = p + t * d;
    out.distance = std::hypot(x - nearest.x, y - nearest.y);
    out.depth = nearest.z;
    // Back along the segment: window t is perspective's, eye coordinates
    // take it divided by w.
    const double along = t / c1.w / ((1 - t) / c0.w + t / c1.w);
    out.eye = Lerp(Lerp(eyeA, eyeB, t0), Lerp(eyeA, eyeB, t1), along);
    return out;
}
