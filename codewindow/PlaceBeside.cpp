#include "PlaceBeside.h"

#include <algorithm>

namespace {

// x of a span of width w kept inside [lo, hi).
int Inside(int x, int w, int lo, int hi) { return std::max(lo, std::min(x, hi - w)); }

}

Placement PlaceBeside(const wxRect& first, const wxSize& wanted, const wxSize& minimum, const wxRect& area,
                      int gap)
{
    Placement p{first, wxRect()};
    const int right = area.GetLeft() + area.GetWidth();
    p.first.x = Inside(first.x, first.width, area.x, right);
    p.first.y = Inside(first.y, first.height, area.y, area.y + area.height);

    const int height = std::max(std::min(wanted.y, area.height), std::min(minimum.y, area.height));
    const int room = area.width - p.first.width - gap;   // beside first, both inside
    const int width = std::max(std::min(wanted.x, room), std::min(minimum.x, area.width));
    p.second.SetSize(wxSize(width, height));
    p.second.y = Inside(p.first.y, height, area.y, area.y + area.height);

    if (p.first.GetRight() + gap + width < right) {
        p.second.x = p.first.GetRight() + 1 + gap;
    } else if (p.first.x - gap - width >= area.x) {
        p.second.x = p.first.x - gap - width;
    } else if (width <= room) {
        // Both side by side in the middle of the area, first on the left.
        p.first.x = area.x + (room - width) / 2;
        p.second.x = p.first.GetRight() + 1 + gap;
    } else {
        p.second.x = right - width;
    }
    return p;
}
