// The capabilities and lamps a record switches, shared by the code that
// applies them (GLFrame.cpp) and the code that reads them back
// (GLReadBack.cpp), so that both walk the same list.
#pragma once

#include "ViewState.h"

#include <GL/gl.h>

#include <utility>

namespace glframe {

// The capabilities the code prints in SetUpScene, but for the lamps and fog.
inline const std::pair<GLenum, bool ViewState::*> kSwitches[] = {
    {GL_BLEND, &ViewState::blend},          {GL_NORMALIZE, &ViewState::normalize},
    {GL_AUTO_NORMAL, &ViewState::autoNormal}, {GL_ALPHA_TEST, &ViewState::alphaTest},
    {GL_COLOR_MATERIAL, &ViewState::colourMaterial}, {GL_DEPTH_TEST, &ViewState::depthTest},
    {GL_LIGHTING, &ViewState::lighting},    {GL_LIGHT4, &ViewState::whiteLamp}};

// The record's lamps 0 to 3: the coloured ones, then the white one.
inline const GLenum kLights[4] = {GL_LIGHT0, GL_LIGHT1, GL_LIGHT2, GL_LIGHT4};

}
