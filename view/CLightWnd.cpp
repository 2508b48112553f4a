#include "CLightWnd.h"

#include "CubeFaces.h"
#include "LitScene.h"

#include <GL/gl.h>

namespace {

// One normal per face, exactly as the face table gives it.
void DrawFaces(double h)
{
    for (const CubeFace& face : kCubeFaces) {
        glBegin(GL_QUADS);
        glNormal3d(face.normal[0], face.normal[1], face.normal[2]);
        for (const auto& v : face.vertex)
            glVertex3d(h * v[0], h * v[1], h * v[2]);
        glEnd();
    }
}

}

int CLightWnd::OnCreate()
{
    if (COpenGLWnd::OnCreate() == -1)
        return -1;
    BuildDisplayList();
    StartTimer();
    return 0;
}

void CLightWnd::BuildDisplayList()
{
    glEnable(GL_NORMALIZE);
    glEnable(GL_AUTO_NORMAL);
    glEnable(GL_ALPHA_TEST);   // the default GL_ALWAYS lets every fragment pass
    glEnable(GL_DEPTH_TEST);
    glEnable(GL_COLOR_MATERIAL);
    glEnable(GL_LIGHTING);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);

    litscene::SetUpColouredLamps();
    litscene::SetUpMaterial();

    glNewList(1, GL_COMPILE_AND_EXECUTE);
    glShadeModel(GL_SMOOTH);
    glColor3f(1.0f, 1.0f, 1.0f);
    DrawFaces(m_halfSize);
    glEndList();
}
