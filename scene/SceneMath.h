// The little linear algebra the scene's working-out needs: vectors and 4 x 4
// matrices in double, the matrices column by column as OpenGL keeps them.
#pragma once

#include <array>
#include <cmath>

struct Vec3
{
    double x = 0, y = 0, z = 0;
};
struct Vec4
{
    double x = 0, y = 0, z = 0, w = 1;
};

inline Vec3 operator+(Vec3 a, Vec3 b) { return {a.x + b.x, a.y + b.y, a.z + b.z}; }
inline Vec3 operator-(Vec3 a, Vec3 b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
inline Vec3 operator-(Vec3 a) { return {-a.x, -a.y, -a.z}; }
inline Vec3 operator*(double k, Vec3 a) { return {k * a.x, k * a.y, k * a.z}; }
inline double Dot(Vec3 a, Vec3 b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
inline double Length(Vec3 a) { return std::sqrt(Dot(a, a)); }
// a at length 1; the zero vector stays zero.
inline Vec3 Unit(Vec3 a)
{
    const double n = Length(a);
    return n > 0 ? (1 / n) * a : a;
}
inline Vec3 XYZ(Vec4 a) { return {a.x, a.y, a.z}; }

using Mat4 = std::array<double, 16>;

inline Mat4 Identity() { return {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1}; }

inline Mat4 operator*(const Mat4& a, const Mat4& b)
{
    Mat4 m{};
    for (int c = 0; c < 4; ++c)
        for (int r = 0; r < 4; ++r)
            for (int k = 0; k < 4; ++k)
                m[4 * c + r] += a[4 * k + r] * b[4 * c + k];
    return m;
}

inline Vec4 operator*(const Mat4& m, Vec4 v)
{
    return {m[0] * v.x + m[4] * v.y + m[8] * v.z + m[12] * v.w, m[1] * v.x + m[5] * v.y + m[9] * v.z + m[13] * v.w,
            m[2] * v.x + m[6] * v.y + m[10] * v.z + m[14] * v.w, m[3] * v.x + m[7] * v.y + m[11] * v.z + m[15] * v.w};
}

// As glTranslated, glRotated and glScaled make them.
inline Mat4 Translation(double x, double y, double z) { return {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, x, y, z, 1}; }
inline Mat4 Scaling(double x, double y, double z) { return {x, 0, 0, 0, 0, y, 0, 0, 0, 0, z, 0, 0, 0, 0, 1}; }
Mat4 Rotation(double degrees, Vec3 axis);

// The matrix normals are turned by: the inverse transpose of m's upper 3 x 3
// (in columns 0..2 of the result), as lighting takes it.
Mat4 NormalMatrix(const Mat4& m);
inline Vec3 TurnNormal(const Mat4& n, Vec3 v) { return XYZ(n * Vec4{v.x, v.y, v.z, 0}); }
