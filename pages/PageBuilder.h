// Creates a page's controls from its template.
#pragma once

#include <wx/colour.h>
#include <wx/gdicmn.h>

struct PageTemplate;
class wxWindow;

// Creates the controls of tmpl as children of page, in template order (which
// is the tab order), each at its template position in dialog units and at
// least as large as the platform needs. Returns the size the page needs to
// show them all: the template's size, or more.
wxSize BuildPageControls(wxWindow* page, const PageTemplate& tmpl);

// The fixed colours of a static that paints its own (the heading, the lamp
// labels); false for every other identifier.
bool FixedLabelColours(int id, wxColour* text, wxColour* background);
