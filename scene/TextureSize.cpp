#include "TextureSize.h"

namespace {

// The largest power of two that OpenGL could be asked for: 2^30 keeps the
// doubling below within an int.
constexpr int kLargestSide = 1 << 30;

int PowerAtOrAbove(int side, int bound)
{
    int power = 1;
    while (power < side && power < bound)
        power *= 2;
    return power;
}

int PowerAtOrBelow(int side)
{
    int power = 1;
    while (power <= side / 2 && power < kLargestSide)
        power *= 2;
    return power;
}

}

TextureSize UploadSize(int width, int height, int maxSide)
{
    const int bound = maxSide > 0 ? PowerAtOrBelow(maxSide) : kLargestSide;
    return {PowerAtOrAbove(width, bound), PowerAtOrAbove(height, bound)};
}
