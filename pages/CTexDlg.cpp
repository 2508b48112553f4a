#include "CTexDlg.h"

#include "CTexWnd.h"
#include "ResourceIds.h"

CTexDlg::CTexDlg(wxWindow* parent)
    : CLampPage(parent, IDD_TEX_PAGE, &MakeView<CTexWnd>)
{
}
