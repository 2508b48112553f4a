#include "CTexWnd.h"

#include "CubeFaces.h"
#include "DataFile.h"
#include "LoadBmpImage.h"

#include <GL/gl.h>

namespace {

// The picture goes in at its own size: neither tested nor rescaled.
void DefineTextureImage(const RgbImage& image)
{
    // The loader packs rows with no gap.
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glTexImage2D(GL_TEXTURE_2D, 0, 3, image.width, image.height, 0, GL_RGB,
                 GL_UNSIGNED_BYTE, image.pixels);
}

}

CTexWnd::~CTexWnd()
{
    FreeRgbImage(m_pImage);
}

void CTexWnd::OnCreate()
{
    COpenGLWnd::OnCreate();
    BuildDisplayList();
    StartTimer();
}

void CTexWnd::BuildDisplayList()
{
    // The lamps, the material and the switches came with the record. The
    // white lamp keeps its default position: a directional light from the
    // viewer's side.
    // Read before the list is opened: a failure notice runs a modal loop,
    // and nothing may paint (and so call list 1) while list 1 is compiled.
    m_pImage = LoadBmpImage(FindDataFile("logo.bmp").c_str());
    // Without a picture the cube is drawn plain, lit white.
    const bool textured = m_pImage != nullptr;

    // The picture goes into a texture object once, and the list binds it:
    // an image recorded in the list would be copied into the texture anew on
    // every frame, which costs more than the rest of the frame.
    GLuint texture = 0;
    if (textured) {
        glGenTextures(1, &texture);
        glBindTexture(GL_TEXTURE_2D, texture);
        glTexParameterf(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
        DefineTextureImage(*m_pImage);
    }

    glNewList(1, GL_COMPILE_AND_EXECUTE);
    if (textured)
        glBindTexture(GL_TEXTURE_2D, texture);
    glTexEnvf(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
    if (textured)
        glEnable(GL_TEXTURE_2D);
    glShadeModel(GL_SMOOTH);
    glColor3f(1.0f, 1.0f, 1.0f);
    // Every face carries the whole picture, its lower left corner at vertex 1.
    DrawCubeFaces(m_halfSize, FaceExtras::TexCoords);
    // The frame draws the axes before calling the list: they stay untextured.
    glDisable(GL_TEXTURE_2D);
    glEndList();
}
