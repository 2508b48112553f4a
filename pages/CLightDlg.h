// The lighting page: the solid cube lit by three coloured lamps.
#pragma once

#include "CLampPage.h"

class CLightWnd;

class CLightDlg : public CLampPage
{
public:
    explicit CLightDlg(wxWindow* parent);

private:
    // The size trackbar's position as this page class last read it; its own,
    // apart from the other pages', and never reset.
    static double s_prevSizePos;

    CLightWnd* m_view;   // a child window, owned by wx like the controls
};
