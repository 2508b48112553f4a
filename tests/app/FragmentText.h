// Reading numbers back out of the code window's fragment, as a student
// would read them, to hold them against what they claim to be.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <locale>
#include <sstream>
#include <string>

// The 4 x 4 matrix printed row by row after title, column by column as
// OpenGL keeps it; NaN where there is none, so that no expectation holds.
inline std::array<float, 16> PrintedMatrix(const std::string& text, const std::string& title)
{
    std::array<float, 16> m;
    m.fill(NAN);
    const size_t at = text.find(title);
    if (at == std::string::npos)
        return m;
    std::istringstream rows(text.substr(at + title.size() + 2));
    rows.imbue(std::locale::classic());   // whatever locale an earlier test left
    std::string star;
    for (int r = 0; r < 4; ++r)
        rows >> star >> m[r] >> m[4 + r] >> m[8 + r] >> m[12 + r];
    return m;
}

// The matrix printed after title against m, each number to its printed precision.
inline void ExpectPrinted(const std::string& text, const std::string& title, const float* m)
{
    const std::array<float, 16> v = PrintedMatrix(text, title);
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c)
            EXPECT_NEAR(v[4 * c + r], m[4 * c + r], 1e-4 * (1 + std::fabs(m[4 * c + r]))) << title << " " << r << ", " << c;
}

// The number that follows prefix in text from from on, or NaN. Read in C's
// form whatever locale an earlier test left behind.
inline double After(const std::string& text, const std::string& prefix, size_t from = 0)
{
    const size_t at = text.find(prefix, from);
    if (at == std::string::npos)
        return NAN;
    std::istringstream in(text.substr(at + prefix.size(), 40));
    in.imbue(std::locale::classic());
    double v = NAN;
    in >> v;
    return v;
}

// The fog note's line for one corner ("ближний" or "дальний") against the
// cube's corners under the printed model-view matrix: its depth is the
// nearest (or farthest) of the eight, and f and the two shares follow from it.
inline void ExpectFogLineFromTheCorners(const std::string& f, const std::string& which, bool nearest)
{
    SCOPED_TRACE(which + " corner");
    const std::array<float, 16> m = PrintedMatrix(f, "GL_MODELVIEW_MATRIX (для куба):");
    const double h = After(f, "полуребро "), density = After(f, "glFogf(GL_FOG_DENSITY, ");
    double depth = nearest ? INFINITY : 0;
    for (int corner = 0; corner < 8; ++corner) {
        const double x = corner & 1 ? h : -h, y = corner & 2 ? h : -h, z = corner & 4 ? h : -h;
        const double eye = std::fabs(m[2] * x + m[6] * y + m[10] * z + m[14]);
        depth = nearest ? std::min(depth, eye) : std::max(depth, eye);
    }
    const std::string prefix = which + " угол куба, z = ";
    const size_t at = f.find(prefix);
    ASSERT_NE(at, std::string::npos) << "no fog note";
    const double z = After(f, prefix, at), factor = After(f, ": f = ", at), cube = After(f, ", куба ", at),
                 fog = After(f, ", тумана ", at);
    SCOPED_TRACE(f.substr(at, f.find('\n', at) - at));
    const double expected = std::exp(-density * depth);
    EXPECT_NEAR(z, depth, 0.006);
    EXPECT_NEAR(factor, expected, 0.0006);
    EXPECT_NEAR(cube, 100 * expected, 0.06);
    EXPECT_NEAR(fog, 100 * (1 - expected), 0.06);
}

// Both lines of the fog note.
inline void ExpectFogNoteFromTheCorners(const std::string& f)
{
    ExpectFogLineFromTheCorners(f, "ближний", true);
    ExpectFogLineFromTheCorners(f, "дальний", false);
}
