#include "SceneGeometry.h"

#include "SceneTables.h"

Mat4 ProjectionMatrix(const ViewState& s)
{
    // The expressions are GLU's and glOrtho's own.
    Mat4 p = Identity();
    if (s.perspective) {
        const double half = s.frustum[0] / 2 * 3.14159265358979323846 / 180;
        const double zNear = s.frustum[1], zFar = s.frustum[2], depth = zFar - zNear, sine = std::sin(half);
        if (depth != 0 && sine != 0 && s.aspect != 0) {
            const double cotangent = std::cos(half) / sine;
            p[0] = cotangent / s.aspect, p[5] = cotangent;
            p[10] = -(zFar + zNear) / depth, p[11] = -1;
            p[14] = -2 * zNear * zFar / depth, p[15] = 0;
        }
    } else {
        const auto& o = s.ortho;
        if (o[0] != o[1] && o[2] != o[3] && o[4] != o[5])
            for (int i = 0; i < 3; ++i) {
                const double low = o[2 * i], high = o[2 * i + 1], sign = i == 2 ? -1 : 1;
                p[5 * i] = sign * 2 / (high - low);
                p[12 + i] = -(high + low) / (high - low);
            }
    }
    return p;
}

Mat4 CubeModelViewMatrix(const ViewState& s)
{
    const double k = SizeShare(s.perspective);
    return Translation(0, 0, -kSceneDistance) * Rotation(s.angleX, {1, 0, 0}) * Rotation(s.angleY, {0, 1, 0}) *
           Scaling(double(s.scaleX * float(k)), double(s.scaleY * float(k)), double(s.scaleZ * float(k)));
}

Mat4 AxesModelViewMatrix(bool perspective)
{
    const float* shift = kAxesShift[perspective];
    return Translation(shift[0], shift[1], shift[2]) * Rotation(kAxesTilt[0], {1, 0, 0}) *
           Rotation(kAxesTilt[1], {0, 1, 0});
}

namespace {

void AsFloats(const Mat4& m, float out[16])
{
    for (int i = 0; i < 16; ++i)
        out[i] = float(m[i]);
}

}

void SceneProjection(const ViewState& s, float m[16]) { AsFloats(ProjectionMatrix(s), m); }
void CubeModelView(const ViewState& s, float m[16]) { AsFloats(CubeModelViewMatrix(s), m); }

double FogFactor(double density, double z) { return std::exp(-density * z); }
