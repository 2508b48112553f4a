#include "GLFrame.h"

#include "SceneTables.h"

#include <GL/gl.h>
#include <GL/glu.h>

namespace glframe {

namespace {

void DrawAxes(bool perspective)
{
    // The axes keep a fixed tilt; in perspective they sit behind the scene.
    glPushMatrix();
    if (perspective)
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
}

// Scaled, so that lines keep their look on a scaled screen.
void ApplyLineWidth(const ViewState& s)
{
    glLineWidth((s.lineSmoothing ? 1.5f : 1.0f) * s.pixelScale);
}

void Switch(GLenum cap, bool on)
{
    if (on)
        glEnable(cap);
    else
        glDisable(cap);
}

void ApplyProjection(const ViewState& s)
{
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    if (s.perspective)
        gluPerspective(45.0, s.aspect, 1.0, 100.0);
    else
        glOrtho(-6.0, 6.0, -6.0, 6.0, -20.0, 20.0);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
}

// The viewport and line width, then the projection in force, with the
// model-view matrix left current.
void ApplySize(const ViewState& s)
{
    glViewport(0, 0, s.width, s.height);
    ApplyLineWidth(s);
    ApplyProjection(s);
}

void ApplyLamps(const ViewState& s)
{
    for (int i = 0; i < 3; ++i)
        Switch(GL_LIGHT0 + static_cast<GLenum>(i), s.lamp[i]);
}

// Exponential fog: the mode stays at the default, so only the density counts.
void ApplyFog(const ViewState& s)
{
    if (s.fog)
        glFogfv(GL_FOG_COLOR, kFogColour);
    Switch(GL_FOG, s.fog);
}

void ApplyFogDensity(const ViewState& s) { glFogf(GL_FOG_DENSITY, s.fogDensity); }

void ApplyLineSmoothing(const ViewState& s)
{
    // Off leaves the blend function and the hint as they were.
    if (s.lineSmoothing) {
        glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
        glHint(GL_LINE_SMOOTH_HINT, GL_NICEST);
    }
    Switch(GL_LINE_SMOOTH, s.lineSmoothing);
    Switch(GL_BLEND, s.lineSmoothing);
    ApplyLineWidth(s);
}

template <auto... Field>
bool Differs(const ViewState& a, const ViewState& b)
{
    return ((a.*Field != b.*Field) || ...);
}

struct ContextPart
{
    bool (*differs)(const ViewState&, const ViewState&);
    void (*apply)(const ViewState&);
};

// The record's parts that a context holds, one line each, in the order they
// are applied. The size comes first: it reloads the projection matrix.
const ContextPart kContextParts[] = {
    {Differs<&ViewState::width, &ViewState::height, &ViewState::pixelScale, &ViewState::aspect>, ApplySize},
    {Differs<&ViewState::perspective>, ApplyProjection},
    {Differs<&ViewState::lamp>, ApplyLamps},
    {Differs<&ViewState::fogDensity>, ApplyFogDensity},
    {Differs<&ViewState::fog>, ApplyFog},
    {Differs<&ViewState::lineSmoothing>, ApplyLineSmoothing},
};

}

ViewState NewContextState()
{
    ViewState s;
    s.width = s.height = -1;
    return s;
}

void SyncContext(const ViewState& held, const ViewState& want)
{
    for (const ContextPart& part : kContextParts)
        if (part.differs(held, want))
            part.apply(want);
}

double AspectOf(int cx, int cy)
{
    return cy == 0 ? cx : static_cast<double>(cx) / cy;
}

void ApplyClearColour()
{
    glClearColor(kClearColour[0], kClearColour[1], kClearColour[2], kClearColour[3]);
}

void DrawFrame(const ViewState& s)
{
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    DrawAxes(s.perspective);

    glPushMatrix();
    ApplySceneTransform(s);
    glCallList(1);
    glPopMatrix();
}

void ApplySceneTransform(const ViewState& s)
{
    glTranslated(0.0, 0.0, -8.0);
    glRotated(s.angleX, 1.0, 0.0, 0.0);
    glRotated(s.angleY, 0.0, 1.0, 0.0);
    // The perspective view shows the scene nearer, so it is drawn at half size.
    const float k = s.perspective ? 0.5f : 1.0f;
    glScalef(s.scaleX * k, s.scaleY * k, s.scaleZ * k);
}

void ReadSceneMatrices(const ViewState& s, float projection[16], float modelView[16])
{
    glGetFloatv(GL_PROJECTION_MATRIX, projection);
    glPushMatrix();
    ApplySceneTransform(s);
    glGetFloatv(GL_MODELVIEW_MATRIX, modelView);
    glPopMatrix();
}

ViewState ReadContextState(const ViewState& s)
{
    ViewState r = s;
    GLint viewport[4] = {};
    glGetIntegerv(GL_VIEWPORT, viewport);
    r.width = viewport[2];
    r.height = viewport[3];
    r.aspect = AspectOf(r.width, r.height);
    GLfloat projection[16] = {};
    glGetFloatv(GL_PROJECTION_MATRIX, projection);
    r.perspective = projection[15] == 0.0f;   // the box keeps w, the frustum takes -z
    for (int i = 0; i < 3; ++i)
        r.lamp[i] = glIsEnabled(GL_LIGHT0 + static_cast<GLenum>(i));
    r.fog = glIsEnabled(GL_FOG);
    glGetFloatv(GL_FOG_DENSITY, &r.fogDensity);
    r.lineSmoothing = glIsEnabled(GL_LINE_SMOOTH);
    return r;
}

}
