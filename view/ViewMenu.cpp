#include "ViewMenu.h"

#include "Resources.h"
#include "Texts.h"

#include <wx/menu.h>

namespace {

// The resource's hints read "Ctrl +": wx takes a key only when it follows
// the modifier's "+" directly, as in "Ctrl++".
wxString ParseableHint(const wxString& text)
{
    if (!text.Contains('\t'))
        return text;
    wxString hint = text.AfterFirst('\t');
    hint.Replace(" ", "+");
    return text.BeforeFirst('\t') + '\t' + hint;
}

void AppendItems(wxMenu& menu, const MenuItem& popup)
{
    for (std::size_t i = 0; i < popup.count; ++i) {
        const MenuItem& item = popup.items[i];
        const wxString text = ParseableHint(Tr(item.text));
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

const char* const kWorldViewItemText = N_("Вид со стороны");

wxMenu* CreateViewPopupMenu()
{
    auto* menu = new wxMenu;
    AppendItems(*menu, ViewPopupMenu());
    return menu;
}

void AppendOpenPictureItem(wxMenu& menu)
{
    menu.AppendSeparator();
    menu.Append(kOpenPictureItemId, Tr("Открыть рисунок…"));
}

wxPoint ViewMenuPosition(const wxPoint& eventPos, const wxPoint& clientOrigin)
{
    if (eventPos == wxDefaultPosition)
        return clientOrigin + wxPoint(5, 5);
    return eventPos;
}

void AppendWhyThisColour(wxMenu& menu)
{
    menu.AppendSeparator();
    menu.Append(kWhyThisColourItem, Tr(N_("Почему этот цвет?")));
}
