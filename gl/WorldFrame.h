// The outside view's frame, drawn in a context of its own that
// glframe::SyncContext keeps in line with the picture's record, and whose
// display list 1 holds the page's scene.
#pragma once

#include "WorldView.h"

namespace glframe {

// Clear, the cube (solid inside the volume, ghosted outside), the volume,
// the eye, the lamps and the fog's band. No swap.
void DrawWorldFrame(const WorldPicture& p);

}
