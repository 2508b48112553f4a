// The OpenGL window's context menu, built from the menu resource.
#pragma once

#include <wx/gdicmn.h>

class wxMenu;

// wx takes menu item identifiers only below 0x7fff, and the resource's
// commands (32771 to 32773) lie above: the menu carries them moved down.
constexpr int ViewMenuItemId(int command)
{
    return command >= 0x7fff ? command - 0x7000 : command;
}

// The item the picture's menu adds to the resource's: the outside view,
// which the sheet opens (the command reaches it as the menu event rises).
constexpr int kWorldViewItemId = ViewMenuItemId(32774);
extern const char* const kWorldViewItemText;

// The texture window's own item, below the resource's: "Открыть рисунок…".
constexpr int kOpenPictureItemId = ViewMenuItemId(32790);
void AppendOpenPictureItem(wxMenu& menu);

// A new menu with the items of the resource's first pop-up: "&Rotate" and
// the "&Size" pop-up, under ViewMenuItemId of their commands. The caller owns it.
wxMenu* CreateViewPopupMenu();

// "Почему этот цвет?": the pixel under the point where the menu opened.
// Not one of the resource's items, so wx's range is free for it.
constexpr int kWhyThisColourItem = 0x6000;
void AppendWhyThisColour(wxMenu& menu);

// Where the menu opens, in screen pixels: at the pointer, or, when it was
// asked for from the keyboard (no pointer position), 5 pixels right of and
// below the client area's top-left corner, given in screen pixels.
wxPoint ViewMenuPosition(const wxPoint& eventPos, const wxPoint& clientOrigin);
