#include "CCubeWnd.h"

#include "CubeFaces.h"

#include <GL/gl.h>

int CCubeWnd::OnCreate()
{
    if (COpenGLWnd::OnCreate() == -1)
        return -1;
    SetLineSmoothing(true);
    BuildDisplayList();
    StartTimer();
    return 0;
}

void CCubeWnd::BuildDisplayList()
{
    // Context state, outside the list: the faces are drawn as outlines.
    glPolygonMode(GL_FRONT_AND_BACK, GL_LINE);
    glNewList(1, GL_COMPILE_AND_EXECUTE);
    // Inside the list, so that the axes' red does not reach the cube.
    glColor3ub(255, 255, 255);
    const double h = m_halfSize;
    for (const CubeFace& face : kCubeFaces) {
        glBegin(GL_QUADS);
        for (const auto& v : face.vertex)
            glVertex3d(v[0] * h, v[1] * h, v[2] * h);
        glEnd();
    }
    glEndList();
}
