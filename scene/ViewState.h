// Everything the switches of one OpenGL window set: what decides its picture.
// Plain data, no window system: the frame is drawn from it, and the code
// window prints it.
#pragma once

#include <array>
#include <cmath>
#include <cstddef>
#include <tuple>
#include <utility>

// The switches' arguments, named; same types and values as the interface takes.
constexpr int kOrthographic = 1;           // SetProjection
constexpr int kPerspective = 2;
constexpr signed char kScaleNone = 0;      // ScaleBySteps direction
constexpr signed char kScaleSmaller = 1;
constexpr signed char kScaleLarger = 2;
constexpr signed char kLampRed = 1;        // SwitchLamp: GL_LIGHT0..2
constexpr signed char kLampGreen = 2;
constexpr signed char kLampBlue = 3;
constexpr unsigned char kFogOff = 0;       // SetFog
constexpr unsigned char kFogOn = 1;

using Rgba = std::array<float, 4>;

struct ViewState
{
    // The window's own numbers, applied on every frame.
    double angleX = 0.0, angleY = 0.0;   // degrees, never wrapped
    float scaleX = 1.0f, scaleY = 1.0f, scaleZ = 1.0f;

    // Held by the context between frames: each has its line in the table
    // that glframe::SyncContext applies (GLFrame.cpp).
    int width = 0, height = 0;           // the viewport, in device pixels
    float pixelScale = 1.0f;             // device pixels per window pixel
    double aspect = 1.0;                 // width over height
    bool perspective = false;
    std::array<bool, 3> lamp{};          // kLampRed..kLampBlue, less one
    bool fog = false;
    float fogDensity = 1.0f;             // OpenGL's default until the first fog
    bool lineSmoothing = false;

    // The rest of what the code window prints and lets the student change;
    // the scenes start from these, so that there is one place for each.
    bool blend = false, normalize = false, autoNormal = false, alphaTest = false;
    bool colourMaterial = false, depthTest = false, lighting = false;
    bool whiteLamp = false;              // GL_LIGHT4 of the texture page
    bool filled = false;                 // GL_FILL, else GL_LINE
    float lineWidth = 1.0f;              // in window pixels
    std::array<double, 6> ortho{-6.0, 6.0, -6.0, 6.0, -20.0, 20.0};
    std::array<double, 3> frustum{45.0, 1.0, 100.0};   // fovy, zNear, zFar
    Rgba clearColour{0.24f, 0.37f, 0.49f, 1.0f};
    Rgba fogColour{0.95f, 0.95f, 0.95f, 1.0f};
    // The coloured lamps (red upper right, green upper left, blue below, all
    // points on the viewer's side), then the white lamp of the texture page,
    // which keeps its default position.
    std::array<Rgba, 4> lampDiffuse{Rgba{1, 0, 0, 1}, Rgba{0, 1, 0, 1}, Rgba{0, 0, 1, 1}, Rgba{1, 1, 1, 1}};
    std::array<Rgba, 4> lampSpecular{Rgba{1, 1, 1, 1}, Rgba{1, 1, 1, 1}, Rgba{1, 1, 1, 1}, Rgba{1, 1, 1, 1}};
    std::array<Rgba, 3> lampPosition{Rgba{50, 50, 50, 1}, Rgba{-50, 50, 50, 1}, Rgba{0, -50, 50, 1}};
    Rgba materialSpecular{1, 1, 1, 1};   // white highlights
    float shininess = 128.0f;            // the largest exponent OpenGL 1.1 takes

    // The texture page's texture (OpenGL's enums, as TextureTables.h names
    // them): its filters and wrapping, how it meets the lit colour, and every
    // face's texture coordinates (s, t) where its corners' own are 0 and 1:
    // an offset (from) and a scale (to - from).
    int minFilter = 0x2601, magFilter = 0x2601;   // GL_LINEAR
    int wrapS = 0x2901, wrapT = 0x2901;           // GL_REPEAT
    int envMode = 0x2100;                         // GL_MODULATE
    Rgba envColour{0, 0, 0, 0};                   // GL_TEXTURE_ENV_COLOR, for GL_BLEND
    std::array<float, 2> texFrom{0, 0}, texTo{1, 1};

    // Every field, once: for comparing and merging records.
    template <class S>
    static auto Fields(S& s)
    {
        return std::tie(s.angleX, s.angleY, s.scaleX, s.scaleY, s.scaleZ, s.width, s.height, s.pixelScale,
                        s.aspect, s.perspective, s.lamp, s.fog, s.fogDensity, s.lineSmoothing, s.blend,
                        s.normalize, s.autoNormal, s.alphaTest, s.colourMaterial, s.depthTest, s.lighting,
                        s.whiteLamp, s.filled, s.lineWidth, s.ortho, s.frustum, s.clearColour, s.fogColour,
                        s.lampDiffuse, s.lampSpecular, s.lampPosition, s.materialSpecular, s.shininess,
                        s.minFilter, s.magFilter, s.wrapS, s.wrapT, s.envMode, s.envColour, s.texFrom,
                        s.texTo);
    }
    auto Tie() const { return Fields(*this); }
    bool operator==(const ViewState& o) const { return Tie() == o.Tie(); }
    bool operator!=(const ViewState& o) const { return !(*this == o); }
};

namespace viewstate {

// How many members an aggregate has: the most initializers its braces take.
struct AnyValue
{
    template <class T>
    operator T() const;
};
template <class T, class... A>
constexpr auto TakesBraces(int) -> decltype(T{A{}...}, true) { return true; }
template <class T, class... A>
constexpr bool TakesBraces(long) { return false; }
template <class T, class... A>
constexpr std::size_t MemberCount()
{
    if constexpr (TakesBraces<T, A..., AnyValue>(0))
        return MemberCount<T, A..., AnyValue>();
    else
        return sizeof...(A);
}

}

// A member added to the record and not to Fields would drop out of ==,
// Merged and undo without a word: the build stops instead.
static_assert(viewstate::MemberCount<ViewState>() ==
                  std::tuple_size_v<decltype(ViewState::Fields(std::declval<ViewState&>()))>,
              "ViewState::Fields must list every member of ViewState");

// The record a lit scene starts from (whiteLamp for the texture page): the
// lamps off, as the pages switch them.
inline ViewState LitState(bool whiteLamp)
{
    ViewState s;
    s.blend = s.normalize = s.autoNormal = s.alphaTest = true;
    s.colourMaterial = s.depthTest = s.lighting = s.filled = true;
    s.whiteLamp = whiteLamp;
    return s;
}

namespace viewstate {

template <class Base, class Edited, class Now, std::size_t... I>
void TakeChanged(const Base& base, const Edited& edited, Now& now, std::index_sequence<I...>)
{
    ((std::get<I>(edited) != std::get<I>(base) ? void(std::get<I>(now) = std::get<I>(edited)) : void()), ...);
}

}

// now with what edited changed from base, field by field: an edit of an
// older record keeps what changed since (the turning, a switch).
inline ViewState Merged(const ViewState& base, const ViewState& edited, ViewState now)
{
    auto fields = ViewState::Fields(now);
    viewstate::TakeChanged(base.Tie(), edited.Tie(), fields,
                           std::make_index_sequence<std::tuple_size_v<decltype(fields)>>());
    return now;
}

// s with its angles as a frame is drawn at them: modulo 360. OpenGL turns in
// single precision, and after a long run the angles' own size would swallow
// a step of 3 degrees.
inline ViewState AnglesAsDrawn(ViewState s)
{
    s.angleX = std::fmod(s.angleX, 360.0);
    s.angleY = std::fmod(s.angleY, 360.0);
    return s;
}
