#include "CAllSheets.h"

#include "CCodeWindow.h"
#include "SheetKeys.h"

#include "CCubeDlg.h"
#include "CLightDlg.h"
#include "CPageFrame.h"
#include "CTexDlg.h"
#include "DialogColours.h"
#include "Resources.h"

#include <wx/bookctrl.h>
#include <wx/button.h>
#include <wx/icon.h>

CAllSheets::CAllSheets(const wxString& caption, wxWindow* parent, int selectPage)
    : wxPropertySheetDialog(parent, wxID_ANY, caption)
{
    m_texPage = new CTexDlg(GetBookCtrl());
    m_lightPage = new CLightDlg(GetBookCtrl());
    m_cubePage = new CCubeDlg(GetBookCtrl());
    InitSheet(selectPage);
}

CAllSheets::~CAllSheets() = default;

void CAllSheets::InitSheet(int selectPage)
{
    const char* const* images[] = {MainIcon32(), MainIcon16()};
    for (const char* const* xpm : images) {
        // A missing image leaves the sheet without it; the sheet still opens.
        if (xpm)
            m_hIcon.AddIcon(wxIcon(xpm));
    }
    if (!m_hIcon.IsEmpty())
        SetIcons(m_hIcon);

    CreateButtons(wxOK | wxCANCEL | wxHELP);
    // The sheet around the tabs and the button row in the dialog colours too.
    ApplyDialogColours(this);
    ApplyDialogColours(GetBookCtrl());

    // Until the sheet is shown no page is active, so these selections hand
    // nothing over.
    wxBookCtrlBase* book = GetBookCtrl();
    book->AddPage(m_cubePage, m_cubePage->Caption());
    book->AddPage(m_lightPage, m_lightPage->Caption());
    book->AddPage(m_texPage, m_texPage->Caption());
    if (selectPage >= 0 && static_cast<size_t>(selectPage) < book->GetPageCount())
        book->ChangeSelection(selectPage);

    book->Bind(wxEVT_BOOKCTRL_PAGE_CHANGING, &CAllSheets::OnPageChanging, this);
    book->Bind(wxEVT_BOOKCTRL_PAGE_CHANGED, &CAllSheets::OnPageChanged, this);
    Bind(wxEVT_BUTTON, &CAllSheets::OnHelp, this, wxID_HELP);
    BindSheetKeys(this);

    LayoutDialog();
}

bool CAllSheets::Show(bool show)
{
    // A closed sheet leaves no timer running and no context current.
    if (!show && m_activePage) {
        m_activePage->OnKillActive();
        m_activePage = nullptr;
    }
    const bool changed = wxPropertySheetDialog::Show(show);
    if (show && !m_activePage)
        ActivateSelection();
    return changed;
}

CPageFrame* CAllSheets::Page(size_t index) const
{
    wxBookCtrlBase* book = GetBookCtrl();
    if (index >= book->GetPageCount())
        return nullptr;
    return dynamic_cast<CPageFrame*>(book->GetPage(index));
}

void CAllSheets::ActivateSelection()
{
    const int selection = GetBookCtrl()->GetSelection();
    if (selection == wxNOT_FOUND)
        return;
    m_activePage = Page(static_cast<size_t>(selection));
    if (m_activePage)
        m_activePage->OnSetActive();
}

void CAllSheets::OnPageChanging(wxBookCtrlEvent& event)
{
    event.Skip();
    // The page that is left lets its context go before the next one takes its own.
    if (!m_activePage)
        return;
    if (!m_activePage->OnKillActive()) {
        event.Veto();
        m_activePage->OnSetActive();
        return;
    }
    m_activePage = nullptr;
}

void CAllSheets::OnPageChanged(wxBookCtrlEvent& event)
{
    event.Skip();
    if (IsShown() && !m_activePage)
        ActivateSelection();
}

// Help shows the visible page's code window.
void CAllSheets::OnHelp(wxCommandEvent&)
{
    CCodeWindow::Open(this);
}
