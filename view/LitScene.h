// Set-up shared by the lit scenes (CLightWnd, CTexWnd): the three coloured
// lamps and the shiny white material. Run while the model-view matrix of the
// new context is still the identity, so the lamps stay put in eye
// coordinates and do not turn with the cube.
#pragma once

#include "SceneTables.h"

#include <GL/gl.h>

namespace litscene {

inline constexpr GLenum kLamp[3] = {GL_LIGHT0, GL_LIGHT1, GL_LIGHT2};
using scenetables::kLampDiffuse;
using scenetables::kLampPosition;
using scenetables::kWhite;
using scenetables::kNoSpotDirection;

// What the lit scenes enable, in one order; whiteLamp adds the lamp that the
// textured scene keeps on. Blending is on for the whole scene, axes included.
inline void EnableLitState(bool whiteLamp)
{
    glEnable(GL_NORMALIZE);
    glEnable(GL_AUTO_NORMAL);
    glEnable(GL_ALPHA_TEST);   // the default GL_ALWAYS lets every fragment pass
    glEnable(GL_DEPTH_TEST);
    glEnable(GL_COLOR_MATERIAL);
    glEnable(GL_LIGHTING);
    if (whiteLamp)
        glEnable(GL_LIGHT4);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
}

// Colours, then positions, then spot directions. The lamps stay off: the
// page switches them.
inline void SetUpColouredLamps()
{
    for (int i = 0; i < 3; ++i) {
        glLightfv(kLamp[i], GL_DIFFUSE, kLampDiffuse[i]);
        glLightfv(kLamp[i], GL_SPECULAR, kWhite);
    }
    for (int i = 0; i < 3; ++i)
        glLightfv(kLamp[i], GL_POSITION, kLampPosition[i]);
    for (int i = 0; i < 3; ++i)
        glLightfv(kLamp[i], GL_SPOT_DIRECTION, kNoSpotDirection);
}

// Ambient and diffuse follow the current colour (GL_COLOR_MATERIAL); the
// highlights are white and as tight as OpenGL 1.1 allows. Both sides are
// lit: the face table's normals rely on it.
inline void SetUpMaterial()
{
    glMaterialfv(GL_FRONT_AND_BACK, GL_SPECULAR, kWhite);
    glMaterialf(GL_FRONT_AND_BACK, GL_SHININESS, scenetables::kShininess);
    glLightModelf(GL_LIGHT_MODEL_TWO_SIDE, 1.0f);
    glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
}

}
