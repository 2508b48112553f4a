#include "CLampPage.h"

#include "COpenGLWnd.h"
#include "ResourceIds.h"

#include <wx/checkbox.h>
#include <wx/slider.h>

#include <cmath>

wxBEGIN_EVENT_TABLE(CLampPage, CPageFrame)
    EVT_CHECKBOX(IDC_LAMP_RED, CLampPage::OnLampRed)
    EVT_CHECKBOX(IDC_LAMP_GREEN, CLampPage::OnLampGreen)
    EVT_CHECKBOX(IDC_LAMP_BLUE, CLampPage::OnLampBlue)
    EVT_CHECKBOX(IDC_FOG, CLampPage::OnFog)
    EVT_SLIDER(IDC_FOG_DENSITY, CLampPage::OnFogDensity)
wxEND_EVENT_TABLE()

CLampPage::CLampPage(wxWindow* parent, int templateId, ViewMaker makeView)
    : CPageFrame(parent, templateId, makeView),
      m_fogCheck(Control<wxCheckBox>(IDC_FOG)),
      m_fogSlider(Control<wxSlider>(IDC_FOG_DENSITY)),
      m_redCheck(Control<wxCheckBox>(IDC_LAMP_RED)),
      m_greenCheck(Control<wxCheckBox>(IDC_LAMP_GREEN)),
      m_blueCheck(Control<wxCheckBox>(IDC_LAMP_BLUE))
{
    OnInitDialog();
    m_view->KeepAsStart();
}

// The window starts with every coloured lamp off and no fog; only the red
// lamp is switched on, and the controls show the rest. The switch waits for
// the window's OpenGL set-up if it has not run yet.
void CLampPage::OnInitDialog()
{
    m_fogSlider->SetRange(1, 6);
    m_fogSlider->SetValue(2);
    m_fogSlider->Hide();
    m_redCheck->SetValue(true);
    m_view->SwitchLamp(kLampRed, 1);
    m_greenCheck->SetValue(false);
    m_blueCheck->SetValue(false);
}

// The density at the nearest of the trackbar's steps; with the fog off the
// trackbar waits at 5, as an untick leaves it.
void CLampPage::ShowRecord(const ViewState& s)
{
    CPageFrame::ShowRecord(s);
    m_redCheck->SetValue(s.lamp[0]);
    m_greenCheck->SetValue(s.lamp[1]);
    m_blueCheck->SetValue(s.lamp[2]);
    m_fogCheck->SetValue(s.fog);
    m_fogSlider->Show(s.fog);
    SetNearest(m_fogSlider, s.fog && std::isfinite(s.fogDensity) ? s.fogDensity * 10 : 5);
}

void CLampPage::SwitchLamp(signed char lamp, const wxCheckBox* box)
{
    m_view->SwitchLamp(lamp, box->IsChecked() ? 1 : 0);
}

void CLampPage::OnLampRed(wxCommandEvent&) { SwitchLamp(kLampRed, m_redCheck); }

void CLampPage::OnLampGreen(wxCommandEvent&) { SwitchLamp(kLampGreen, m_greenCheck); }

void CLampPage::OnLampBlue(wxCommandEvent&) { SwitchLamp(kLampBlue, m_blueCheck); }

// Fog comes on at the density the trackbar shows; each untick puts the
// trackbar back to 5, which the next tick then applies.
void CLampPage::OnFog(wxCommandEvent&)
{
    if (m_fogCheck->IsChecked()) {
        m_fogSlider->Show();
        m_view->SetFog(kFogOn, static_cast<signed char>(m_fogSlider->GetValue()));
    } else {
        m_fogSlider->Hide();
        m_fogSlider->SetValue(5);
        m_view->SetFog(kFogOff, 0);
    }
}

void CLampPage::OnFogDensity(wxCommandEvent&)
{
    m_view->SetFog(kFogOn, static_cast<signed char>(m_fogSlider->GetValue()));
}
