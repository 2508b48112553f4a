#include "PageBuilder.h"

#include "ColourLabel.h"
#include "DialogColours.h"
#include "ResourceIds.h"
#include "Resources.h"
#include "Texts.h"

#include <wx/checkbox.h>
#include <wx/radiobut.h>
#include <wx/slider.h>
#include <wx/statbox.h>
#include <wx/stattext.h>

#include <algorithm>
#include <vector>

namespace {

// Room kept between a group box's frame and its members, and at the page's edges.
constexpr int kMargin = 4;

// Every template leaves the area left of x and above y (dialog units) free for
// the page's OpenGL window.
constexpr int kFreeCornerX = 185;
constexpr int kFreeCornerY = 163;

// A check box this narrow (in dialog units) has room for its box only: its
// text never shows.
constexpr int kBoxOnlyWidth = 10;

struct Placed
{
    const ControlTemplate* tmpl;
    wxWindow* window;
    wxRect rect;
};

wxRect DialogRect(wxWindow* page, const ControlTemplate& c)
{
    return wxRect(page->ConvertDialogToPixels(wxPoint(c.x, c.y)),
                  page->ConvertDialogToPixels(wxSize(c.w, c.h)));
}

bool Contains(const ControlTemplate& outer, const ControlTemplate& inner)
{
    return inner.x >= outer.x && inner.y >= outer.y && inner.x + inner.w <= outer.x + outer.w &&
           inner.y + inner.h <= outer.y + outer.h;
}

wxSize AtLeast(const wxSize& a, const wxSize& b)
{
    return wxSize(std::max(a.x, b.x), std::max(a.y, b.y));
}

// Creates one control; returns it with the rectangle it should take.
Placed Create(wxWindow* page, const ControlTemplate& c, bool startsRadioGroup)
{
    const wxRect r = DialogRect(page, c);
    const wxString text = Tr(c.text);
    Placed placed{&c, nullptr, r};
    wxColour textColour, background;

    switch (c.kind) {
    case ControlKind::StaticCentered:
    case ControlKind::StaticCenteredGroup:
        if (FixedLabelColours(c.id, &textColour, &background)) {
            auto* label = new CColourLabel(page, c.id, text, r.GetPosition(), r.GetSize(),
                                           textColour, background);
            // Keeps the template's width; the wrapped text may need more height.
            placed.rect.height = std::max(r.height, label->HeightFor(r.width));
            placed.window = label;
        } else {
            placed.window = new wxStaticText(page, c.id, text, r.GetPosition(), r.GetSize(),
                                             wxALIGN_CENTRE_HORIZONTAL | wxST_NO_AUTORESIZE);
        }
        break;
    case ControlKind::RadioButton:
        placed.window = new wxRadioButton(page, c.id, text, r.GetPosition(), r.GetSize(),
                                          startsRadioGroup ? wxRB_GROUP : 0);
        break;
    case ControlKind::GroupBox:
        placed.window = new wxStaticBox(page, c.id, text, r.GetPosition(), r.GetSize());
        break;
    case ControlKind::CheckBox:
        placed.window = new wxCheckBox(page, c.id, c.w <= kBoxOnlyWidth ? wxString() : text,
                                       r.GetPosition(), r.GetSize());
        break;
    case ControlKind::Trackbar:
        // A trackbar's text is never shown; its range is the common control's default.
        placed.window = new wxSlider(page, c.id, 0, 0, 100, r.GetPosition(), r.GetSize(),
                                     wxSL_HORIZONTAL);
        break;
    }

    if (!dynamic_cast<CColourLabel*>(placed.window)) {
        // The page's background shows through GTK's controls. One of their own
        // would also fill the check and radio indicators (hiding an unticked
        // box) and, on a group box drawn after its members, cover them.
        placed.window->SetForegroundColour(DialogText());
        if (c.kind != ControlKind::GroupBox)
            placed.rect.SetSize(AtLeast(r.GetSize(), placed.window->GetBestSize()));
    }
    return placed;
}

// The OpenGL window (any child the page had before its controls) is fixed in
// pixels, the template in dialog units. With a small font the template's free
// corner is smaller than the window: the controls beside it and those below it
// then move out of its way, each group as one, so that they stay aligned.
void ClearOf(const wxRect& window, wxWindow* page, std::vector<Placed>& placed)
{
    if (window.IsEmpty())
        return;
    const wxPoint corner = page->ConvertDialogToPixels(wxPoint(kFreeCornerX, kFreeCornerY));
    const int dx = std::max(0, window.GetRight() + 1 + kMargin - corner.x);
    const int dy = std::max(0, window.GetBottom() + 1 + kMargin - corner.y);
    for (Placed& p : placed) {
        if (p.tmpl->y >= kFreeCornerY)
            p.rect.y += dy;
        else
            p.rect.x += dx;
    }
}

// GTK's controls are taller than the template allows: one that now runs into
// a control below it pushes that control down, just clear of it.
void PushApart(std::vector<Placed>& placed)
{
    for (bool moved = true; moved;) {
        moved = false;
        for (std::size_t i = 0; i < placed.size(); ++i) {
            for (std::size_t j = i + 1; j < placed.size(); ++j) {
                Placed& a = placed[i];
                Placed& b = placed[j];
                if (a.tmpl->kind == ControlKind::GroupBox || b.tmpl->kind == ControlKind::GroupBox ||
                    !a.rect.Intersects(b.rect))
                    continue;
                Placed& lower = b.rect.y >= a.rect.y ? b : a;
                const Placed& upper = &lower == &b ? a : b;
                lower.rect.y = upper.rect.GetBottom() + 1;
                moved = true;
            }
        }
    }
}

// Each group box grows, if it must, to enclose its members below its label.
void EncloseMembers(std::vector<Placed>& placed)
{
    for (Placed& box : placed) {
        if (box.tmpl->kind != ControlKind::GroupBox)
            continue;
        int labelRoom = 0, otherRoom = 0;
        static_cast<wxStaticBox*>(box.window)->GetBordersForSizer(&labelRoom, &otherRoom);
        const int margin = std::max(otherRoom, kMargin);
        int left = box.rect.GetLeft(), top = box.rect.GetTop();
        int right = box.rect.GetRight(), bottom = box.rect.GetBottom();
        for (const Placed& member : placed) {
            if (&member == &box || member.tmpl->kind == ControlKind::GroupBox ||
                !Contains(*box.tmpl, *member.tmpl))
                continue;
            left = std::min(left, member.rect.GetLeft() - margin);
            top = std::min(top, member.rect.GetTop() - labelRoom);
            right = std::max(right, member.rect.GetRight() + margin);
            bottom = std::max(bottom, member.rect.GetBottom() + margin);
        }
        box.rect = wxRect(wxPoint(left, top), wxPoint(right, bottom));
    }
}

}

