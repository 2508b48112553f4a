#include "CLightWnd.h"

#include "CubeFaces.h"

#include <GL/gl.h>

void CLightWnd::OnCreate()
{
    COpenGLWnd::OnCreate();
    BuildDisplayList();
    StartTimer();
}

void CLightWnd::BuildDisplayList()
{
    // The lamps, the material and the switches came with the record.
    glNewList(1, GL_COMPILE_AND_EXECUTE);
    glShadeModel(GL_SMOOTH);
    glColor3f(1.0f, 1.0f, 1.0f);
    DrawCubeFaces(m_halfSize, FaceExtras::Normals);
    glEndList();
}
