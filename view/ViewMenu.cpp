#include "ViewMenu.h"

#include "Resources.h"

#include <wx/log.h>
#include <wx/menu.h>

namespace {

void AppendItems(wxMenu& menu, const MenuItem& popup)
{
    for (std::size_t i = 0; i < popup.count; ++i) {
        const MenuItem& item = popup.items[i];
        const wxString text = wxString::FromUTF8(item.text);
        if (item.items) {
            auto* sub = new wxMenu;
            AppendItems(*sub, item);
            menu.AppendSubMenu(sub, text);
        } else {
            menu.Append(ViewMenuItemId(item.id), text);
        }
    }
}

}

wxMenu* CreateViewPopupMenu()
{
    // The hints after the tab are labels, not accelerators wx could parse:
    // keep it from saying so every time the menu opens.
    wxLogNull quiet;
    auto* menu = new wxMenu;
    AppendItems(*menu, ViewPopupMenu());
    return menu;
}

wxPoint ViewMenuPosition(const wxPoint& eventPos, const wxPoint& clientOrigin)
{
    if (eventPos == wxDefaultPosition)
        return clientOrigin + wxPoint(5, 5);
    return eventPos;
}
