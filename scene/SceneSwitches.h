// The switches of the scene, once: each capability and each lamp with its
// name in the code, its OpenGL enum and its place in the record. The
// context sync, the printer and the code's edit rules all read these.
#pragma once

#include "ViewState.h"

#include <string_view>

// The enums as OpenGL 1.1 numbers them; the drawing checks them against <GL/gl.h>.
struct Capability
{
    const char* name;
    unsigned glEnum;
    bool ViewState::*field;
};

inline constexpr Capability kCapabilities[] = {
    {"GL_LINE_SMOOTH", 0x0B20, &ViewState::lineSmoothing},
    {"GL_BLEND", 0x0BE2, &ViewState::blend},
    {"GL_NORMALIZE", 0x0BA1, &ViewState::normalize},
    {"GL_AUTO_NORMAL", 0x0D80, &ViewState::autoNormal},
    {"GL_ALPHA_TEST", 0x0BC0, &ViewState::alphaTest},
    {"GL_COLOR_MATERIAL", 0x0B57, &ViewState::colourMaterial},
    {"GL_DEPTH_TEST", 0x0B71, &ViewState::depthTest},
    {"GL_LIGHTING", 0x0B50, &ViewState::lighting},
    {"GL_LIGHT4", 0x4004, &ViewState::whiteLamp},
    {"GL_FOG", 0x0B60, &ViewState::fog},
};

// The capability of field.
inline constexpr const Capability& CapabilityOf(bool ViewState::*field)
{
    for (const Capability& c : kCapabilities)
        if (c.field == field)
            return c;
    return kCapabilities[0];
}

// The record's lamps: 0 to 2 the coloured ones (ViewState::lamp), 3 the
// white lamp of the texture page (ViewState::whiteLamp).
struct LampName
{
    const char* name;
    unsigned glEnum;
};

inline constexpr LampName kLamps[4] = {{"GL_LIGHT0", 0x4000}, {"GL_LIGHT1", 0x4001}, {"GL_LIGHT2", 0x4002},
                                       {"GL_LIGHT4", 0x4004}};

// The lamp named name, 0 to 3; -1 for none.
inline int LampNamed(std::string_view name)
{
    for (int i = 0; i < 4; ++i)
        if (name == kLamps[i].name)
            return i;
    return -1;
}
