// The pixel the student points at: its colour read back from the frame, and
// a mark around it drawn over the frame that leaves the pixel itself alone.
#pragma once

namespace glframe {

// Pixel (x, y) of the current context's back buffer, counted from the lower
// left as glReadPixels counts: RGB.
void ReadPixel(int x, int y, unsigned char rgb[3]);

// Four short arms around pixel (x, y) of a width x height viewport, each
// starting gap pixels away and arm pixels long, black on a light pixel
// (seen) and white on a dark one. Every other state of the context is kept.
void DrawPixelMarker(int width, int height, int x, int y, const unsigned char seen[3], int gap = 3,
                     int arm = 5);

}
