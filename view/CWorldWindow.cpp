#include "CWorldWindow.h"

#include "Texts.h"

#include <wx/display.h>
#include <wx/panel.h>
#include <wx/sizer.h>
#include <wx/stattext.h>

#include <algorithm>

namespace {

const char* const kTitle = N_("Вид со стороны");
const char* const kLegend =
    N_("Камера страницы стоит в начале координат: оси x и y, синим — куда она смотрит.\n"
       "Желтым — объем видимости, ближняя плоскость желтая, дальняя голубая.\n"
       "Что от куба вне объема, нарисовано через точку: на странице его нет.\n"
       "Точки — лампы в их цвете, выключенные тусклее.\n\n"
       "Перетаскивание поворачивает вид, колесо приближает.");
const char* const kOrthoNumbers = N_("glOrtho: x от %g до %g, y от %g до %g,\nближняя плоскость %g, дальняя %g");
const char* const kFrustumNumbers = N_("gluPerspective: угол %g°, отношение сторон %.3g,\nближняя плоскость %g, дальняя %g");
const char* const kFogNumbers = N_("Туман: плотность %g.\nПолоса внизу: доля цвета куба f = e^(-плотность·z).\n"
                                   "f = 1/2 при z = %.3g (красная черта),\nf = 1/10 при z = %.3g (синяя черта).");

const wxSize kWanted(720, 460), kSmallest(420, 300);   // in DIPs
constexpr int kGap = 8;

}

CWorldWindow::CWorldWindow(wxWindow* parent, CWorldCanvas::PageFunc shownPage)
    : wxFrame(parent, wxID_ANY, Tr(kTitle), wxDefaultPosition, parent->FromDIP(kWanted))
{
    auto* panel = new wxPanel(this);
    m_canvas = new CWorldCanvas(panel, std::move(shownPage));
    auto* legend = new wxStaticText(panel, wxID_ANY, Tr(kLegend));
    legend->Wrap(FromDIP(230));
    m_numbers = new wxStaticText(panel, wxID_ANY, wxString());
    auto* side = new wxBoxSizer(wxVERTICAL);
    side->Add(legend, 0, wxBOTTOM, 12);
    side->Add(m_numbers);
    auto* row = new wxBoxSizer(wxHORIZONTAL);
    row->Add(m_canvas, 1, wxEXPAND | wxALL, 8);
    row->Add(side, 0, wxTOP | wxRIGHT | wxBOTTOM, 8);
    panel->SetSizer(row);
    SetMinSize(FromDIP(kSmallest));
    m_canvas->onFrame = [this](const ViewState& s) { ShowNumbers(s); };
    Bind(wxEVT_CHAR_HOOK, [this](wxKeyEvent& e) {
        if (e.GetKeyCode() == WXK_ESCAPE && e.GetModifiers() == wxMOD_NONE)
            Dismiss();
        else
            e.Skip();
    });
    // The close box hides: F2 brings the window back as it was.
    Bind(wxEVT_CLOSE_WINDOW, [this](wxCloseEvent& e) { e.CanVeto() ? (e.Veto(), Dismiss()) : e.Skip(); });
}

void CWorldWindow::Open(const std::vector<wxRect>& avoid)
{
    if (!m_placed && !avoid.empty()) {
        const int index = wxDisplay::GetFromWindow(GetParent());
        const wxRect area = wxDisplay(index == wxNOT_FOUND ? 0u : unsigned(index)).GetClientArea();
        SetSize(PlaceApart(avoid, FromDIP(kWanted), FromDIP(kSmallest), area, FromDIP(kGap)));
        m_placed = true;
    }
    Show();
    Raise();
    m_canvas->Follow(true);
}

void CWorldWindow::Dismiss()
{
    m_canvas->Follow(false);
    Hide();
}

wxString CWorldWindow::Legend() const { return m_numbers->GetLabel(); }

void CWorldWindow::ShowNumbers(const ViewState& s)
{
    const auto& o = s.ortho;
    const auto& f = s.frustum;
    wxString text = s.perspective ? wxString::Format(Tr(kFrustumNumbers), f[0], s.aspect, f[1], f[2])
                                  : wxString::Format(Tr(kOrthoNumbers), o[0], o[1], o[2], o[3], o[4], o[5]);
    const FogBand fog = FogBandOf(s);
    if (fog.shown)
        text += "\n\n" + wxString::Format(Tr(kFogNumbers), fog.density, fog.half, fog.tenth);
    if (text != m_numbers->GetLabel()) {
        m_numbers->SetLabel(text);
        m_numbers->GetParent()->Layout();
    }
}

wxRect CWorldWindow::PlaceApart(const std::vector<wxRect>& avoid, const wxSize& wanted, const wxSize& minimum,
                                const wxRect& area, int gap)
{
    wxRect all = avoid.front();
    for (const wxRect& r : avoid)
        all.Union(r);
    const int right = area.GetRight(), bottom = area.GetBottom();
    // The room on each side of all the windows, right, left, below, above.
    const wxRect rooms[4] = {
        wxRect(wxPoint(all.GetRight() + 1 + gap, area.y), wxPoint(right, bottom)),
        wxRect(wxPoint(area.x, area.y), wxPoint(all.x - 1 - gap, bottom)),
        wxRect(wxPoint(area.x, all.GetBottom() + 1 + gap), wxPoint(right, bottom)),
        wxRect(wxPoint(area.x, area.y), wxPoint(right, all.y - 1 - gap)),
    };
    wxRect best;
    for (int side = 0; side < 4; ++side) {
        const wxRect& room = rooms[side];
        const wxSize size(std::min(wanted.x, room.width), std::min(wanted.y, room.height));
        if (size.x < minimum.x || size.y < minimum.y || size.x * size.y <= best.width * best.height)
            continue;
        wxRect at(room.GetPosition(), size);
        if (side < 2)
            at.y = std::clamp(all.y, room.y, room.GetBottom() + 1 - size.y);
        else
            at.x = std::clamp(all.x, room.x, room.GetRight() + 1 - size.x);
        if (side == 1)
            at.x = room.GetRight() + 1 - size.x;
        if (side == 3)
            at.y = room.GetBottom() + 1 - size.y;
        best = at;
    }
    if (best.IsEmpty()) {
        // No room clear of them all: the lower right corner, clear of the
        // first (the sheet, with the picture) if its right leaves room.
        const int beside = right - avoid.front().GetRight() - gap;
        const wxSize size(std::min(wanted.x, beside >= minimum.x ? beside : area.width), std::min(wanted.y, area.height));
        best = wxRect(wxPoint(right + 1 - size.x, bottom + 1 - size.y), size);
    }
    return best;
}
