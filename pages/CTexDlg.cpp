#include "CTexDlg.h"

#include "CTexWnd.h"
#include "ResourceIds.h"

double CTexDlg::s_prevSizePos = 5.0;

CTexDlg::CTexDlg(wxWindow* parent)
    : CLampPage(parent, IDD_TEX_PAGE, &MakeView<CTexWnd>, s_prevSizePos)
{
}
