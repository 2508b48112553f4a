#include "CCubeDlg.h"

#include "CCubeWnd.h"
#include "ResourceIds.h"

#include <wx/checkbox.h>
#include <wx/radiobut.h>
#include <wx/slider.h>

double CCubeDlg::s_prevSizePos = 5.0;

wxBEGIN_EVENT_TABLE(CCubeDlg, CPageFrame)
    EVT_CHECKBOX(IDC_SMOOTH, CCubeDlg::OnSmooth)
    EVT_COMMAND_SCROLL(IDC_SIZE, CCubeDlg::OnHScroll)
    EVT_SLIDER(IDC_SIZE, CCubeDlg::OnSliderMoved)
    EVT_RADIOBUTTON(IDC_ORTHO, CCubeDlg::OnOrtho)
    EVT_RADIOBUTTON(IDC_PERSPECTIVE, CCubeDlg::OnPerspective)
wxEND_EVENT_TABLE()

CCubeDlg::CCubeDlg(wxWindow* parent)
    : CPageFrame(parent, IDD_CUBE_PAGE, &MakeView<CCubeWnd>),
      m_sizeSlider(Control<wxSlider>(IDC_SIZE)),
      m_smoothCheck(Control<wxCheckBox>(IDC_SMOOTH)),
      m_view(static_cast<CCubeWnd*>(View()))
{
    OnInitDialog();
}

// The window starts smoothed, orthographic and at size 1; the controls are
// set to show just that, so no switch of the window is called here.
void CCubeDlg::OnInitDialog()
{
    m_sizeSlider->SetRange(1, 10);
    m_sizeSlider->SetValue(5);
    m_smoothCheck->SetValue(true);
    Control<wxRadioButton>(IDC_ORTHO)->SetValue(true);
}

void CCubeDlg::OnSmooth(wxCommandEvent&)
{
    m_view->SetLineSmoothing(m_smoothCheck->IsChecked());
}

void CCubeDlg::OnHScroll(wxScrollEvent& event)
{
    ScaleToTrackbar(m_sizeSlider, s_prevSizePos);
    event.Skip();
}

void CCubeDlg::OnSliderMoved(wxCommandEvent& event)
{
    ScaleToTrackbar(m_sizeSlider, s_prevSizePos);
    event.Skip();
}

void CCubeDlg::OnOrtho(wxCommandEvent&)
{
    m_view->SetProjection(1);
}

void CCubeDlg::OnPerspective(wxCommandEvent&)
{
    m_view->SetProjection(2);
}
