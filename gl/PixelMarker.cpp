#include "PixelMarker.h"

#include <GL/gl.h>

namespace glframe {

void ReadPixel(int x, int y, unsigned char rgb[3])
{
    glReadBuffer(GL_BACK);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(x, y, 1, 1, GL_RGB, GL_UNSIGNED_BYTE, rgb);
}

// Points of size 1 at pixel centres cover exactly those pixels, where a
// line's ends would depend on the diamond rule.
void DrawPixelMarker(int width, int height, int x, int y, const unsigned char seen[3], int gap, int arm)
{
    glPushAttrib(GL_ENABLE_BIT | GL_CURRENT_BIT | GL_POINT_BIT | GL_TRANSFORM_BIT | GL_COLOR_BUFFER_BIT);
    glDisable(GL_LIGHTING);
    glDisable(GL_FOG);
    glDisable(GL_DEPTH_TEST);
    glDisable(GL_TEXTURE_2D);
    glDisable(GL_BLEND);
    glDisable(GL_POINT_SMOOTH);
    glDisable(GL_ALPHA_TEST);
    glPointSize(1.0f);
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glLoadIdentity();
    glOrtho(0, width, 0, height, -1, 1);
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glLoadIdentity();
    const int light = 299 * seen[0] + 587 * seen[1] + 114 * seen[2];
    const float c = light > 128000 ? 0.0f : 1.0f;
    glColor3f(c, c, c);
    glBegin(GL_POINTS);
    for (int d = gap; d < gap + arm; ++d) {
        glVertex2f(x + d + 0.5f, y + 0.5f);
        glVertex2f(x - d + 0.5f, y + 0.5f);
        glVertex2f(x + 0.5f, y + d + 0.5f);
        glVertex2f(x + 0.5f, y - d + 0.5f);
    }
    glEnd();
    glPopMatrix();
    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glPopAttrib();   // the matrix mode too, with the transform bit
}

}
