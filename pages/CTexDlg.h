// The texture page: the textured cube, lit by a white lamp and three coloured ones.
#pragma once

#include "CLampPage.h"

class CTexDlg : public CLampPage
{
public:
    explicit CTexDlg(wxWindow* parent);
};
