// The cube that every scene draws: six quadrilaterals at +-h, in this vertex
// order. The lit scenes' normals pair with this winding: change neither alone.
#pragma once

#include "SceneTables.h"

#include <GL/gl.h>

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
