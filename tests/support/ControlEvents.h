// The events a user's action on a page control sends, for driving pages in tests.
#pragma once

#include <wx/checkbox.h>
#include <wx/radiobut.h>
#include <wx/slider.h>

#include <initializer_list>

// A click on a check box or radio button: its new state, then its notification.
template <class Box>
void Click(Box* box, bool on = true)
{
    box->SetValue(on);
    wxCommandEvent event(dynamic_cast<wxCheckBox*>(box) ? wxEVT_CHECKBOX : wxEVT_RADIOBUTTON, box->GetId());
    event.SetEventObject(box);
    event.SetInt(on);
    box->ProcessWindowEvent(event);
}

// A drag of the thumb through positions, with every notification GTK sends:
// a scroll and a slider event per position, then the release and the end.
inline void Drag(wxSlider* slider, std::initializer_list<int> positions)
{
    auto notify = [slider](wxCommandEvent&& event) {
        event.SetEventObject(slider);
        event.SetInt(slider->GetValue());
        slider->ProcessWindowEvent(event);
    };
    auto scroll = [slider](wxEventType type) { return wxScrollEvent(type, slider->GetId(), 0, wxHORIZONTAL); };
    for (int pos : positions) {
        slider->SetValue(pos);
        notify(scroll(wxEVT_SCROLL_THUMBTRACK));
        notify(wxCommandEvent(wxEVT_SLIDER, slider->GetId()));
    }
    notify(scroll(wxEVT_SCROLL_THUMBRELEASE));
    notify(scroll(wxEVT_SCROLL_CHANGED));
}
