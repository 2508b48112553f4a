// Shows a demo page in a frame of its own, as the sheet would show it, and
// drives its controls with the events a user's action sends.
#pragma once

#include "COpenGLWnd.h"
#include "WxTestMain.h"

#include <gtest/gtest.h>
#include <wx/checkbox.h>
#include <wx/frame.h>
#include <wx/radiobut.h>
#include <wx/slider.h>

#include <GL/gl.h>

#include <initializer_list>
#include <ostream>

template <class Page>
class ShownPage
{
public:
    // Waits for the OpenGL set-up, then makes the page the active one.
    ShownPage() : m_frame(new wxFrame(nullptr, wxID_ANY, "page")), m_page(new Page(m_frame))
    {
        m_frame->SetClientSize(m_page->GetMinSize());
        m_frame->Show();
        m_setUp = PumpEvents(10000, [this] { return m_page->View()->IsSetUp(); });
        m_page->OnSetActive();
    }
    ~ShownPage()
    {
        m_page->OnKillActive();
        m_frame->Destroy();
        PumpEvents(20);
    }
    ShownPage(const ShownPage&) = delete;
    ShownPage& operator=(const ShownPage&) = delete;

    bool SetUp() const { return m_setUp; }
    Page* operator->() const { return m_page; }
    Page* Get() const { return m_page; }
    COpenGLWnd* View() const { return m_page->View(); }

    template <class T>
    T* Find(int id) const
    {
        T* control = dynamic_cast<T*>(m_page->FindWindow(id));
        EXPECT_NE(control, nullptr) << "no control " << id;
        return control;
    }

private:
    wxFrame* m_frame;
    Page* m_page;
    bool m_setUp = false;
};

// A click: the control's new state, then its notification.
inline void Tick(wxCheckBox* box, bool on)
{
    box->SetValue(on);
    wxCommandEvent event(wxEVT_CHECKBOX, box->GetId());
    event.SetEventObject(box);
    event.SetInt(on);
    box->ProcessWindowEvent(event);
}

inline void Choose(wxRadioButton* button)
{
    button->SetValue(true);
    wxCommandEvent event(wxEVT_RADIOBUTTON, button->GetId());
    event.SetEventObject(button);
    event.SetInt(1);
    button->ProcessWindowEvent(event);
}

// One notification from a trackbar, standing where it stands.
inline void Notify(wxSlider* slider, wxEventType type)
{
    wxScrollEvent scroll(type, slider->GetId(), slider->GetValue(), wxHORIZONTAL);
    wxCommandEvent moved(wxEVT_SLIDER, slider->GetId());
    wxCommandEvent& event = type == wxEVT_SLIDER ? moved : scroll;
    event.SetEventObject(slider);
    event.SetInt(slider->GetValue());
    slider->ProcessWindowEvent(event);
}

// A drag of the thumb through positions, with every notification a drag
// sends: two per position passed, then the release and the final one.
inline void Drag(wxSlider* slider, std::initializer_list<int> positions)
{
    for (int pos : positions) {
        slider->SetValue(pos);
        Notify(slider, wxEVT_SCROLL_THUMBTRACK);
        Notify(slider, wxEVT_SLIDER);
    }
    Notify(slider, wxEVT_SCROLL_THUMBRELEASE);
    Notify(slider, wxEVT_SCROLL_CHANGED);
}

// A page class remembers its size trackbar's position for the whole program,
// so an earlier test may have left it elsewhere: one notification brings it
// back in step with the trackbar. Returns the view's size from then on.
inline float SyncSize(wxSlider* size, COpenGLWnd* view)
{
    Notify(size, wxEVT_SCROLL_CHANGED);
    return view->ScaleX();
}

// GL state, read from the current context.
inline bool Enabled(GLenum cap) { return glIsEnabled(cap) == GL_TRUE; }

inline float FogDensity()
{
    GLfloat density = -1.0f;
    glGetFloatv(GL_FOG_DENSITY, &density);
    return density;
}

inline void PrintTo(const wxColour& c, std::ostream* os)
{
    *os << "RGB(" << int(c.Red()) << ", " << int(c.Green()) << ", " << int(c.Blue()) << ")";
}

inline void PrintTo(const wxRect& r, std::ostream* os)
{
    *os << r.x << "," << r.y << " " << r.width << "x" << r.height;
}
