#include "CCubeWnd.h"

#include "CubeFaces.h"

#include <GL/gl.h>

void CCubeWnd::OnCreate()
{
    // Smoothing is in the record from the start: the set-up applies it.
    COpenGLWnd::OnCreate();
    BuildDisplayList();
    StartTimer();
}

void CCubeWnd::BuildDisplayList()
{
    // The record draws the faces as outlines (not filled).
    glNewList(1, GL_COMPILE_AND_EXECUTE);
    // Inside the list, so that the axes' red does not reach the cube.
    glColor3ub(255, 255, 255);
    DrawCubeFaces(m_halfSize, FaceExtras::None);
    glEndList();
}
