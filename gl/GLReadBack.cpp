// The record read back from the current context alone: the switches as
// glIsEnabled and glGet give them, the projection's arguments and the scene's
// turn and size worked back from the matrices.
#include "GLFrame.h"
#include "SceneSwitches.h"
#include "SceneTables.h"

#include <GL/gl.h>

#include <cmath>

namespace glframe {

namespace {

constexpr double kDegreesPerRadian = 57.295779513082320876798;

// glOrtho's and gluPerspective's arguments from the matrix they made. The box
// keeps w (last row 0 0 0 1); the frustum takes -z as w (last row 0 0 -1 0).
// The aspect of a box is not in its matrix: the viewport's is taken.
void ReadProjection(ViewState& r)
{
    GLdouble m[16] = {};   // column by column
    glGetDoublev(GL_PROJECTION_MATRIX, m);
    r.perspective = m[15] == 0.0;
    if (r.perspective) {
        // m[5] = cot(fovy / 2), m[0] = m[5] / aspect,
        // m[10] = (f + n) / (n - f), m[14] = 2 f n / (n - f).
        r.frustum[0] = 2 * std::atan(1 / m[5]) * kDegreesPerRadian;
        r.aspect = m[5] / m[0];
        r.frustum[1] = m[14] / (m[10] - 1);
        r.frustum[2] = m[14] / (m[10] + 1);
        return;
    }
    // Each axis maps [lo, hi] onto [-1, 1]: scale 2 / (hi - lo), offset
    // -(hi + lo) / (hi - lo). z runs the other way: near is -lo, far -hi.
    for (int i = 0; i < 3; ++i) {
        const double scale = m[5 * i], offset = m[12 + i];
        const double lo = (-1 - offset) / scale, hi = (1 - offset) / scale;
        r.ortho[2 * i] = i < 2 ? lo : -lo;
        r.ortho[2 * i + 1] = i < 2 ? hi : -hi;
    }
}

// The angles and size factors from the model-view matrix the frame draws the
// scene under, set up in the context as the frame sets it up and read back.
// That matrix is translate, rotate x by a, rotate y by b, scale.
void ReadSceneTurnAndSize(const ViewState& s, ViewState& r)
{
    ViewState placed = AnglesAsDrawn(s);
    placed.perspective = r.perspective;
    float projection[16] = {}, m[16] = {};
    ReadSceneMatrices(placed, projection, m);
    const auto at = [&m](int row, int column) { return double(m[4 * column + row]); };
    // The y column is sy (0, cos a, sin a): b does not touch it.
    const double a = std::atan2(at(2, 1), at(1, 1));
    // Turned back about x, the x column is sx (cos b, 0, -sin b).
    const double x0 = at(0, 0), x2 = -std::sin(a) * at(1, 0) + std::cos(a) * at(2, 0);
    r.angleX = a * kDegreesPerRadian;
    r.angleY = std::atan2(-x2, x0) * kDegreesPerRadian;
    const auto length = [&at](int column) {
        return std::hypot(at(0, column), at(1, column), at(2, column));
    };
    const double k = SizeShare(r.perspective);
    r.scaleX = float(length(0) / k);
    r.scaleY = float(length(1) / k);
    r.scaleZ = float(length(2) / k);
}

void ReadSwitchesAndLamps(ViewState& r)
{
    for (int i = 0; i < 3; ++i)
        r.lamp[i] = glIsEnabled(kLamps[i].glEnum);
    glGetFloatv(GL_FOG_DENSITY, &r.fogDensity);
    glGetFloatv(GL_FOG_COLOR, r.fogColour.data());
    glGetFloatv(GL_COLOR_CLEAR_VALUE, r.clearColour.data());
    for (const Capability& c : kCapabilities)
        r.*c.field = glIsEnabled(c.glEnum);
    GLint polygonMode[2] = {};
    glGetIntegerv(GL_POLYGON_MODE, polygonMode);
    r.filled = polygonMode[0] == GL_FILL;
    for (int i = 0; i < 4; ++i) {
        glGetLightfv(kLamps[i].glEnum, GL_DIFFUSE, r.lampDiffuse[i].data());
        glGetLightfv(kLamps[i].glEnum, GL_SPECULAR, r.lampSpecular[i].data());
    }
    for (int i = 0; i < 3; ++i)
        glGetLightfv(kLamps[i].glEnum, GL_POSITION, r.lampPosition[i].data());
    glGetMaterialfv(GL_FRONT, GL_SPECULAR, r.materialSpecular.data());
    glGetMaterialfv(GL_FRONT, GL_SHININESS, &r.shininess);
}

}

ViewState ReadContextState(const ViewState& s)
{
    ViewState r;
    GLint viewport[4] = {};
    glGetIntegerv(GL_VIEWPORT, viewport);
    r.width = viewport[2];
    r.height = viewport[3];
    r.aspect = AspectOf(r.width, r.height);
    // No context holds the screen's scale: the line width is read through the window's.
    r.pixelScale = s.pixelScale;
    glGetFloatv(GL_LINE_WIDTH, &r.lineWidth);
    r.lineWidth /= r.pixelScale;
    ReadProjection(r);
    ReadSceneTurnAndSize(s, r);
    ReadSwitchesAndLamps(r);
    return r;
}

void ViewportSize(int& width, int& height)
{
    GLint viewport[4] = {};
    glGetIntegerv(GL_VIEWPORT, viewport);
    width = viewport[2];
    height = viewport[3];
}

void ReadBackBuffer(int width, int height, unsigned char* rgb)
{
    glReadBuffer(GL_BACK);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, width, height, GL_RGB, GL_UNSIGNED_BYTE, rgb);
}

}
