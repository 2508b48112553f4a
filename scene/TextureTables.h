// The texture's settings that the code names by constant, once: each with
// its call, the constants it takes and its place in the record. The context
// sync, the printer, the code's edit rules and the pixel's working-out read
// these.
#pragma once

#include "SceneTables.h"
#include "ViewState.h"

#include <string_view>

// An OpenGL constant: its name in the code and its number (OpenGL 1.1's;
// the drawing checks them against <GL/gl.h>).
struct GLName
{
    const char* name;
    int glEnum;
};

inline constexpr GLName kNearest{"GL_NEAREST", 0x2600}, kLinear{"GL_LINEAR", 0x2601};
// The minification filters; magnification takes the first two.
inline constexpr GLName kFilters[] = {kNearest, kLinear,
                                      {"GL_NEAREST_MIPMAP_NEAREST", 0x2700}, {"GL_LINEAR_MIPMAP_NEAREST", 0x2701},
                                      {"GL_NEAREST_MIPMAP_LINEAR", 0x2702}, {"GL_LINEAR_MIPMAP_LINEAR", 0x2703}};
inline constexpr GLName kRepeat{"GL_REPEAT", 0x2901}, kClamp{"GL_CLAMP", 0x2900};
inline constexpr GLName kWraps[] = {kRepeat, kClamp};
inline constexpr GLName kModulate{"GL_MODULATE", 0x2100}, kDecal{"GL_DECAL", 0x2101};
inline constexpr GLName kReplace{"GL_REPLACE", 0x1E01}, kBlendMode{"GL_BLEND", 0x0BE2};
inline constexpr GLName kEnvModes[] = {kModulate, kDecal, kReplace, kBlendMode};

// One setting: call(target, key, constant), the constants it takes, the field.
struct TextureSetting
{
    const char* call;
    GLName target, key;
    const GLName* takes;
    int count;
    int ViewState::*field;
};

inline constexpr TextureSetting kTextureSettings[] = {
    {"glTexParameterf", {"GL_TEXTURE_2D", 0x0DE1}, {"GL_TEXTURE_MIN_FILTER", 0x2801}, kFilters, 6, &ViewState::minFilter},
    {"glTexParameterf", {"GL_TEXTURE_2D", 0x0DE1}, {"GL_TEXTURE_MAG_FILTER", 0x2800}, kFilters, 2, &ViewState::magFilter},
    {"glTexParameterf", {"GL_TEXTURE_2D", 0x0DE1}, {"GL_TEXTURE_WRAP_S", 0x2802}, kWraps, 2, &ViewState::wrapS},
    {"glTexParameterf", {"GL_TEXTURE_2D", 0x0DE1}, {"GL_TEXTURE_WRAP_T", 0x2803}, kWraps, 2, &ViewState::wrapT},
    {"glTexEnvf", {"GL_TEXTURE_ENV", 0x2300}, {"GL_TEXTURE_ENV_MODE", 0x2200}, kEnvModes, 4, &ViewState::envMode},
};
// glTexEnvfv(GL_TEXTURE_ENV, GL_TEXTURE_ENV_COLOR, colour): GL_BLEND's colour.
inline constexpr GLName kEnvColour{"GL_TEXTURE_ENV_COLOR", 0x2201};

// The name of glEnum among setting's constants; nullptr when it takes none such.
inline const char* NameIn(const TextureSetting& setting, int glEnum)
{
    for (int i = 0; i < setting.count; ++i)
        if (setting.takes[i].glEnum == glEnum)
            return setting.takes[i].name;
    return nullptr;
}
// The constant named name among setting's; -1 for none.
inline int EnumIn(const TextureSetting& setting, std::string_view name)
{
    for (int i = 0; i < setting.count; ++i)
        if (name == setting.takes[i].name)
            return setting.takes[i].glEnum;
    return -1;
}
// Whether a minification filter reads the mipmap levels.
inline bool Mipmapped(int filter) { return filter >= 0x2700 && filter <= 0x2703; }

// Texture coordinate axis (0 s, 1 t) of corner (0..3) of every face: where
// the corner's own (kFaceTexCoords) is 0, the record's from; where 1, its to.
inline float TexCoordOf(const ViewState& s, int corner, int axis)
{
    return kFaceTexCoords[corner][axis] == 0 ? s.texFrom[size_t(axis)] : s.texTo[size_t(axis)];
}
