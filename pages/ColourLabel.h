// A centred static text on a solid colour of its own: the page headings and
// the lamp labels. A GTK label paints no background, so this one paints both.
#pragma once

#include <wx/brush.h>
#include <wx/control.h>

class wxDC;

class CColourLabel : public wxControl
{
public:
    CColourLabel(wxWindow* parent, int id, const wxString& text, const wxPoint& pos,
                 const wxSize& size, const wxColour& textColour, const wxColour& background);

    // The text broken at spaces into lines no wider than width, where words allow.
    wxArrayString Lines(int width) const;
    // The height those lines take.
    int HeightFor(int width) const;

    // Paints the whole label into dc, as the window shows it.
    void Render(wxDC& dc) const;

    bool AcceptsFocus() const override { return false; }
    void SetLabel(const wxString& text) override;

protected:
    // At the current width: the widest line and the height of all lines.
    wxSize DoGetBestSize() const override;

private:
    void OnPaint(wxPaintEvent& event);

    wxColour m_textColour;
    wxBrush m_brush;   // made once; every paint uses it

    wxDECLARE_EVENT_TABLE();
};
