// The matrices a fragment prints in its comment, read back for the tests.
#pragma once

#include <gtest/gtest.h>

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
