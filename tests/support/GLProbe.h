// Reading back what a frame drew, for probing a few pixels of a picture.
#pragma once

#include <cstdlib>
#include <ostream>
#include <vector>

struct Rgb
{
    int r, g, b;
};

inline bool Near(const Rgb& a, const Rgb& b, int tolerance)
{
    return std::abs(a.r - b.r) <= tolerance && std::abs(a.g - b.g) <= tolerance &&
           std::abs(a.b - b.b) <= tolerance;
}

inline std::ostream& operator<<(std::ostream& os, const Rgb& c)
{
    return os << "rgb(" << c.r << ", " << c.g << ", " << c.b << ")";
}

// The pixel at window coordinates (x, y), y counted from the top, from the
// back buffer of the current context (where DrawScene draws).
Rgb ReadBackPixel(int x, int y);
// The whole viewport of that buffer, RGB rows bottom first.
std::vector<unsigned char> ReadBackFrame();
