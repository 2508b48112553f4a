#include "CPageFrame.h"

#include "COpenGLWnd.h"
#include "DialogColours.h"
#include "PageBuilder.h"
#include "ResourceIds.h"
#include "Resources.h"
#include "Texts.h"

#include <wx/radiobut.h>

#include <algorithm>
#include <cmath>
#include <wx/slider.h>

wxBEGIN_EVENT_TABLE(CPageFrame, wxPanel)
    // One event per move, whether by mouse, keys or a drag's steps.
    EVT_SLIDER(IDC_SIZE, CPageFrame::OnHScroll)
    EVT_RADIOBUTTON(IDC_ORTHO, CPageFrame::OnOrtho)
    EVT_RADIOBUTTON(IDC_PERSPECTIVE, CPageFrame::OnPerspective)
wxEND_EVENT_TABLE()

CPageFrame::CPageFrame(wxWindow* parent, int templateId, ViewMaker makeView)
    : wxPanel(parent, wxID_ANY), m_templateId(templateId)
{
    ApplyDialogColours(this);
    m_view = makeView(this);
    const wxSize size = BuildPageControls(this, *FindPageTemplate(templateId));
    SetMinSize(size);
    SetSize(size);
    m_sizeSlider = Control<wxSlider>(IDC_SIZE);
    OnInitDialog();
    m_view->ObserveRecord([this](const ViewState& s) { ShowRecord(s); });
    m_view->KeepAsStart();
}

// The window starts orthographic and at size 1; the controls show just that.
void CPageFrame::OnInitDialog()
{
    m_sizeSlider->SetRange(1, 10);
    m_sizeSlider->SetValue(5);
    m_prevSizePos = m_sizeSlider->GetValue();
    Control<wxRadioButton>(IDC_ORTHO)->SetValue(true);
}

bool CPageFrame::OnSetActive()
{
    m_view->Activate();
    return true;
}

bool CPageFrame::OnKillActive()
{
    m_view->Deactivate();
    return true;
}

wxString CPageFrame::Caption() const
{
    return Tr(FindPageTemplate(m_templateId)->caption);
}

// The trackbar's position at which the size would be s's, had only the
// trackbar changed it; the next move goes on from there.
void CPageFrame::ShowRecord(const ViewState& s)
{
    Control<wxRadioButton>(s.perspective ? IDC_PERSPECTIVE : IDC_ORTHO)->SetValue(true);
    const double size = std::cbrt(double(s.scaleX) * s.scaleY * s.scaleZ);
    const double pos = 5.0 + std::log(size) / std::log(1.1);
    if (!std::isfinite(pos))
        return;
    SetNearest(m_sizeSlider, pos);
    m_prevSizePos = pos;
}

void CPageFrame::SetNearest(wxSlider* slider, double pos)
{
    slider->SetValue(int(std::clamp(std::lround(pos), long(slider->GetMin()), long(slider->GetMax()))));
}

void CPageFrame::OnHScroll(wxCommandEvent&)
{
    const double pos = m_sizeSlider->GetValue();
    double steps = 0.0;
    signed char direction = kScaleNone;
    if (pos > m_prevSizePos) {
        direction = kScaleLarger;
        steps = pos - m_prevSizePos;
    } else if (pos < m_prevSizePos) {
        direction = kScaleSmaller;
        steps = m_prevSizePos - pos;
    }
    m_prevSizePos = pos;
    m_view->ScaleBySteps(steps, direction);
}

void CPageFrame::OnOrtho(wxCommandEvent&) { m_view->SetProjection(kOrthographic); }

void CPageFrame::OnPerspective(wxCommandEvent&) { m_view->SetProjection(kPerspective); }
