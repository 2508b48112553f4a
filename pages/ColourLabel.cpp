#include "ColourLabel.h"

#include <wx/dcclient.h>
#include <wx/tokenzr.h>

#include <algorithm>
#include <climits>

wxBEGIN_EVENT_TABLE(CColourLabel, wxControl)
    EVT_PAINT(CColourLabel::OnPaint)
wxEND_EVENT_TABLE()

CColourLabel::CColourLabel(wxWindow* parent, int id, const wxString& text, const wxPoint& pos,
                           const wxSize& size, const wxColour& textColour,
                           const wxColour& background)
    : m_textColour(textColour), m_brush(background)
{
    // The paint handler covers every pixel; no erasing first, so no flicker.
    SetBackgroundStyle(wxBG_STYLE_PAINT);
    wxControl::Create(parent, id, pos, size, wxBORDER_NONE);
    SetBackgroundColour(background);
    SetForegroundColour(textColour);
    wxControl::SetLabel(text);
}

void CColourLabel::SetLabel(const wxString& text)
{
    wxControl::SetLabel(text);
    Refresh();
}

wxArrayString CColourLabel::Lines(int width) const
{
    wxArrayString lines;
    wxString line;
    wxStringTokenizer words(GetLabel(), " ", wxTOKEN_STRTOK);
    while (words.HasMoreTokens()) {
        const wxString word = words.GetNextToken();
        const wxString longer = line.empty() ? word : line + " " + word;
        if (line.empty() || GetTextExtent(longer).x <= width) {
            line = longer;
        } else {
            lines.Add(line);
            line = word;
        }
    }
    if (!line.empty())
        lines.Add(line);
    return lines;
}

int CColourLabel::HeightFor(int width) const
{
    return static_cast<int>(Lines(width).size()) * GetCharHeight();
}

wxSize CColourLabel::DoGetBestSize() const
{
    const int width = GetSize().x > 0 ? GetSize().x : INT_MAX;
    int widest = 0;
    for (const wxString& line : Lines(width))
        widest = std::max(widest, GetTextExtent(line).x);
    return wxSize(widest, HeightFor(width));
}

void CColourLabel::Render(wxDC& dc) const
{
    const wxSize size = GetClientSize();
    dc.SetBackground(m_brush);
    dc.Clear();
    dc.SetFont(GetFont());
    dc.SetTextForeground(m_textColour);
    dc.SetBackgroundMode(wxBRUSHSTYLE_TRANSPARENT);
    int y = 0;
    for (const wxString& line : Lines(size.x)) {
        const wxSize extent = dc.GetTextExtent(line);
        dc.DrawText(line, (size.x - extent.x) / 2, y);
        y += GetCharHeight();
    }
}

void CColourLabel::OnPaint(wxPaintEvent&)
{
    wxPaintDC dc(this);
    Render(dc);
}
