// The frame common to the three demo pages: a panel built from its template,
// with the page's OpenGL window in its top-left corner, the projection radio
// buttons and the size trackbar that every page has, and the hand-over of
// the rendering context and animation when the sheet switches tabs.
#pragma once

#include <wx/panel.h>

class COpenGLWnd;
struct ViewState;
class wxCommandEvent;
class wxSlider;

class CPageFrame : public wxPanel
{
public:
    // The sheet calls OnKillActive on the page being left before OnSetActive
    // on the page being entered, so one window at a time animates and has its
    // context current. Both let the switch go ahead.
    virtual bool OnSetActive();
    virtual bool OnKillActive();

    COpenGLWnd* View() const { return m_view; }
    wxString Caption() const;   // the tab's text
    int TemplateId() const { return m_templateId; }

protected:
    // The controls set to a record that came from elsewhere (the code, an
    // undo): each at its nearest position, the record's own value kept.
    virtual void ShowRecord(const ViewState& s);
    // The trackbar at the position nearest to pos, within its range.
    static void SetNearest(wxSlider* slider, double pos);

    using ViewMaker = COpenGLWnd* (*)(wxWindow* page);
    template <class Wnd>
    static COpenGLWnd* MakeView(wxWindow* page)
    {
        return new Wnd(page);
    }

    // The OpenGL window comes first, so that it exists before the controls
    // and is first in the tab order.
    CPageFrame(wxWindow* parent, int templateId, ViewMaker makeView);

    // The template's control id of type T, or nullptr.
    template <class T>
    T* Control(int id) const
    {
        return dynamic_cast<T*>(FindWindow(id));
    }

    COpenGLWnd* m_view;   // a child window: wx destroys it with the page

private:
    void OnInitDialog();

    // The size trackbar has moved: scales the view by 1.1 per position since
    // the remembered one, which then takes the new position.
    void OnHScroll(wxCommandEvent& event);
    void OnOrtho(wxCommandEvent& event);
    void OnPerspective(wxCommandEvent& event);

    int m_templateId;
    // The size trackbar's position as the page last read it. It starts where
    // the trackbar starts, so that every new page's first move is one step.
    double m_prevSizePos = 5.0;
    wxSlider* m_sizeSlider;

    wxDECLARE_EVENT_TABLE();
};
