// The lines page: the wire-frame cube with line smoothing, projection and size.
#pragma once

#include "CPageFrame.h"

class CCubeWnd;
class wxCheckBox;
class wxCommandEvent;
class wxScrollEvent;
class wxSlider;

class CCubeDlg : public CPageFrame
{
public:
    explicit CCubeDlg(wxWindow* parent);

private:
    void OnInitDialog();

    void OnSmooth(wxCommandEvent& event);
    void OnHScroll(wxScrollEvent& event);
    void OnSliderMoved(wxCommandEvent& event);
    void OnOrtho(wxCommandEvent& event);
    void OnPerspective(wxCommandEvent& event);

    // The size trackbar's position as the page last read it; belongs to the
    // class, so it outlives the page and is never reset.
    static double s_prevSizePos;

    wxSlider* m_sizeSlider;
    wxCheckBox* m_smoothCheck;
    CCubeWnd* m_view;   // a child window, owned by wx like the controls

    wxDECLARE_EVENT_TABLE();
};
