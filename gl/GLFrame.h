// The raw OpenGL of a frame and of the rendering switches. A window's
// ViewState is the truth; SyncContext brings a context in line with it. No
// window-system code here: everything acts on the thread's current context.
#pragma once

#include "ViewState.h"

namespace glframe {

// Client width over height; a height of 0 gives the width.
double AspectOf(int cx, int cy);

// What a new context holds of a record once its scene is set up: OpenGL's
// defaults, and a viewport no window has, so that the size is always applied.
ViewState NewContextState();
// Brings the current context from held (what it holds of a record) to want:
// each part of the record that differs is applied, in a fixed order.
void SyncContext(const ViewState& held, const ViewState& want);

// The filters, wrapping and environment of s onto the bound texture and the
// context: a new texture object starts from OpenGL's defaults.
void ApplyTextureSettings(const ViewState& s);

// Clear, the fixed axes, then display list 1 turned and scaled. No swap.
void DrawFrame(const ViewState& s);
// Onto the model-view matrix: the scene's place, turn and size.
void ApplySceneTransform(const ViewState& s);
// The projection matrix in force, and the model-view matrix that the scene
// is drawn under, as glGetFloatv gives them (column by column).
void ReadSceneMatrices(const ViewState& s, float projection[16], float modelView[16]);

// The record as the current context holds it, from a default ViewState: the
// switches and lamps as OpenGL gives them, the projection's arguments worked
// back from its matrix (the projection not in force keeps the defaults; a
// box's aspect is the viewport's). No context holds the angles and size
// between frames, so the frame's model-view set-up is made for s's and read
// back; s gives those inputs and the screen's pixel scale, nothing more.
// Numbers worked back from single-precision matrices are near, not equal.
ViewState ReadContextState(const ViewState& s);

// The viewport's size in pixels.
void ViewportSize(int& width, int& height);
// The back buffer's pixels as RGB, rows bottom up with no gap: width * height * 3 bytes.
void ReadBackBuffer(int width, int height, unsigned char* rgb);

}
