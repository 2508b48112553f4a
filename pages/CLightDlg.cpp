#include "CLightDlg.h"

#include "CLightWnd.h"
#include "ResourceIds.h"

double CLightDlg::s_prevSizePos = 5.0;

CLightDlg::CLightDlg(wxWindow* parent)
    : CLampPage(parent, IDD_LIGHT_PAGE, &MakeView<CLightWnd>, s_prevSizePos)
{
}
