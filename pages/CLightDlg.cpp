#include "CLightDlg.h"

#include "CLightWnd.h"
#include "ResourceIds.h"

CLightDlg::CLightDlg(wxWindow* parent)
    : CLampPage(parent, IDD_LIGHT_PAGE, &MakeView<CLightWnd>)
{
}
