#include "SheetKeys.h"

#include "CAllSheets.h"
#include "CCodeWindow.h"
#include "COpenGLWnd.h"
#include "CPageFrame.h"
#include "ResourceIds.h"
#include "ViewMenu.h"

#include <wx/event.h>

SheetKey SheetKeyOf(const wxKeyEvent& event)
{
    const int key = event.GetKeyCode();
    if (key == WXK_F1 && event.GetModifiers() == wxMOD_NONE)
        return SheetKey::Help;
    // Plus may come shifted or not, from the main keys or the keypad.
    if (!event.ControlDown() || event.AltDown())
        return SheetKey::None;
    switch (key) {
    case '+': case '=': case WXK_NUMPAD_ADD: case WXK_ADD:
        return SheetKey::Increase;
    case '-': case WXK_NUMPAD_SUBTRACT: case WXK_SUBTRACT:
        return SheetKey::Decrease;
    default:
        return SheetKey::None;
    }
}

void BindSheetKeys(CAllSheets* sheet)
{
    sheet->Bind(wxEVT_CHAR_HOOK, [sheet](wxKeyEvent& event) {
        const SheetKey key = SheetKeyOf(event);
        CPageFrame* page = sheet->ActivePage();
        if (key == SheetKey::Help) {
            CCodeWindow::Open(sheet);
        } else if (key != SheetKey::None && page && page->View()) {
            // The menu's own command, so that the keys scale exactly as it does.
            wxCommandEvent command(wxEVT_MENU, ViewMenuItemId(key == SheetKey::Increase ? ID_SIZE_INCREASE
                                                                                        : ID_SIZE_DECREASE));
            page->View()->ProcessWindowEvent(command);
        } else {
            event.Skip();
        }
    });
}
