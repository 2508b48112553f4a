// The frame common to the three demo pages: a panel built from its template,
// with the page's OpenGL window in its top-left corner, and the hand-over of
// the rendering context and animation when the sheet switches tabs.
#pragma once

#include <wx/panel.h>

class COpenGLWnd;
class wxSlider;
struct PageTemplate;

class CPageFrame : public wxPanel
{
public:
    // A page with the controls of template templateId and no OpenGL window.
    CPageFrame(wxWindow* parent, int templateId);

    // The sheet calls OnKillActive on the page being left before OnSetActive
    // on the page being entered, so one window at a time animates and has its
    // context current. Both let the switch go ahead.
    virtual bool OnSetActive();
    virtual bool OnKillActive();

    COpenGLWnd* View() const { return m_glView; }
    wxString Caption() const;   // the tab's text
    int TemplateId() const { return m_templateId; }

protected:
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

    // The size trackbar has moved: scales the view by 1.1 per position since
    // prevPos, which then takes the new position. The several notifications
    // of one move add up to the distance moved, as the repeats find no change.
    void ScaleToTrackbar(const wxSlider* slider, double& prevPos);

private:
    int m_templateId;
    const PageTemplate* m_template;
    COpenGLWnd* m_glView = nullptr;   // a child window: wx destroys it with the page
};
