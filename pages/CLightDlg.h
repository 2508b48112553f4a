// The lighting page: the solid cube lit by three coloured lamps.
#pragma once

#include "CLampPage.h"

class CLightDlg : public CLampPage
{
public:
    explicit CLightDlg(wxWindow* parent);
};
