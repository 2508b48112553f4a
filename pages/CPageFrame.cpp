#include "CPageFrame.h"

#include "COpenGLWnd.h"
#include "DialogColours.h"
#include "PageBuilder.h"
#include "Resources.h"

#include <wx/slider.h>

CPageFrame::CPageFrame(wxWindow* parent, int templateId)
    : CPageFrame(parent, templateId, nullptr)
{
}

CPageFrame::CPageFrame(wxWindow* parent, int templateId, ViewMaker makeView)
    : wxPanel(parent, wxID_ANY), m_templateId(templateId),
      m_template(FindPageTemplate(templateId))
{
    ApplyDialogColours(this);
    if (makeView)
        m_glView = makeView(this);
    if (m_template) {
        const wxSize size = BuildPageControls(this, *m_template);
        SetMinSize(size);
        SetSize(size);
    }
}

bool CPageFrame::OnSetActive()
{
    if (m_glView)
        m_glView->Activate();
    return true;
}

bool CPageFrame::OnKillActive()
{
    if (m_glView)
        m_glView->Deactivate();
    return true;
}

wxString CPageFrame::Caption() const
{
    return m_template ? wxString::FromUTF8(m_template->caption) : wxString();
}

void CPageFrame::ScaleToTrackbar(const wxSlider* slider, double& prevPos)
{
    const double pos = slider->GetValue();
    double steps = 0.0;
    signed char direction = 0;
    if (pos > prevPos) {
        direction = 2;
        steps = pos - prevPos;
    } else if (pos < prevPos) {
        direction = 1;
        steps = prevPos - pos;
    }
    prevPos = pos;
    if (m_glView)
        m_glView->ScaleBySteps(steps, direction);
}
