// The application-wide colours of dialog boxes: the sheet, the pages, their
// ordinary controls and the notice box use them.
#pragma once

#include <wx/colour.h>

class wxWindow;

// The colours the application sets, which also hold until it does.
struct DialogRgb
{
    unsigned char red, green, blue;
};
inline constexpr DialogRgb kDialogBackground{168, 189, 216};
inline constexpr DialogRgb kDialogText{61, 96, 126};
inline wxColour ToColour(DialogRgb c) { return wxColour(c.red, c.green, c.blue); }

void SetDialogBkColor(const wxColour& background, const wxColour& text);

wxColour DialogText();

// Gives w the dialog background and text colours.
void ApplyDialogColours(wxWindow* w);
