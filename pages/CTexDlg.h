// The texture page: the textured cube, lit by a white lamp and three coloured ones.
#pragma once

#include "CLampPage.h"

class CTexWnd;

class CTexDlg : public CLampPage
{
public:
    explicit CTexDlg(wxWindow* parent);

private:
    // The size trackbar's position as this page class last read it; its own,
    // apart from the other pages', and never reset.
    static double s_prevSizePos;

    CTexWnd* m_view;   // a child window, owned by wx like the controls
};