bool FixedLabelColours(int id, wxColour* text, wxColour* background)
{
    switch (id) {
    case IDC_CAPTION:
        *text = wxColour(255, 255, 255);
        *background = wxColour(64, 97, 128);
        return true;
    case IDC_LABEL_RED:
        *text = wxColour(0, 0, 0);
        *background = wxColour(255, 0, 0);
        return true;
    case IDC_LABEL_GREEN:
        *text = wxColour(0, 0, 0);
        *background = wxColour(0, 255, 0);
        return true;
    case IDC_LABEL_BLUE:
        *text = wxColour(0, 0, 0);
        *background = wxColour(0, 0, 255);
        return true;
    default:
        return false;
    }
}

wxSize BuildPageControls(wxWindow* page, const PageTemplate& tmpl)
{
    wxRect window;
    for (const wxWindow* child : page->GetChildren())
        window.Union(child->GetRect());

    std::vector<Placed> placed;
    placed.reserve(tmpl.count);
    for (std::size_t i = 0; i < tmpl.count; ++i) {
        const bool startsGroup = tmpl.controls[i].kind == ControlKind::RadioButton &&
                                 (i == 0 || tmpl.controls[i - 1].kind != ControlKind::RadioButton);
        placed.push_back(Create(page, tmpl.controls[i], startsGroup));
    }
    ClearOf(window, page, placed);
    PushApart(placed);
    EncloseMembers(placed);

    wxSize needed = page->ConvertDialogToPixels(wxSize(tmpl.w, tmpl.h));
    for (const Placed& p : placed) {
        p.window->SetSize(p.rect);
        p.window->SetMinSize(p.rect.GetSize());
    }
    // Everything on the page, the OpenGL window too, must fit inside it.
    for (const wxWindow* child : page->GetChildren()) {
        const wxRect r = child->GetRect();
        needed = AtLeast(needed, wxSize(r.GetRight() + 1 + kMargin, r.GetBottom() + 1 + kMargin));
    }
    return needed;
}
