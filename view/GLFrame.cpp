#include "GLFrame.h"

#include <GL/gl.h>
#include <GL/glu.h>

namespace glframe {

double AspectOf(int cx, int cy)
{
    return cy == 0 ? cx : static_cast<double>(cx) / cy;
}

void ApplyClearColour()
{
    glClearColor(0.24f, 0.37f, 0.49f, 1.0f);
}

void ApplySize(int cx, int cy)
{
    glViewport(0, 0, cx, cy);
    // A size change always brings back the orthographic box.
    ApplyProjection(false, 0.0);
}

void ApplyProjection(bool perspective, double aspect)
{
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    if (perspective)
        gluPerspective(45.0, aspect, 1.0, 100.0);
    else
        glOrtho(-6.0, 6.0, -6.0, 6.0, -20.0, 20.0);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
}

void DrawFrame(const FrameParams& p)
{
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);

    // The axes keep a fixed tilt; in perspective they sit behind the scene.
    glPushMatrix();
    if (p.perspective)
        glTranslatef(0.0f, 0.0f, -9.6f);
    else
        glTranslatef(0.5f, -0.5f, 0.0f);
    glRotatef(20.0f, 1.0f, 0.0f, 0.0f);
    glRotatef(-30.0f, 0.0f, 1.0f, 0.0f);
    glBegin(GL_LINES);
    glColor3f(1.0f, 0.0f, 0.0f);
    glVertex3f(0.0f, 0.0f, 0.0f);
    glVertex3f(20.0f, 0.0f, 0.0f);
    glColor3f(1.0f, 0.0f, 0.0f);
    glVertex3f(0.0f, 0.0f, 0.0f);
    glVertex3f(0.0f, 20.0f, 0.0f);
    glColor3f(1.0f, 0.0f, 0.0f);
    glVertex3f(0.0f, 0.0f, 0.0f);
    glVertex3f(0.0f, 0.0f, 20.0f);
    glEnd();
    glPopMatrix();

    glPushMatrix();
    glTranslated(0.0, 0.0, -8.0);
    glRotated(p.angleX, 1.0, 0.0, 0.0);
    glRotated(p.angleY, 0.0, 1.0, 0.0);
    // The perspective view shows the scene nearer, so it is drawn at half size.
    if (p.perspective)
        glScalef(p.scaleX * 0.5f, p.scaleY * 0.5f, p.scaleZ * 0.5f);
    else
        glScalef(p.scaleX, p.scaleY, p.scaleZ);
    glCallList(1);
    glPopMatrix();
}

void EnableLamp(int lamp, bool on)
{
    const GLenum light = GL_LIGHT0 + static_cast<GLenum>(lamp - 1);
    if (on)
        glEnable(light);
    else
        glDisable(light);
}

void ApplyFog(bool on, signed char steps)
{
    if (!on) {
        glDisable(GL_FOG);
        return;
    }
    const GLfloat colour[4] = {0.95f, 0.95f, 0.95f, 1.0f};
    glFogfv(GL_FOG_COLOR, colour);
    glFogf(GL_FOG_DENSITY, steps * 0.1f);
    glEnable(GL_FOG);
}

void ApplyLineSmoothing(bool on)
{
    if (on) {
        glEnable(GL_LINE_SMOOTH);
        glEnable(GL_BLEND);
        glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
        glHint(GL_LINE_SMOOTH_HINT, GL_NICEST);
        glLineWidth(1.5f);
    } else {
        // Blend function and hint stay as they were.
        glDisable(GL_LINE_SMOOTH);
        glDisable(GL_BLEND);
        glLineWidth(1.0f);
    }
}

}
