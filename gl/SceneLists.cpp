#include "SceneLists.h"

#include "CubeFaces.h"

#include <GL/gl.h>

void BuildWireCubeList(double h)
{
    // The record draws the faces as outlines (not filled).
    glNewList(1, GL_COMPILE_AND_EXECUTE);
    // Inside the list, so that the axes' red does not reach the cube.
    glColor3ub(255, 255, 255);
    DrawCubeFaces(h, FaceExtras::None);
    glEndList();
}

void BuildLitCubeList(double h)
{
    glNewList(1, GL_COMPILE_AND_EXECUTE);
    glShadeModel(GL_SMOOTH);
    glColor3f(1.0f, 1.0f, 1.0f);
    DrawCubeFaces(h, FaceExtras::Normals);
    glEndList();
}

// The white lamp keeps its default position: a directional light from the
// viewer's side.
void BuildTexturedCubeList(double h, const RgbImage* picture)
{
    // The picture goes into a texture object once, and the list binds it:
    // an image recorded in the list would be copied into the texture anew on
    // every frame, which costs more than the rest of the frame.
    GLuint texture = 0;
    if (picture) {
        glGenTextures(1, &texture);
        glBindTexture(GL_TEXTURE_2D, texture);
        // At its own size, neither tested nor rescaled; the loader packs rows with no gap.
        glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
        glTexImage2D(GL_TEXTURE_2D, 0, 3, picture->width, picture->height, 0, GL_RGB, GL_UNSIGNED_BYTE,
                     picture->pixels);
    }
    glNewList(1, GL_COMPILE_AND_EXECUTE);
    if (picture)
        glBindTexture(GL_TEXTURE_2D, texture);
    if (picture)
        glEnable(GL_TEXTURE_2D);
    glShadeModel(GL_SMOOTH);
    glColor3f(1.0f, 1.0f, 1.0f);
    // Every face carries the whole picture, its lower left corner at vertex 1.
    DrawCubeFaces(h, FaceExtras::TexCoords);
    // The frame draws the axes before calling the list: they stay untextured.
    glDisable(GL_TEXTURE_2D);
    glEndList();
}
