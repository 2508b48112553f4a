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

// The cube's half edge: it spans -h..h on each axis.
inline constexpr double kHalfEdge = 2.5;
// The cube's centre lies this far in front of the eye, on -z.
inline constexpr double kSceneDistance = 8.0;
// The perspective view shows the scene nearer, so the cube is drawn at
// this share of its size there.
inline constexpr float kPerspectiveShare = 0.5f;
inline constexpr float SizeShare(bool perspective) { return perspective ? kPerspectiveShare : 1.0f; }

// The red axes: shifted (in the box, in perspective behind the scene),
// tilted about x then y by fixed angles, each kAxisLength long.
inline constexpr float kAxesShift[2][3] = {{0.5f, -0.5f, 0.0f}, {0.0f, 0.0f, -9.6f}};
inline constexpr float kAxesTilt[2] = {20.0f, -30.0f};
inline constexpr float kAxisLength = 20.0f;

// What OpenGL holds until the code says otherwise, and the scene relies on:
// the white lamp's position (a light from the viewer's side, far off), the
// light model's global ambient, and the colour the cube is drawn in (with
// GL_COLOR_MATERIAL, the lit cube's ambient and diffuse material).
inline constexpr float kDefaultLampPosition[4] = {0, 0, 1, 0};
inline constexpr float kGlobalAmbient[4] = {0.2f, 0.2f, 0.2f, 1.0f};
inline constexpr float kCubeColour[4] = {1, 1, 1, 1};

namespace scenetables {

// The cut-off stays at 180 degrees, so this direction has no effect.
inline constexpr float kNoSpotDirection[3] = {0, 0, 0};

}
