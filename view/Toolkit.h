// What the toolkit must be told before it starts, by the program and by
// every test and benchmark that makes windows, so that they all see the same.
#pragma once

#include <cstdlib>

// GTK's overlay scrollbars fade in and out over the code view while the
// pointer rests on it, and each step of a fade draws the view again, at a
// cost of several frames of the picture. Classic scrollbars stay still. A
// user's own setting is kept.
inline void PrepareToolkit()
{
#ifdef __WXGTK__
    setenv("GTK_OVERLAY_SCROLLING", "0", 0);
#endif
}
