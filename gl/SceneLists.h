// Each page's scene as display list 1, compiled and drawn once at the
// window's set-up: the cube at half edge h as the page shows it. The lamps,
// the material and the switches come with the record, not with the list.
#pragma once

#include "RgbImage.h"

// The white wire frame.
void BuildWireCubeList(double h);
// The lit cube: white, smooth shaded, one normal per face.
void BuildLitCubeList(double h);
// The cube with picture on every face, or plain and lit white without one.
// Returns the picture's texture object (0 without one); old, a texture an
// earlier call returned, is deleted first, and list 1 replaced.
unsigned BuildTexturedCubeList(double h, const RgbImage* picture, unsigned old = 0);
// GL_MAX_TEXTURE_SIZE of the current context.
int MaxTextureSide();
