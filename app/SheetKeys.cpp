#include "SheetKeys.h"

#include <wx/event.h>

SheetKey SheetKeyOf(const wxKeyEvent& event)
{
    const int key = event.GetKeyCode();
    if (key == WXK_F1 && event.GetModifiers() == wxMOD_NONE)
        return SheetKey::Help;
    if (key == WXK_F2 && event.GetModifiers() == wxMOD_NONE)
        return SheetKey::WorldView;
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
