// The cube that every scene draws: six quadrilaterals at +-h, in this vertex
// order. The lit scenes' normals pair with this winding: change neither alone.
#pragma once

#include <GL/gl.h>

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

enum class FaceExtras
{
    None,        // the wire frame
    Normals,     // the lit cube
    TexCoords,   // the textured cube: normals and the whole picture on every face
};

// The six faces at half edge h, each its own quadrilateral, with one normal
// per face exactly as the table gives it.
inline void DrawCubeFaces(double h, FaceExtras extras)
{
    for (const CubeFace& face : kCubeFaces) {
        glBegin(GL_QUADS);
        if (extras != FaceExtras::None)
            glNormal3d(face.normal[0], face.normal[1], face.normal[2]);
        for (int i = 0; i < 4; ++i) {
            const double* v = face.vertex[i];
            if (extras == FaceExtras::TexCoords)
                glTexCoord2f(kFaceTexCoords[i][0], kFaceTexCoords[i][1]);
            glVertex3d(h * v[0], h * v[1], h * v[2]);
        }
        glEnd();
    }
}
