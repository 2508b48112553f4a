// What the lighting and texture pages share: three lamp boxes and fog with
// its density trackbar, beside the projection and size of every page.
#pragma once

#include "CPageFrame.h"

class wxCheckBox;

class CLampPage : public CPageFrame
{
protected:
    CLampPage(wxWindow* parent, int templateId, ViewMaker makeView);

protected:
    void ShowRecord(const ViewState& s) override;

private:
    void OnInitDialog();

    void OnLampRed(wxCommandEvent& event);
    void OnLampGreen(wxCommandEvent& event);
    void OnLampBlue(wxCommandEvent& event);
    void OnFog(wxCommandEvent& event);
    void OnFogDensity(wxCommandEvent& event);

    // Each box switches its own lamp from its own state.
    void SwitchLamp(signed char lamp, const wxCheckBox* box);

    wxCheckBox* m_fogCheck;
    wxSlider* m_fogSlider;
    wxCheckBox* m_redCheck;
    wxCheckBox* m_greenCheck;
    wxCheckBox* m_blueCheck;

    wxDECLARE_EVENT_TABLE();
};
