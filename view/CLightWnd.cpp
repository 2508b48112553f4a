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
    litscene::EnableLitState(false);

    litscene::SetUpColouredLamps();
    litscene::SetUpMaterial();

    glNewList(1, GL_COMPILE_AND_EXECUTE);
    glShadeModel(GL_SMOOTH);
    glColor3f(1.0f, 1.0f, 1.0f);
    DrawFaces(m_halfSize);
    glEndList();
}
