// Why a pixel has its colour: the fixed-function stages of OpenGL 1.1 worked
// out for one pixel of a page's picture, from the record alone, each with the
// numbers it took. What is at the pixel (the background, an axis or a face of
// the cube); where the face's corners go through the model-view matrix, the
// projection and the viewport; the light at each corner; the colour the
// pixel takes from them; the texel; the fog. No OpenGL: the same numbers the
// window draws with, in double precision.
#pragma once

#include "SceneKind.h"
#include "VertexLighting.h"

#include <vector>

// The texture page's picture: RGB, rows bottom first, no gap.
struct PixelTexture
{
    int width = 0, height = 0;
    const unsigned char* rgb = nullptr;
};

enum class PixelSubject
{
    Background,   // the clear colour, no fog
    Axis,         // one of the red axes
    Edge,         // an edge of the cube drawn as a line (GL_LINE)
    Face,         // a face of the cube
};

// One corner of the triangle the pixel lies in.
struct CornerWorking
{
    int corner = 0;         // 0..3 in its face's row of kCubeFaces
    Vec4 object, eye, clip;
    Vec3 ndc, window;
    bool lit = false;       // with lighting off, the corner keeps the current colour
    VertexLight light;
    Colour colour{};        // what the corner carries to the pixel
    double s = 0, t = 0;    // its texture coordinates
};

struct TexelWorking
{
    int level = 0;             // the mipmap level: 0 the picture, each next half the size
    int column = 0, row = 0;   // row 0 is the picture's bottom
    double weight = 0;         // its share of the filtered colour
    Colour colour{};
};

struct TextureWorking
{
    bool on = false;
    double s = 0, t = 0;                 // at the pixel
    double lod = 0;                      // log2 of picture texels per pixel
    int filter = 0;                      // the filter used: magnification's when lod <= 0
    double u = 0, v = 0;                 // in texels of the first level sampled
    std::vector<TexelWorking> texels;    // what the filter took, with the wrap applied
    Colour texel{}, result{};            // filtered, and the environment's result
};

struct FogWorking
{
    bool on = false;
    double density = 0, distance = 0, factor = 1;   // f = e^(-density * distance)
    Colour colour{}, result{};
};

struct PixelWorking
{
    int x = 0, y = 0;                  // from the lower left, as glReadPixels counts
    PixelSubject subject = PixelSubject::Background;
    int axis = -1;                     // 0..2 for x, y, z when an axis is seen
    Colour lineColour{};               // an axis's or edge's colour, lit and fogged
    double edgeDistance = 1e9;         // window pixels to the nearest edge or line
    bool onEdge = false;               // within 1.5 pixels of one: coverage decides there
    int face = -1, triangle = 0;       // kCubeFaces' row; the first or second triangle of it
    bool front = true;                 // the face's front (counter-clockwise) side seen
    Vec3 normal;                       // the face's normal in object coordinates, as drawn
    std::array<CornerWorking, 3> corners;
    std::array<double, 3> weights{};   // the corners' shares in window coordinates
    std::array<double, 3> corrected{}; // the same divided by each corner's w, as colours take them
    double depth = 0;                  // window z, 0..1
    Colour colour{};                   // from the corners
    TextureWorking texture;
    FogWorking fog;
    Colour result{};
    std::array<int, 3> bytes{};        // result in 0..255, as the frame buffer keeps it
};

// Pixel (x, y) of the picture a window of kind draws from s (its size
// included); texture is the texture page's picture, empty elsewhere.
PixelWorking WorkOutPixel(SceneKind kind, const ViewState& s, const PixelTexture& texture, int x, int y);

// The two triangles each face of the cube is drawn as, by corner.
inline constexpr int kFaceTriangles[2][3] = {{0, 1, 3}, {1, 2, 3}};
