// What the lighting and texture pages share: three lamp boxes, fog with its
// density trackbar, projection and size. Each page class keeps its own
// remembered size position and passes it in.
#pragma once

#include "CPageFrame.h"

class wxCheckBox;
class wxCommandEvent;
class wxScrollEvent;
class wxSlider;

class CLampPage : public CPageFrame
{
protected:
    CLampPage(wxWindow* parent, int templateId, ViewMaker makeView, double& prevSizePos);

private:
    void OnInitDialog();

    void OnLampRed(wxCommandEvent& event);
    void OnLampGreen(wxCommandEvent& event);
    void OnLampBlue(wxCommandEvent& event);
    void OnFog(wxCommandEvent& event);
    void OnHScroll(wxScrollEvent& event);
    void OnSliderMoved(wxCommandEvent& event);
    void OnOrtho(wxCommandEvent& event);
    void OnPerspective(wxCommandEvent& event);

    void SwitchLamp(signed char lamp, const wxCheckBox* box);
    void TrackbarMoved(const wxObject* from);

    double& m_prevSizePos;   // the page class's s_prevSizePos

    wxCheckBox* m_fogCheck;
    wxSlider* m_fogSlider;
    wxCheckBox* m_redCheck;
    wxCheckBox* m_greenCheck;
    wxCheckBox* m_blueCheck;
    wxSlider* m_sizeSlider;

    wxDECLARE_EVENT_TABLE();
};
