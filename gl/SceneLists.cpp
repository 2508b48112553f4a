#include "SceneLists.h"

#include "CubeFaces.h"

#include "TextureSize.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include <cstddef>
#include <vector>

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

int MaxTextureSide()
{
    GLint side = 0;
    glGetIntegerv(GL_MAX_TEXTURE_SIZE, &side);
    return side;
}

namespace {

// At the size UploadSize gives, which the printed code shows too: OpenGL 1.1
// refuses other sides. Level 0 is that picture; the smaller levels are there
// for a mipmapped minifying filter.
void UploadPicture(const RgbImage& picture)
{
    const int maxSide = MaxTextureSide();
    const TextureSize size = UploadSize(picture.width, picture.height, maxSide);
    // The loader packs rows with no gap.
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    std::vector<unsigned char> scaled;
    const unsigned char* pixels = picture.pixels;
    if (NeedsScaling(picture.width, picture.height, maxSide)) {
        scaled.resize(std::size_t{3} * std::size_t(size.width) * std::size_t(size.height));
        gluScaleImage(GL_RGB, picture.width, picture.height, GL_UNSIGNED_BYTE, picture.pixels, size.width,
                      size.height, GL_UNSIGNED_BYTE, scaled.data());
        pixels = scaled.data();
    }
    gluBuild2DMipmaps(GL_TEXTURE_2D, 3, size.width, size.height, GL_RGB, GL_UNSIGNED_BYTE, pixels);
}

}

// The white lamp keeps its default position: a directional light from the
// viewer's side.
unsigned BuildTexturedCubeList(double h, const RgbImage* picture, unsigned old)
{
    // The picture goes into a texture object once, and the list binds it:
    // an image recorded in the list would be copied into the texture anew on
    // every frame, which costs more than the rest of the frame.
    GLuint texture = 0;
    if (old)
        glDeleteTextures(1, &old);
    if (picture) {
        glGenTextures(1, &texture);
        glBindTexture(GL_TEXTURE_2D, texture);
        UploadPicture(*picture);
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
    return texture;
}
