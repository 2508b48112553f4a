// The lines page: the wire-frame cube with line smoothing, projection and size.
#pragma once

#include "CPageFrame.h"

class wxCheckBox;

class CCubeDlg : public CPageFrame
{
public:
    explicit CCubeDlg(wxWindow* parent);

protected:
    void ShowRecord(const ViewState& s) override;

private:
    void OnInitDialog();
    void OnSmooth(wxCommandEvent& event);

    wxCheckBox* m_smoothCheck;

    wxDECLARE_EVENT_TABLE();
};
