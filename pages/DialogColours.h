// The application-wide colours of dialog boxes: the pages, their ordinary
// controls and the notice box use them.
#pragma once

#include <wx/colour.h>

class wxWindow;

// Until the first call: background RGB(168, 189, 216), text RGB(61, 96, 126).
void SetDialogBkColor(const wxColour& background, const wxColour& text);

wxColour DialogBackground();
wxColour DialogText();

// Gives w the dialog background and text colours.
void ApplyDialogColours(wxWindow* w);
