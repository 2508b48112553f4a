// The raw OpenGL of a frame and of the rendering switches, each applying one
// part of a window's ViewState. No window-system code here: everything acts
// on the thread's current context.
#pragma once

#include "ViewState.h"

namespace glframe {

// Client width over height; a height of 0 gives the width.
double AspectOf(int cx, int cy);

void ApplyClearColour();
// The viewport and line width, then the projection in force, with the
// model-view matrix left current.
void ApplySize(const ViewState& s);
void ApplyProjection(const ViewState& s);

// Clear, the fixed axes, then display list 1 turned and scaled. No swap.
void DrawFrame(const ViewState& s);
// Onto the model-view matrix: the scene's place, turn and size.
void ApplySceneTransform(const ViewState& s);
// The projection matrix in force, and the model-view matrix that the scene
// is drawn under, as glGetFloatv gives them (column by column).
void ReadSceneMatrices(const ViewState& s, float projection[16], float modelView[16]);

// lamp 1..3 is GL_LIGHT0..2.
void ApplyLamp(const ViewState& s, signed char lamp);
// Exponential fog; the mode stays at the default.
void ApplyFog(const ViewState& s);
void ApplyLineSmoothing(const ViewState& s);

// s with its context-held part (viewport and aspect, projection, lamps, fog,
// smoothing) read back from the current context.
ViewState ReadContextState(const ViewState& s);

}
