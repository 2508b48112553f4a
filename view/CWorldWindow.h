// The outside view in a window of its own: the canvas, and beside it what
// the picture cannot say in lines (the projection's numbers, the fog's).
// It asks for the shown page through a function, as the code window does.
#pragma once

#include "CWorldCanvas.h"

#include <wx/frame.h>

#include <vector>

class wxStaticText;

class CWorldWindow : public wxFrame
{
public:
    CWorldWindow(wxWindow* parent, CWorldCanvas::PageFunc shownPage);

    // Shows and raises it; the first time it is placed clear of the
    // windows in avoid, wholly on their display.
    void Open(const std::vector<wxRect>& avoid);
    CWorldCanvas* Canvas() const { return m_canvas; }
    wxString Legend() const;

    // Where a window of wanted size (down to minimum) goes inside area and
    // clear of avoid: beside them, else above or below, else in a corner.
    static wxRect PlaceApart(const std::vector<wxRect>& avoid, const wxSize& wanted, const wxSize& minimum,
                             const wxRect& area, int gap);

private:
    void Dismiss();
    void ShowNumbers(const ViewState& s);

    CWorldCanvas* m_canvas = nullptr;
    wxStaticText* m_numbers = nullptr;
    bool m_placed = false;
};
