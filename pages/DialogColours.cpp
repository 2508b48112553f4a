#include "DialogColours.h"

#include <wx/window.h>

namespace {

// Function-local, so that no wxColour is built during static initialisation.
wxColour& Background()
{
    static wxColour colour = ToColour(kDialogBackground);
    return colour;
}

wxColour& Text()
{
    static wxColour colour = ToColour(kDialogText);
    return colour;
}

}

void SetDialogBkColor(const wxColour& background, const wxColour& text)
{
    Background() = background;
    Text() = text;
}

wxColour DialogText() { return Text(); }

void ApplyDialogColours(wxWindow* w)
{
    if (!w)
        return;
    w->SetBackgroundColour(Background());
    w->SetForegroundColour(Text());
}
