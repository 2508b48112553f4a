#include "WorldFrame.h"

#include "SceneGeometry.h"
#include "SceneSwitches.h"
#include "SceneTables.h"
#include "VertexLighting.h"

#include <GL/gl.h>

#include <algorithm>
#include <cmath>
#include <utility>

namespace glframe {

namespace {

constexpr int kBandSteps = 48;

void Vertex(Vec3 v) { glVertex3d(v.x, v.y, v.z); }

// The page's lamps stand in its eye coordinates: given under the outside
// camera, they stand there in this view too, and light the cube as there.
void PlaceLamps(const ViewState& s)
{
    for (int i = 0; i < 4; ++i) {
        const Vec4 p = LampPosition(s, i);
        const float at[4] = {float(p.x), float(p.y), float(p.z), float(p.w)};
        glLightfv(kLamps[i].glEnum, GL_POSITION, at);
    }
}

// Half the pixels: a ghost that works whatever colour the list sets.
void Ghostly(bool on)
{
    static GLubyte pattern[128];
    for (int row = 0; row < 32; ++row)
        for (int b = 0; b < 4; ++b)
            pattern[4 * row + b] = row % 2 ? 0x55 : 0xAA;
    glPolygonStipple(pattern);
    glLineStipple(1, 0x0F0F);
    for (GLenum cap : {GL_POLYGON_STIPPLE, GL_LINE_STIPPLE})
        on ? glEnable(cap) : glDisable(cap);
}

// The planes are in the page's eye coordinates, so they are given under
// the camera alone; the solid pass keeps what lies inside all six.
void DrawCube(const WorldPicture& p)
{
    for (int i = 0; i < 6; ++i) {
        glClipPlane(GL_CLIP_PLANE0 + i, p.planes[i].data());
        glEnable(GL_CLIP_PLANE0 + i);
    }
    glPushMatrix();
    glMultMatrixd(p.cube.data());
    glCallList(1);
    for (int i = 0; i < 6; ++i)
        glDisable(GL_CLIP_PLANE0 + i);
    // The same depth fails against the solid part: only the cut-off shows.
    Ghostly(true);
    glCallList(1);
    Ghostly(false);
    glPopMatrix();
}

void Quad(const WorldPicture& p, int first, float r, float g, float b, float a)
{
    glColor4f(r, g, b, a);
    glBegin(GL_QUADS);
    for (int i = 0; i < 4; ++i)
        Vertex(p.volume[first + i]);
    glEnd();
}

void DrawVolume(const WorldPicture& p)
{
    glColor3f(1.0f, 0.9f, 0.3f);
    glBegin(GL_LINES);
    for (int i = 0; i < 4; ++i) {
        for (int plane : {0, 4}) {
            Vertex(p.volume[plane + i]);
            Vertex(p.volume[plane + (i + 1) % 4]);
        }
        Vertex(p.volume[i]);
        Vertex(p.volume[i + 4]);
    }
    glEnd();
    glDepthMask(GL_FALSE);
    glEnable(GL_BLEND);
    Quad(p, 0, 1.0f, 0.9f, 0.3f, 0.35f);   // near
    Quad(p, 4, 0.3f, 0.8f, 1.0f, 0.25f);   // far
    glDepthMask(GL_TRUE);
}

// The eye with its axes: x red, y green, and the way it looks (-z) blue.
void DrawEye(const WorldPicture& p)
{
    const double k = p.markerSize;
    const Vec3 axes[3] = {{k, 0, 0}, {0, k, 0}, {0, 0, -1.5 * k}};
    const float colours[3][3] = {{1, 0.2f, 0.2f}, {0.2f, 1, 0.2f}, {0.3f, 0.5f, 1}};
    glLineWidth(3.0f);
    glBegin(GL_LINES);
    for (int i = 0; i < 3; ++i) {
        glColor3fv(colours[i]);
        Vertex({0, 0, 0});
        Vertex(axes[i]);
    }
    glEnd();
    glPointSize(7.0f);
    glColor3f(1, 1, 1);
    glBegin(GL_POINTS);
    Vertex({0, 0, 0});
    glEnd();
}

// Over everything else, so that a lamp behind the cube still shows.
void DrawLamps(const WorldPicture& p)
{
    const Vec3 centre{p.cube[12], p.cube[13], p.cube[14]};
    glDisable(GL_DEPTH_TEST);
    glLineWidth(1.0f);
    for (const LampMarker& m : p.lamps) {
        glColor3d(m.colour[0], m.colour[1], m.colour[2]);
        glBegin(GL_LINES);
        Vertex(m.position);
        Vertex(centre);
        glEnd();
        glPointSize(m.on ? 12.0f : 7.0f);
        glBegin(GL_POINTS);
        Vertex(m.position);
        glEnd();
    }
}

// The fog's share along the view direction, on the floor below the scene:
// dark where the cube keeps its colour, the fog's colour where it is lost.
void DrawFogBand(const WorldPicture& p)
{
    const FogBand& f = p.fog;
    if (!f.shown)
        return;
    const Rgba& fog = p.record.fogColour;
    const double y = std::min(p.volume[0].y, -kHalfEdge) - 1, w = p.markerSize;
    glBegin(GL_QUAD_STRIP);
    for (int i = 0; i <= kBandSteps; ++i) {
        const double z = f.length * i / kBandSteps, share = FogFactor(f.density, z);
        glColor3d(share * 0.1 + (1 - share) * fog[0], share * 0.1 + (1 - share) * fog[1],
                  share * 0.1 + (1 - share) * fog[2]);
        Vertex({-w, y, -z});
        Vertex({w, y, -z});
    }
    glEnd();
    glLineWidth(3.0f);
    glBegin(GL_LINES);
    for (const auto& [z, red] : {std::pair{f.half, 1.0f}, std::pair{f.tenth, 0.2f}}) {
        glColor3f(red, 0.2f, 1.2f - red);
        Vertex({-2 * w, y, -z});
        Vertex({2 * w, y, -z});
    }
    glEnd();
}

}

void DrawWorldFrame(const WorldPicture& p)
{
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glMatrixMode(GL_MODELVIEW);
    glLoadMatrixd(p.camera.data());
    PlaceLamps(p.record);
    DrawCube(p);

    glPushAttrib(GL_ENABLE_BIT | GL_CURRENT_BIT | GL_LINE_BIT | GL_POINT_BIT | GL_POLYGON_BIT |
                 GL_DEPTH_BUFFER_BIT | GL_COLOR_BUFFER_BIT);
    for (GLenum cap : {GL_LIGHTING, GL_TEXTURE_2D, GL_FOG, GL_LINE_STIPPLE, GL_POLYGON_STIPPLE})
        glDisable(cap);
    glEnable(GL_DEPTH_TEST);
    glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    DrawFogBand(p);
    DrawEye(p);
    DrawVolume(p);
    DrawLamps(p);
    glPopAttrib();
}

}
