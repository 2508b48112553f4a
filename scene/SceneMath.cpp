#include "SceneMath.h"

Mat4 Rotation(double degrees, Vec3 axis)
{
    const Vec3 u = Unit(axis);
    const double a = degrees * 3.14159265358979323846 / 180, c = std::cos(a), s = std::sin(a), k = 1 - c;
    return {u.x * u.x * k + c,       u.y * u.x * k + u.z * s, u.z * u.x * k - u.y * s, 0,
            u.x * u.y * k - u.z * s, u.y * u.y * k + c,       u.z * u.y * k + u.x * s, 0,
            u.x * u.z * k + u.y * s, u.y * u.z * k - u.x * s, u.z * u.z * k + c,       0,
            0,                       0,                       0,                       1};
}

Mat4 NormalMatrix(const Mat4& m)
{
    // The cofactors of the upper 3 x 3 over its determinant, transposed twice.
    const auto at = [&m](int r, int c) { return m[4 * c + r]; };
    Mat4 n{};
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 3; ++c) {
            const int r1 = (r + 1) % 3, r2 = (r + 2) % 3, c1 = (c + 1) % 3, c2 = (c + 2) % 3;
            n[4 * c + r] = at(r1, c1) * at(r2, c2) - at(r1, c2) * at(r2, c1);
        }
    const double det = at(0, 0) * n[0] + at(0, 1) * n[4] + at(0, 2) * n[8];
    for (double& v : n)
        v = det != 0 ? v / det : 0;
    n[15] = 1;
    return n;
}
