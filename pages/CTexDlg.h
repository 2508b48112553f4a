// The texture page: the textured cube, lit by a white lamp and three coloured ones.
#pragma once

#include "CLampPage.h"

class CTexDlg : public CLampPage
{
public:
    explicit CTexDlg(wxWindow* parent);

private:
    // The size trackbar's position as this page class last read it.
    static double s_prevSizePos;
};
