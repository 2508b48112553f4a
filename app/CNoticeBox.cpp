#include "CNoticeBox.h"

#include "DialogColours.h"
#include "Language.h"
#include "LoadBmpImage.h"
#include "Notice.h"
#include "Texts.h"

#include <wx/button.h>
#include <wx/sizer.h>
#include <wx/stattext.h>

namespace {

long BoxStyle(wxWindow* owner)
{
    // Without an owner wx would pick the top window; the box is to have none.
    return wxCAPTION | wxSYSTEM_MENU | wxCLOSE_BOX | (owner ? 0 : wxDIALOG_NO_PARENT);
}

// The loader's texts are msgids; the open failure's carries the file's name.
wxString NoticeText(const char* text)
{
    wxString name;
    if (wxString::FromUTF8(text).StartsWith(kOpenFailurePrefix, &name) &&
        name.EndsWith(kOpenFailureSuffix, &name))
        return wxString::Format(Tr(N_("Failed to open DIB file %s.\n")), name);
    return Tr(text);
}

}

CNoticeBox::CNoticeBox(wxWindow* owner, const wxString& caption, const wxString& text)
    : wxDialog(owner, wxID_ANY, caption, wxDefaultPosition, wxDefaultSize, BoxStyle(owner))
{
    ApplyDialogColours(this);
    // A file name may hold "&", which a label would take for a mnemonic.
    m_text = new wxStaticText(this, wxID_ANY, wxControl::EscapeMnemonics(text));
    auto* ok = new wxButton(this, wxID_OK);
    NameStockButton(ok);
    ok->SetDefault();
    SetAffirmativeId(wxID_OK);
    SetEscapeId(wxID_OK);

    auto* column = new wxBoxSizer(wxVERTICAL);
    column->Add(m_text, 0, wxALL, 16);
    column->Add(ok, 0, wxALIGN_CENTER_HORIZONTAL | wxLEFT | wxRIGHT | wxBOTTOM, 12);
    SetSizerAndFit(column);

    ApplyDialogColours(m_text);
    ok->SetFocus();
    CentreOnParent();
}

wxString CNoticeBox::Text() const
{
    return m_text->GetLabelText();
}

void ShowNoticeBox(const char* caption, const char* text)
{
    wxWindow* focus = wxWindow::FindFocus();
    CNoticeBox box(focus ? wxGetTopLevelParent(focus) : nullptr, Tr(caption), NoticeText(text));
    box.ShowModal();
}
