// The demo property sheet: the three pages in order lines, lighting, texture,
// with OK, Cancel and Help, and the rendering context handed to the page on show.
#pragma once

#include <wx/iconbndl.h>
#include <wx/propdlg.h>

class wxBookCtrlEvent;
class CPageFrame;
class CCubeDlg;
class CLightDlg;
class CTexDlg;

class CAllSheets : public wxPropertySheetDialog
{
public:
    // selectPage: zero-based index of the page that is current when the sheet opens.
    CAllSheets(const wxString& caption, wxWindow* parent = nullptr, int selectPage = 0);
    ~CAllSheets() override;

    bool Show(bool show = true) override;

    // The page in tab position index (0 lines, 1 lighting, 2 texture), or nullptr.
    CPageFrame* Page(size_t index) const;
    // The page whose window holds the rendering context and the timer, if any.
    CPageFrame* ActivePage() const { return m_activePage; }

private:
    void InitSheet(int selectPage);
    void ActivateSelection();

    void OnPageChanging(wxBookCtrlEvent& event);
    void OnPageChanged(wxBookCtrlEvent& event);
    void OnHelp(wxCommandEvent& event);

    // Owned by the book control as its child windows; constructed in this
    // order, added to the sheet in the reverse one.
    CTexDlg* m_texPage = nullptr;
    CLightDlg* m_lightPage = nullptr;
    CCubeDlg* m_cubePage = nullptr;
    wxIconBundle m_hIcon;

    CPageFrame* m_activePage = nullptr;
};
