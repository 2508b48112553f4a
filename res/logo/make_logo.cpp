// Draws the texture picture "logo.bmp": a letter F and an arrow pointing up
// on a light ground inside a dark border. Both shapes are lopsided, so a
// picture mapped mirrored or upside down is plain to see on the cube.
//
// Usage: make-logo OUTPUT.bmp   (the result is committed as res/logo.bmp)
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

// A power of two, so that strict OpenGL 1.1 implementations take it as a texture.
constexpr int kSize = 256;

struct Colour
{
    std::uint8_t r, g, b;
};

constexpr Colour kGround{236, 226, 196};
constexpr Colour kBorder{28, 56, 112};
constexpr Colour kLetter{176, 32, 32};
constexpr Colour kArrow{24, 120, 56};

// Rows top first while drawing; written bottom first below.
using Picture = std::vector<Colour>;

void FillRect(Picture& pic, int x0, int y0, int x1, int y1, Colour c)
{
    for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x)
            pic[y * kSize + x] = c;
}

// Triangle with its apex at (cx, top) and its base from cx - half to cx + half at y = base.
void FillUpTriangle(Picture& pic, int cx, int top, int base, int half, Colour c)
{
    for (int y = top; y < base; ++y) {
        const int w = half * (y - top) / (base - top);
        for (int x = cx - w; x <= cx + w; ++x)
            pic[y * kSize + x] = c;
    }
}

Picture Draw()
{
    Picture pic(kSize * kSize, kGround);
    const int b = 12;
    FillRect(pic, 0, 0, kSize, b, kBorder);
    FillRect(pic, 0, kSize - b, kSize, kSize, kBorder);
    FillRect(pic, 0, 0, b, kSize, kBorder);
    FillRect(pic, kSize - b, 0, kSize, kSize, kBorder);

    // F: the stem on the left, the long bar at the top.
    FillRect(pic, 40, 48, 66, 208, kLetter);
    FillRect(pic, 40, 48, 124, 74, kLetter);
    FillRect(pic, 40, 116, 106, 140, kLetter);

    // Arrow pointing to the top edge.
    FillUpTriangle(pic, 184, 44, 112, 44, kArrow);
    FillRect(pic, 172, 112, 197, 208, kArrow);
    return pic;
}

void Put16(std::vector<std::uint8_t>& out, unsigned v)
{
    out.push_back(v & 0xFF);
    out.push_back((v >> 8) & 0xFF);
}

void Put32(std::vector<std::uint8_t>& out, std::uint32_t v)
{
    Put16(out, v & 0xFFFF);
    Put16(out, v >> 16);
}

// A 24-bit bitmap with the 14-byte file header and the 40-byte Windows header.
std::vector<std::uint8_t> Encode(const Picture& pic)
{
    const std::uint32_t rowBytes = (kSize * 3 + 3) & ~3u;
    const std::uint32_t imageBytes = rowBytes * kSize;
    const std::uint32_t offset = 14 + 40;
    std::vector<std::uint8_t> out;
    out.push_back('B');
    out.push_back('M');
    Put32(out, offset + imageBytes);
    Put32(out, 0);
    Put32(out, offset);
    Put32(out, 40);
    Put32(out, kSize);
    Put32(out, kSize);  // positive: bottom row first
    Put16(out, 1);
    Put16(out, 24);
    Put32(out, 0);      // no compression
    Put32(out, imageBytes);
    Put32(out, 2835);   // 72 dpi
    Put32(out, 2835);
    Put32(out, 0);
    Put32(out, 0);
    for (int y = kSize - 1; y >= 0; --y) {
        for (int x = 0; x < kSize; ++x) {
            const Colour& c = pic[y * kSize + x];
            out.push_back(c.b);
            out.push_back(c.g);
            out.push_back(c.r);
        }
        for (std::uint32_t pad = kSize * 3; pad < rowBytes; ++pad)
            out.push_back(0);
    }
    return out;
}

}

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT.bmp\n", argv[0]);
        return 2;
    }
    const std::vector<std::uint8_t> bytes = Encode(Draw());
    std::FILE* f = std::fopen(argv[1], "wb");
    if (!f || std::fwrite(bytes.data(), 1, bytes.size(), f) != bytes.size()) {
        std::perror(argv[1]);
        if (f)
            std::fclose(f);
        return 1;
    }
    return std::fclose(f) == 0 ? 0 : 1;
}
