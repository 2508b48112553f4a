#include "CLampPage.h"

#include "COpenGLWnd.h"
#include "ResourceIds.h"

#include <wx/checkbox.h>
#include <wx/radiobut.h>
#include <wx/slider.h>

wxBEGIN_EVENT_TABLE(CLampPage, CPageFrame)
    EVT_CHECKBOX(IDC_LAMP_RED, CLampPage::OnLampRed)
    EVT_CHECKBOX(IDC_LAMP_GREEN, CLampPage::OnLampGreen)
    EVT_CHECKBOX(IDC_LAMP_BLUE, CLampPage::OnLampBlue)
    EVT_CHECKBOX(IDC_FOG, CLampPage::OnFog)
    EVT_COMMAND_SCROLL(IDC_SIZE, CLampPage::OnHScroll)
    EVT_COMMAND_SCROLL(IDC_FOG_DENSITY, CLampPage::OnHScroll)
    EVT_SLIDER(IDC_SIZE, CLampPage::OnSliderMoved)
    EVT_SLIDER(IDC_FOG_DENSITY, CLampPage::OnSliderMoved)
    EVT_RADIOBUTTON(IDC_ORTHO, CLampPage::OnOrtho)
    EVT_RADIOBUTTON(IDC_PERSPECTIVE, CLampPage::OnPerspective)
wxEND_EVENT_TABLE()

CLampPage::CLampPage(wxWindow* parent, int templateId, ViewMaker makeView, double& prevSizePos)
    : CPageFrame(parent, templateId, makeView),
      m_prevSizePos(prevSizePos),
      m_fogCheck(Control<wxCheckBox>(IDC_FOG)),
      m_fogSlider(Control<wxSlider>(IDC_FOG_DENSITY)),
      m_redCheck(Control<wxCheckBox>(IDC_LAMP_RED)),
      m_greenCheck(Control<wxCheckBox>(IDC_LAMP_GREEN)),
      m_blueCheck(Control<wxCheckBox>(IDC_LAMP_BLUE)),
      m_sizeSlider(Control<wxSlider>(IDC_SIZE))
{
    OnInitDialog();
}

// The window starts with every coloured lamp off, no fog, orthographic and at
// size 1; only the red lamp is switched on, and the controls show the rest.
// The switch waits for the window's OpenGL set-up if it has not run yet.
void CLampPage::OnInitDialog()
{
    m_sizeSlider->SetRange(1, 10);
    m_sizeSlider->SetValue(5);
    m_fogSlider->SetRange(1, 6);
    m_fogSlider->SetValue(2);
    m_fogSlider->Hide();
    m_redCheck->SetValue(true);
    View()->SwitchLamp(1, 1);
    m_greenCheck->SetValue(false);
    m_blueCheck->SetValue(false);
    Control<wxRadioButton>(IDC_ORTHO)->SetValue(true);
}

void CLampPage::SwitchLamp(signed char lamp, const wxCheckBox* box)
{
    View()->SwitchLamp(lamp, box->IsChecked() ? 1 : 0);
}

void CLampPage::OnLampRed(wxCommandEvent&) { SwitchLamp(1, m_redCheck); }

void CLampPage::OnLampGreen(wxCommandEvent&) { SwitchLamp(2, m_greenCheck); }

void CLampPage::OnLampBlue(wxCommandEvent&) { SwitchLamp(3, m_blueCheck); }

// Fog comes on at the density the trackbar shows; each untick puts the
// trackbar back to 5, which the next tick then applies.
void CLampPage::OnFog(wxCommandEvent&)
{
    if (m_fogCheck->IsChecked()) {
        m_fogSlider->Show();
        View()->SetFog(1, static_cast<signed char>(m_fogSlider->GetValue()));
    } else {
        m_fogSlider->Hide();
        m_fogSlider->SetValue(5);
        View()->SetFog(0, 0);
    }
}

void CLampPage::TrackbarMoved(const wxObject* from)
{
    if (from != m_sizeSlider)
        View()->SetFog(1, static_cast<signed char>(m_fogSlider->GetValue()));
    else
        ScaleToTrackbar(m_sizeSlider, m_prevSizePos);
}

void CLampPage::OnHScroll(wxScrollEvent& event) { TrackbarMoved(event.GetEventObject()); }

void CLampPage::OnSliderMoved(wxCommandEvent& event) { TrackbarMoved(event.GetEventObject()); }

void CLampPage::OnOrtho(wxCommandEvent&) { View()->SetProjection(1); }

void CLampPage::OnPerspective(wxCommandEvent&) { View()->SetProjection(2); }
