#include "CAllSheets.h"

#include "CCodeWindow.h"
#include "Language.h"
#include "SheetKeys.h"

#include "CCubeDlg.h"
#include "CLightDlg.h"
#include "CPageFrame.h"
#include "COpenGLWnd.h"
#include "CTexDlg.h"
#include "CWorldWindow.h"
#include "DialogColours.h"
#include "ResourceIds.h"
#include "ViewMenu.h"
#include "Resources.h"
#include "Texts.h"

#include <wx/bookctrl.h>
#include <wx/button.h>
#include <wx/icon.h>
#include <wx/sizer.h>

#include <algorithm>

namespace {

struct PageKind
{
    int templateId;
    CPageFrame* (*make)(wxWindow* tab);
};

template <class Page>
CPageFrame* MakePage(wxWindow* tab)
{
    return new Page(tab);
}

const PageKind kPages[CAllSheets::kPageCount] = {
    {IDD_CUBE_PAGE, MakePage<CCubeDlg>},
    {IDD_LIGHT_PAGE, MakePage<CLightDlg>},
    {IDD_TEX_PAGE, MakePage<CTexDlg>},
};

}

CAllSheets::CAllSheets(const wxString& caption, wxWindow* parent, int selectPage)
    : wxPropertySheetDialog(parent, wxID_ANY, caption)
{
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
    // nothing over. Each tab is as large as its template from the start, so
    // the sheet keeps its size when a later page is built.
    wxBookCtrlBase* book = GetBookCtrl();
    for (size_t i = 0; i < kPageCount; ++i) {
        const PageTemplate& tmpl = *FindPageTemplate(kPages[i].templateId);
        m_tabs[i] = new wxPanel(book);
        ApplyDialogColours(m_tabs[i]);
        m_tabs[i]->SetMinSize(m_tabs[i]->ConvertDialogToPixels(wxSize(tmpl.w, tmpl.h)));
        book->AddPage(m_tabs[i], Tr(tmpl.caption));
    }
    if (selectPage >= 0 && static_cast<size_t>(selectPage) < book->GetPageCount())
        book->ChangeSelection(selectPage);
    Page(static_cast<size_t>(book->GetSelection()));

    book->Bind(wxEVT_BOOKCTRL_PAGE_CHANGING, &CAllSheets::OnPageChanging, this);
    book->Bind(wxEVT_BOOKCTRL_PAGE_CHANGED, &CAllSheets::OnPageChanged, this);
    Bind(wxEVT_BUTTON, &CAllSheets::OnHelp, this, wxID_HELP);
    Bind(wxEVT_CHAR_HOOK, &CAllSheets::OnCharHook, this);
    Bind(wxEVT_MENU, [this](wxCommandEvent&) { OpenWorldView(); }, kWorldViewItemId);

    LayoutDialog();
    for (wxWindowID id : {wxID_OK, wxID_CANCEL, wxID_HELP})
        NameStockButton(FindWindow(id));
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

CPageFrame* CAllSheets::Page(size_t index)
{
    if (index >= kPageCount)
        return nullptr;
    if (!m_pages[index]) {
        wxPanel* tab = m_tabs[index];
        m_pages[index] = kPages[index].make(tab);
        auto* fill = new wxBoxSizer(wxVERTICAL);
        fill->Add(m_pages[index], 1, wxEXPAND);
        tab->SetSizer(fill);
        // Controls wider than their template (a large font) widen the sheet.
        const wxSize need = m_pages[index]->GetMinSize();
        const wxSize had = tab->GetMinSize();
        if (need.x > had.x || need.y > had.y) {
            tab->SetMinSize(wxSize(std::max(need.x, had.x), std::max(need.y, had.y)));
            LayoutDialog();
        }
        tab->Layout();
        if (COpenGLWnd* view = m_pages[index]->View())
            view->ObservePixel([this](COpenGLWnd& w, bool chosen) { ExplainPixel(w, chosen); });
    }
    return m_pages[index];
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
    // Built before its tab shows it, so that it shows with its controls.
    if (event.GetSelection() != wxNOT_FOUND)
        Page(static_cast<size_t>(event.GetSelection()));
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
    OpenCodeWindow();
}

CCodeWindow* CAllSheets::OpenCodeWindow()
{
    if (!m_codeWindow)
        m_codeWindow = new CCodeWindow(this, [this] {
            CPageFrame* page = ActivePage();
            return page ? CCodeWindow::ShownPage{page->View(), page->Caption()} : CCodeWindow::ShownPage{};
        });
    m_codeWindow->openWorldView = [this] { OpenWorldView(); };
    m_codeWindow->Open();
    return m_codeWindow;
}

CWorldWindow* CAllSheets::OpenWorldView()
{
    if (!m_worldView)
        m_worldView = new CWorldWindow(this, [this] { return m_activePage ? m_activePage->View() : nullptr; });
    std::vector<wxRect> avoid{GetScreenRect()};
    if (m_codeWindow && m_codeWindow->IsShown())
        avoid.push_back(m_codeWindow->GetScreenRect());
    m_worldView->Open(avoid);
    return m_worldView;
}

// A pixel chosen on the picture opens the code window, whose pane explains
// it; the focus stays on the picture for the arrow keys.
void CAllSheets::ExplainPixel(COpenGLWnd& view, bool chosen)
{
    if (chosen && (!m_codeWindow || !m_codeWindow->IsShown())) {
        OpenCodeWindow();
        Raise();
        view.SetFocus();
    }
    if (m_codeWindow)
        m_codeWindow->FollowPixel(view);
}

void CAllSheets::OnCharHook(wxKeyEvent& event)
{
    const SheetKey key = SheetKeyOf(event);
    COpenGLWnd* view = m_activePage ? m_activePage->View() : nullptr;
    if (key == SheetKey::Help)
        OpenCodeWindow();
    else if (key == SheetKey::WorldView)
        OpenWorldView();
    else if (key != SheetKey::None && view)
        view->StepSize(key == SheetKey::Increase);
    else
        event.Skip();
}
