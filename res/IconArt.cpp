#include "IconArt.h"

#include <algorithm>
#include <cmath>

const std::uint32_t kIconPalette[kIconColours] = {0, 0x1A2A4A, 0xFFFFFF, 0xD8E8FF, 0x6FA0D8, 0x30609A};
const char kIconPaletteKeys[kIconColours + 1] = " kwtlr";

namespace {

enum Colour { kNone, kOutline, kEdge, kTop, kLeft, kRight };

struct Pt
{
    double x, y;
};

// The corners in units of the icon's side; the slopes are close to isometric.
constexpr Pt kTopCorner{0.5, 0.04}, kLeftUp{0.09, 0.27}, kRightUp{0.91, 0.27}, kCentre{0.5, 0.5},
    kLeftDown{0.09, 0.73}, kRightDown{0.91, 0.73}, kBottom{0.5, 0.96};

double Cross(Pt o, Pt a, Pt p)
{
    return (a.x - o.x) * (p.y - o.y) - (a.y - o.y) * (p.x - o.x);
}

// Inside the convex polygon given clockwise on screen (y down).
bool Inside(Pt p, std::initializer_list<Pt> corners)
{
    const Pt* c = corners.begin();
    const size_t n = corners.size();
    for (size_t i = 0; i < n; ++i)
        if (Cross(c[i], c[(i + 1) % n], p) < 0)
            return false;
    return true;
}

double DistanceToSegment(Pt p, Pt a, Pt b)
{
    const double dx = b.x - a.x, dy = b.y - a.y;
    const double t = std::clamp(((p.x - a.x) * dx + (p.y - a.y) * dy) / (dx * dx + dy * dy), 0.0, 1.0);
    return std::hypot(p.x - (a.x + t * dx), p.y - (a.y + t * dy));
}

std::uint32_t Channel(std::uint32_t rgb, int shift)
{
    return (rgb >> shift) & 0xFF;
}

}

int IconColourAt(double x, double y, int side)
{
    const Pt p{x / side, y / side};
    if (!Inside(p, {kTopCorner, kRightUp, kRightDown, kBottom, kLeftDown, kLeftUp}))
        return kNone;
    // Line widths in pixels, at least one so that small icons keep them.
    const double outline = std::max(1.0, side / 22.0) / side, edge = std::max(1.0, side / 30.0) / side;
    const Pt hexagon[] = {kTopCorner, kRightUp, kRightDown, kBottom, kLeftDown, kLeftUp};
    for (int i = 0; i < 6; ++i)
        if (DistanceToSegment(p, hexagon[i], hexagon[(i + 1) % 6]) < outline)
            return kOutline;
    for (Pt end : {kLeftUp, kRightUp, kBottom})
        if (DistanceToSegment(p, kCentre, end) < edge / 2)
            return kEdge;
    if (Inside(p, {kTopCorner, kRightUp, kCentre, kLeftUp}))
        return kTop;
    return p.x < kCentre.x ? kLeft : kRight;
}

std::vector<std::uint8_t> DrawIconIndexed(int side)
{
    // Just off the centre, so that a one-pixel line on a pixel boundary falls
    // on one side of it rather than on both or neither.
    constexpr double kSample = 0.499;
    std::vector<std::uint8_t> out(static_cast<size_t>(side) * side);
    for (int y = 0; y < side; ++y)
        for (int x = 0; x < side; ++x)
            out[static_cast<size_t>(y) * side + x] =
                static_cast<std::uint8_t>(IconColourAt(x + kSample, y + kSample, side));
    return out;
}

std::vector<std::uint32_t> DrawIconSmooth(int side)
{
    constexpr int kSamples = 4;
    std::vector<std::uint32_t> out(static_cast<size_t>(side) * side);
    for (int y = 0; y < side; ++y) {
        for (int x = 0; x < side; ++x) {
            std::uint32_t sum[3] = {0, 0, 0}, covered = 0;
            for (int sy = 0; sy < kSamples; ++sy) {
                for (int sx = 0; sx < kSamples; ++sx) {
                    const int c = IconColourAt(x + (sx + 0.5) / kSamples, y + (sy + 0.5) / kSamples, side);
                    if (c == kNone)
                        continue;
                    ++covered;
                    for (int k = 0; k < 3; ++k)
                        sum[k] += Channel(kIconPalette[c], 16 - 8 * k);
                }
            }
            std::uint32_t argb = covered * 255 / (kSamples * kSamples) << 24;
            for (int k = 0; covered && k < 3; ++k)
                argb |= (sum[k] / covered) << (16 - 8 * k);
            out[static_cast<size_t>(y) * side + x] = argb;
        }
    }
    return out;
}
