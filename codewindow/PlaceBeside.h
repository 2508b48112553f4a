// Where a second window goes beside a first one on one display: plain
// rectangles, no windows, so that any screen size can be tried.
#pragma once

#include <wx/gdicmn.h>

struct Placement
{
    wxRect first;    // where the first window is to be, moved only if it had to
    wxRect second;
};

// Places second (at its wanted size, or smaller down to minimum) beside
// first, a gap apart, wholly inside area and not over first: to its right,
// else to its left, else with first moved aside, else at the width there is
// room for. Only when even the minimum cannot be had does second overlap.
Placement PlaceBeside(const wxRect& first, const wxSize& wanted, const wxSize& minimum, const wxRect& area,
                      int gap);
