#include "CodeSync.h"

#include "CCodeView.h"
#include "COpenGLWnd.h"
#include "Texts.h"
#include "ViewCode.h"

#include <wx/stattext.h>

namespace {

const char* const kWaiting = N_("Пока код не читается, он не следует за картинкой.");

}

CodeSync::Followed CodeSync::Follow(COpenGLWnd& view)
{
    FragmentInputs in;
    if (!ReadFragmentInputs(view, in))
        return Followed::Nothing;
    const bool newPage = !m_sync.Shown() || in.kind != m_sync.Says().kind;
    const TextSync::Update up = m_sync.Follow(m_code->Bytes(), m_code->Keep(), in);
    switch (up.kind) {
    case TextSync::Update::Same:
        return Followed::Nothing;
    case TextSync::Update::Whole:
        m_refused.clear();
        ShowReason(wxString(), -1, 0);
        m_code->ShowText(wxString::FromUTF8(up.whole));
        return newPage ? Followed::NewPage : Followed::Changed;
    case TextSync::Update::Edits:
        m_code->ApplyEdits(up.edits);
        return Followed::Changed;
    case TextSync::Update::Waiting:
        // Said, not silent: the picture has moved on and the code has not.
        if (!m_refused.empty() && m_reason->GetLabel() != m_refused + " " + Tr(kWaiting))
            m_reason->SetLabel(m_refused + " " + Tr(kWaiting));
        break;
    }
    return Followed::Nothing;
}

void CodeSync::Edited(COpenGLWnd& view, int group)
{
    if (!m_sync.Shown())
        return;
    const TextSync::Reading r = m_sync.Edited(m_code->Bytes(), m_code->Keep(), view.State());
    if (!r.read) {
        m_refused = wxString::FromUTF8(r.error.reason);
        ShowReason(m_refused, r.error.offset, r.error.length);
        return;
    }
    m_refused.clear();
    ShowReason(wxString(), -1, 0);
    m_code->ApplyEdits(r.edits);
    if (r.anglesTyped)
        view.StopTurning();
    view.SetRecord(r.record, group);
    // What the record has beyond the text (the turning, a bound) shows at
    // once; a drag's turning waits for its release, as the timer's does.
    if (!m_code->IsDraggingNumber())
        Follow(view);
}

void CodeSync::Stepped(COpenGLWnd& view)
{
    if (m_sync.Reads())
        Follow(view);
    else
        Reprint(view);
}

void CodeSync::Reprint(COpenGLWnd& view)
{
    m_refused.clear();
    ShowReason(wxString(), -1, 0);
    FragmentInputs in;
    if (ReadFragmentInputs(view, in))
        m_code->ShowText(wxString::FromUTF8(m_sync.Print(in)));
}

void CodeSync::ShowReason(const wxString& reason, int offset, int length)
{
    if (reason.empty())
        m_code->ClearError();
    else
        m_code->ShowError(offset, length);
    if (m_reason->GetLabel() != reason)
        m_reason->SetLabel(reason);
}
