// The lines page: the wire-frame cube with line smoothing, projection and size.
#pragma once

#include "CPageFrame.h"

class wxCheckBox;

class CCubeDlg : public CPageFrame
{
public:
    explicit CCubeDlg(wxWindow* parent);

private:
    void OnInitDialog();
    void OnSmooth(wxCommandEvent& event);

    // The size trackbar's position as this page class last read it.
    static double s_prevSizePos;

    wxCheckBox* m_smoothCheck;

    wxDECLARE_EVENT_TABLE();
};
