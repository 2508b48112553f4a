#include "CLightWnd.h"

#include "CubeFaces.h"
#include "LitScene.h"

#include <GL/gl.h>

void CLightWnd::OnCreate()
{
    COpenGLWnd::OnCreate();
    BuildDisplayList();
    StartTimer();
}

void CLightWnd::BuildDisplayList()
{
    litscene::EnableLitState(false);

    litscene::SetUpColouredLamps();
    litscene::SetUpMaterial();

    glNewList(1, GL_COMPILE_AND_EXECUTE);
    glShadeModel(GL_SMOOTH);
    glColor3f(1.0f, 1.0f, 1.0f);
    DrawCubeFaces(m_halfSize, FaceExtras::Normals);
    glEndList();
}
