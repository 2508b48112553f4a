// The raw OpenGL of a frame and of the rendering switches. No window-system
// code here: everything acts on the thread's current context.
#pragma once

namespace glframe {

struct FrameParams
{
    double angleX, angleY;            // degrees
    float scaleX, scaleY, scaleZ;
    bool perspective;
};

// Client width over height; a height of 0 gives the width.
double AspectOf(int cx, int cy);

void ApplyClearColour();
// Viewport and the orthographic box, with the model-view matrix left current.
void ApplySize(int cx, int cy);
void ApplyProjection(bool perspective, double aspect);

// Clear, the fixed axes, then display list 1 turned and scaled. No swap.
void DrawFrame(const FrameParams& params);

// lamp 1..3 is GL_LIGHT0..2.
void EnableLamp(int lamp, bool on);
// Exponential fog of density steps * 0.1; the mode stays at the default.
void ApplyFog(bool on, signed char steps);
void ApplyLineSmoothing(bool on);

}
