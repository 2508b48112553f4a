// Everything the switches of one OpenGL window set: what decides its picture.
// Plain data, no window system: the frame is drawn from it, and the code
// window prints it.
#pragma once

#include <array>
#include <cmath>

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

    bool operator==(const ViewState& o) const;
    bool operator!=(const ViewState& o) const { return !(*this == o); }
};

inline bool ViewState::operator==(const ViewState& o) const
{
    return angleX == o.angleX && angleY == o.angleY && scaleX == o.scaleX &&
           scaleY == o.scaleY && scaleZ == o.scaleZ && width == o.width && height == o.height &&
           pixelScale == o.pixelScale &&
           aspect == o.aspect && perspective == o.perspective && lamp == o.lamp && fog == o.fog &&
           fogDensity == o.fogDensity && lineSmoothing == o.lineSmoothing;
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
