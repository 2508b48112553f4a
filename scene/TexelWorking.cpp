#include "TexelWorking.h"

#include "TextureTables.h"

#include <algorithm>
#include <cmath>

namespace {

int Levels(const PixelTexture& t)
{
    int levels = 1;
    for (int w = t.width, h = t.height; w > 1 || h > 1; w = std::max(1, w / 2), h = std::max(1, h / 2))
        ++levels;
    return levels;
}

// Texel (column, row) of level: the mean of the picture's texels it stands
// for (the levels are halvings by a 2 x 2 box); GL_CLAMP's border is black.
TexelWorking Texel(const ViewState& s, const PixelTexture& t, int level, int column, int row, double weight)
{
    const int w = std::max(1, t.width >> level), h = std::max(1, t.height >> level);
    TexelWorking texel{level, column, row, weight, {0, 0, 0, 0}};
    const bool repeat[2] = {s.wrapS == kRepeat.glEnum, s.wrapT == kRepeat.glEnum};
    if (repeat[0])
        texel.column = column = (column % w + w) % w;
    if (repeat[1])
        texel.row = row = (row % h + h) % h;
    if (column < 0 || column >= w || row < 0 || row >= h)
        return texel;   // the border
    const int bw = t.width / w, bh = t.height / h;
    double sum[3] = {};
    for (int y = row * bh; y < (row + 1) * bh; ++y)
        for (int x = column * bw; x < (column + 1) * bw; ++x)
            for (int c = 0; c < 3; ++c)
                sum[c] += t.rgb[3 * (size_t(y) * t.width + x) + c];
    for (int c = 0; c < 3; ++c)
        texel.colour[c] = sum[c] / (255.0 * bw * bh);
    texel.colour[3] = 1;
    return texel;
}

// One level filtered at (s, t): the nearest texel, or GL_LINEAR's four
// weighted by nearness. GL_CLAMP keeps s and t within 0..1 first.
void Filter(const ViewState& st, const PixelTexture& t, int level, bool linear, double share, TextureWorking& w)
{
    const int width = std::max(1, t.width >> level), height = std::max(1, t.height >> level);
    const double s = st.wrapS == kClamp.glEnum ? std::clamp(w.s, 0.0, 1.0) : w.s;
    const double tt = st.wrapT == kClamp.glEnum ? std::clamp(w.t, 0.0, 1.0) : w.t;
    const double u = s * width, v = tt * height;
    if (w.texels.empty())
        w.u = u, w.v = v;
    if (!linear) {
        // GL_CLAMP's nearest texel at s = 1 is the last, not the border.
        const int c = std::min(int(std::floor(u)), st.wrapS == kClamp.glEnum ? width - 1 : INT32_MAX);
        const int r = std::min(int(std::floor(v)), st.wrapT == kClamp.glEnum ? height - 1 : INT32_MAX);
        w.texels.push_back(Texel(st, t, level, c, r, share));
        return;
    }
    const double i = std::floor(u - 0.5), j = std::floor(v - 0.5), a = u - 0.5 - i, b = v - 0.5 - j;
    const int c = int(i), r = int(j);
    w.texels.push_back(Texel(st, t, level, c, r, share * (1 - a) * (1 - b)));
    w.texels.push_back(Texel(st, t, level, c + 1, r, share * a * (1 - b)));
    w.texels.push_back(Texel(st, t, level, c, r + 1, share * (1 - a) * b));
    w.texels.push_back(Texel(st, t, level, c + 1, r + 1, share * a * b));
}

// The levels a filter reads at lod, with their shares.
void FilterAtLod(const ViewState& s, const PixelTexture& t, TextureWorking& w)
{
    const int f = w.filter, last = Levels(t) - 1;
    const bool linear = f == kLinear.glEnum || f == 0x2701 || f == 0x2703;   // ..._LINEAR and LINEAR_MIPMAP_...
    if (!Mipmapped(f)) {
        Filter(s, t, 0, linear, 1, w);
    } else if (f == 0x2700 || f == 0x2701) {   // ..._MIPMAP_NEAREST: the nearest level
        const int d = w.lod <= 0.5 ? 0 : int(std::ceil(w.lod + 0.5)) - 1;
        Filter(s, t, std::min(d, last), linear, 1, w);
    } else {                                   // ..._MIPMAP_LINEAR: the two levels round lod
        const int d = std::clamp(int(std::floor(w.lod)), 0, last), e = std::min(d + 1, last);
        const double share = std::clamp(w.lod - d, 0.0, 1.0);
        Filter(s, t, d, linear, 1 - share, w);
        Filter(s, t, e, linear, share, w);
    }
}

// The texture's colour with the corners' colour, for an RGB picture.
Colour Combine(const ViewState& s, const Colour& f, const Colour& t)
{
    Colour c = f;
    for (int k = 0; k < 3; ++k) {
        if (s.envMode == kModulate.glEnum)
            c[k] = f[k] * t[k];
        else if (s.envMode == kBlendMode.glEnum)
            c[k] = f[k] * (1 - t[k]) + double(s.envColour[size_t(k)]) * t[k];
        else   // GL_DECAL and GL_REPLACE: the texel
            c[k] = t[k];
    }
    return c;
}

}

void SampleTexture(const ViewState& s, const PixelTexture& texture, const double ds[2], const double dt[2],
                   const Colour& lit, TextureWorking& w)
{
    const double rho = std::max(std::hypot(ds[0] * texture.width, dt[0] * texture.height),
                                std::hypot(ds[1] * texture.width, dt[1] * texture.height));
    w.lod = rho > 0 ? std::log2(rho) : -1e9;
    w.filter = w.lod <= 0 ? s.magFilter : s.minFilter;
    FilterAtLod(s, texture, w);
    for (const TexelWorking& texel : w.texels)
        for (int k = 0; k < 4; ++k)
            w.texel[k] += texel.weight * texel.colour[k];
    w.result = Combine(s, lit, w.texel);
}
