#include "Resources.h"
#include "ResourceIds.h"

namespace {
const MenuItem kSizeItems[] = {
    {ID_SIZE_INCREASE, N_("&Increase\tCtrl +"), nullptr, 0},
    {ID_SIZE_DECREASE, N_("&Decrease\tCtrl -"), nullptr, 0},
};
const MenuItem kPopupItems[] = {
    {ID_VIEW_ROTATE, N_("&Rotate"), nullptr, 0},
    {0, N_("&Size"), kSizeItems, 2},
};
// The top-level item's text is never shown: the window opens the pop-up behind it.
const MenuItem kPopup = {0, "_POPUP_", kPopupItems, 2};
}

const MenuItem& ViewPopupMenu() { return kPopup; }
