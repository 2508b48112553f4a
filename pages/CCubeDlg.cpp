#include "CCubeDlg.h"

#include "CCubeWnd.h"
#include "ResourceIds.h"

#include <wx/checkbox.h>

wxBEGIN_EVENT_TABLE(CCubeDlg, CPageFrame)
    EVT_CHECKBOX(IDC_SMOOTH, CCubeDlg::OnSmooth)
wxEND_EVENT_TABLE()

CCubeDlg::CCubeDlg(wxWindow* parent)
    : CPageFrame(parent, IDD_CUBE_PAGE, &MakeView<CCubeWnd>),
      m_smoothCheck(Control<wxCheckBox>(IDC_SMOOTH))
{
    OnInitDialog();
}

// The window starts smoothed; the box shows it, so no switch is called here.
void CCubeDlg::OnInitDialog()
{
    m_smoothCheck->SetValue(true);
}

void CCubeDlg::ShowRecord(const ViewState& s)
{
    CPageFrame::ShowRecord(s);
    m_smoothCheck->SetValue(s.lineSmoothing);
}

void CCubeDlg::OnSmooth(wxCommandEvent&)
{
    m_view->SetLineSmoothing(m_smoothCheck->IsChecked());
}
