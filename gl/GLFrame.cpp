#include "GLFrame.h"

#include "SceneSwitches.h"
#include "SceneTables.h"
#include "TextureTables.h"

#include <GL/gl.h>
#include <GL/glu.h>

namespace glframe {

namespace {

void DrawAxes(bool perspective)
{
    // The axes keep a fixed tilt; in perspective they sit behind the scene.
    glPushMatrix();
    const float* shift = kAxesShift[perspective];
    glTranslatef(shift[0], shift[1], shift[2]);
    glRotatef(kAxesTilt[0], 1.0f, 0.0f, 0.0f);
    glRotatef(kAxesTilt[1], 0.0f, 1.0f, 0.0f);
    glBegin(GL_LINES);
    for (int axis = 0; axis < 3; ++axis) {
        glColor3f(1.0f, 0.0f, 0.0f);
        glVertex3f(0.0f, 0.0f, 0.0f);
        glVertex3f(axis == 0 ? kAxisLength : 0.0f, axis == 1 ? kAxisLength : 0.0f, axis == 2 ? kAxisLength : 0.0f);
    }
    glEnd();
    glPopMatrix();
}

// Scaled, so that lines keep their look on a scaled screen.
void ApplyLineWidth(const ViewState& s)
{
    glLineWidth(s.lineWidth * s.pixelScale);
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
    const auto& o = s.ortho;
    if (s.perspective)
        gluPerspective(s.frustum[0], s.aspect, s.frustum[1], s.frustum[2]);
    else
        glOrtho(o[0], o[1], o[2], o[3], o[4], o[5]);
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

// The scene's enums are OpenGL's own.
static_assert(kCapabilities[0].glEnum == GL_LINE_SMOOTH && kCapabilities[1].glEnum == GL_BLEND &&
              kCapabilities[2].glEnum == GL_NORMALIZE && kCapabilities[3].glEnum == GL_AUTO_NORMAL &&
              kCapabilities[4].glEnum == GL_ALPHA_TEST && kCapabilities[5].glEnum == GL_COLOR_MATERIAL &&
              kCapabilities[6].glEnum == GL_DEPTH_TEST && kCapabilities[7].glEnum == GL_LIGHTING &&
              kCapabilities[8].glEnum == GL_LIGHT4 && kCapabilities[9].glEnum == GL_FOG);
static_assert(kLamps[0].glEnum == GL_LIGHT0 && kLamps[1].glEnum == GL_LIGHT1 && kLamps[2].glEnum == GL_LIGHT2 &&
              kLamps[3].glEnum == GL_LIGHT4);

// Smoothing and fog, which the pages switch, have parts of their own.
bool HasOwnPart(const Capability& c) { return c.field == &ViewState::lineSmoothing || c.field == &ViewState::fog; }

void ApplySwitches(const ViewState& s)
{
    for (const Capability& c : kCapabilities)
        if (!HasOwnPart(c))
            Switch(c.glEnum, s.*c.field);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glPolygonMode(GL_FRONT_AND_BACK, s.filled ? GL_FILL : GL_LINE);
}

void ApplyLamps(const ViewState& s)
{
    for (int i = 0; i < 3; ++i)
        Switch(kLamps[i].glEnum, s.lamp[i]);
}

// Between frames the model-view matrix is the identity: the positions are
// taken in eye coordinates, so the lamps do not turn with the cube. The
// cut-off stays at 180 degrees, so the spot direction has no effect.
void ApplyLampColours(const ViewState& s)
{
    for (int i = 0; i < 4; ++i) {
        glLightfv(kLamps[i].glEnum, GL_DIFFUSE, s.lampDiffuse[i].data());
        glLightfv(kLamps[i].glEnum, GL_SPECULAR, s.lampSpecular[i].data());
    }
    for (int i = 0; i < 3; ++i)
        glLightfv(kLamps[i].glEnum, GL_POSITION, s.lampPosition[i].data());
    for (int i = 0; i < 3; ++i)
        glLightfv(kLamps[i].glEnum, GL_SPOT_DIRECTION, scenetables::kNoSpotDirection);
}

// Ambient and diffuse follow the current colour (GL_COLOR_MATERIAL); both
// sides are lit, which the face table's normals rely on.
void ApplyMaterial(const ViewState& s)
{
    glMaterialfv(GL_FRONT_AND_BACK, GL_SPECULAR, s.materialSpecular.data());
    glMaterialf(GL_FRONT_AND_BACK, GL_SHININESS, s.shininess);
    glLightModelf(GL_LIGHT_MODEL_TWO_SIDE, 1.0f);
}

void ApplyFog(const ViewState& s) { Switch(CapabilityOf(&ViewState::fog).glEnum, s.fog); }

// Exponential fog: the mode stays at the default, so only the density counts.
void ApplyFogLook(const ViewState& s)
{
    glFogfv(GL_FOG_COLOR, s.fogColour.data());
    glFogf(GL_FOG_DENSITY, s.fogDensity);
}

void ApplyLineSmoothing(const ViewState& s)
{
    glHint(GL_LINE_SMOOTH_HINT, GL_NICEST);
    Switch(CapabilityOf(&ViewState::lineSmoothing).glEnum, s.lineSmoothing);
}

void ApplyClearColour(const ViewState& s)
{
    glClearColor(s.clearColour[0], s.clearColour[1], s.clearColour[2], s.clearColour[3]);
}

static_assert(GL_TEXTURE_2D == 0x0DE1 && GL_TEXTURE_MIN_FILTER == 0x2801 && GL_TEXTURE_MAG_FILTER == 0x2800 &&
              GL_TEXTURE_WRAP_S == 0x2802 && GL_TEXTURE_WRAP_T == 0x2803 && GL_TEXTURE_ENV == 0x2300 &&
              GL_TEXTURE_ENV_MODE == 0x2200 && GL_TEXTURE_ENV_COLOR == 0x2201);
static_assert(GL_NEAREST == 0x2600 && GL_LINEAR == 0x2601 && GL_NEAREST_MIPMAP_NEAREST == 0x2700 &&
              GL_LINEAR_MIPMAP_LINEAR == 0x2703 && GL_REPEAT == 0x2901 && GL_CLAMP == 0x2900 &&
              GL_MODULATE == 0x2100 && GL_DECAL == 0x2101 && GL_REPLACE == 0x1E01 && GL_BLEND == 0x0BE2);

// The texture coordinates' offset and scale, as the texture matrix: the
// list's coordinates stay 0 and 1, and the picture is the same as with the
// printed coordinates.
void ApplyTextureCoordinates(const ViewState& s)
{
    glMatrixMode(GL_TEXTURE);
    glLoadIdentity();
    glTranslatef(s.texFrom[0], s.texFrom[1], 0.0f);
    glScalef(s.texTo[0] - s.texFrom[0], s.texTo[1] - s.texFrom[1], 1.0f);
    glMatrixMode(GL_MODELVIEW);
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

using S = ViewState;

// The record's parts that a context holds, one line each, in the order they
// are applied. The size comes first: it reloads the projection matrix.
const ContextPart kContextParts[] = {
    {Differs<&S::width, &S::height, &S::pixelScale, &S::aspect>, ApplySize},
    {Differs<&S::perspective, &S::ortho, &S::frustum>, ApplyProjection},
    {Differs<&S::lineWidth>, ApplyLineWidth},
    {Differs<&S::blend, &S::normalize, &S::autoNormal, &S::alphaTest, &S::colourMaterial, &S::depthTest,
             &S::lighting, &S::whiteLamp, &S::filled>, ApplySwitches},
    {Differs<&S::lamp>, ApplyLamps},
    {Differs<&S::lampDiffuse, &S::lampSpecular, &S::lampPosition>, ApplyLampColours},
    {Differs<&S::materialSpecular, &S::shininess>, ApplyMaterial},
    {Differs<&S::fogColour, &S::fogDensity>, ApplyFogLook},
    {Differs<&S::fog>, ApplyFog},
    {Differs<&S::lineSmoothing>, ApplyLineSmoothing},
    {Differs<&S::clearColour>, ApplyClearColour},
    {Differs<&S::minFilter, &S::magFilter, &S::wrapS, &S::wrapT, &S::envMode, &S::envColour>,
     ApplyTextureSettings},
    {Differs<&S::texFrom, &S::texTo>, ApplyTextureCoordinates},
};

}

void ApplyTextureSettings(const ViewState& s)
{
    for (const TextureSetting& t : kTextureSettings) {
        if (t.target.glEnum == GL_TEXTURE_2D)
            glTexParameteri(GL_TEXTURE_2D, GLenum(t.key.glEnum), s.*t.field);
        else
            glTexEnvi(GL_TEXTURE_ENV, GLenum(t.key.glEnum), s.*t.field);
    }
    glTexEnvfv(GL_TEXTURE_ENV, GL_TEXTURE_ENV_COLOR, s.envColour.data());
}

ViewState NewContextState()
{
    ViewState s;
    s.width = s.height = -1;
    // OpenGL's defaults where the record's own differ.
    s.filled = true;
    s.clearColour = {0, 0, 0, 0};
    s.fogColour = {0, 0, 0, 0};
    for (int i = 0; i < 4; ++i)
        s.lampDiffuse[i] = s.lampSpecular[i] = i == 0 ? Rgba{1, 1, 1, 1} : Rgba{0, 0, 0, 1};
    for (Rgba& p : s.lampPosition)
        p = {kDefaultLampPosition[0], kDefaultLampPosition[1], kDefaultLampPosition[2], kDefaultLampPosition[3]};
    s.materialSpecular = {0, 0, 0, 1};
    s.shininess = 0;
    s.minFilter = GL_NEAREST_MIPMAP_LINEAR;
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
    glTranslated(0.0, 0.0, -kSceneDistance);
    glRotated(s.angleX, 1.0, 0.0, 0.0);
    glRotated(s.angleY, 0.0, 1.0, 0.0);
    const float k = SizeShare(s.perspective);
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

}
