// The numbers the scenes are built from, with no OpenGL in sight: the
// windows pass them to OpenGL, and the code window prints them.
#pragma once

struct CubeFace
{
    double normal[3];
    double vertex[4][3];   // in units of the half edge h
};

// Faces 1 to 6: z = +h, z = -h, x = +h, x = -h, y = -h, y = +h.
// Faces 3 and 4 share (-1, 0, 0), faces 5 and 6 share (0, 1, 0): with
// two-sided lighting each is lit as seen, whichever way the normal points.
inline constexpr CubeFace kCubeFaces[6] = {
    {{0, 0, -1}, {{1, 1, 1}, {1, -1, 1}, {-1, -1, 1}, {-1, 1, 1}}},
    {{0, 0, 1}, {{-1, 1, -1}, {-1, -1, -1}, {1, -1, -1}, {1, 1, -1}}},
    {{-1, 0, 0}, {{1, 1, 1}, {1, 1, -1}, {1, -1, -1}, {1, -1, 1}}},
    {{-1, 0, 0}, {{-1, 1, 1}, {-1, 1, -1}, {-1, -1, -1}, {-1, -1, 1}}},
    {{0, 1, 0}, {{-1, -1, 1}, {1, -1, 1}, {1, -1, -1}, {-1, -1, -1}}},
    {{0, 1, 0}, {{-1, 1, 1}, {1, 1, 1}, {1, 1, -1}, {-1, 1, -1}}},
};

// Texture coordinates of vertices 1 to 4 of every face.
inline constexpr float kFaceTexCoords[4][2] = {{0, 0}, {1, 0}, {1, 1}, {0, 1}};

namespace scenetables {

// The cut-off stays at 180 degrees, so this direction has no effect.
inline constexpr float kNoSpotDirection[3] = {0, 0, 0};

}
