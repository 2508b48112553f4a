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
void BuildTexturedCubeList(double h, const RgbImage* picture);
