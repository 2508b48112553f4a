// The texture stage of a pixel: the level of detail from how the texture
// coordinates change from pixel to pixel, the filter it picks, the texels
// that filter takes with the wrap mode, and the environment's combination
// with the colour from the corners, as OpenGL 1.1 works them.
#pragma once

#include "PixelWorking.h"

// ds and dt: how s and t change one pixel to the right (index 0) and up (1).
void SampleTexture(const ViewState& s, const PixelTexture& texture, const double ds[2], const double dt[2],
                   const Colour& lit, TextureWorking& w);
