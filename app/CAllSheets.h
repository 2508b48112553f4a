// The demo property sheet: the three pages in order lines, lighting, texture,
// with OK, Cancel and Help, and the rendering context handed to the page on
// show. Every tab is there from the start; a page is built when first shown.
#pragma once

#include <wx/iconbndl.h>
#include <wx/propdlg.h>

class wxBookCtrlEvent;
class wxPanel;
class wxKeyEvent;
class CCodeWindow;
class CWorldWindow;
class COpenGLWnd;
class CPageFrame;

class CAllSheets : public wxPropertySheetDialog
{
public:
    // selectPage: zero-based index of the page that is current when the sheet opens.
    CAllSheets(const wxString& caption, wxWindow* parent = nullptr, int selectPage = 0);
    ~CAllSheets() override;

    bool Show(bool show = true) override;

    static constexpr size_t kPageCount = 3;

    // The page in tab position index (0 lines, 1 lighting, 2 texture), built
    // on first use; nullptr past the last.
    CPageFrame* Page(size_t index);
    // The page whose window holds the rendering context and the timer, if any.
    CPageFrame* ActivePage() const { return m_activePage; }

    // The code window for the shown page, made on first use, shown and raised.
    CCodeWindow* OpenCodeWindow();
    // The code window, or nullptr before the first Help.
    CCodeWindow* CodeWindow() const { return m_codeWindow; }
    // The outside view of the shown page, made on first use, shown and
    // raised clear of the sheet and the code window where there is room.
    CWorldWindow* OpenWorldView();
    CWorldWindow* WorldView() const { return m_worldView; }

private:
    void InitSheet(int selectPage);
    void ActivateSelection();

    void OnPageChanging(wxBookCtrlEvent& event);
    void OnPageChanged(wxBookCtrlEvent& event);
    void OnHelp(wxCommandEvent& event);
    void OnCharHook(wxKeyEvent& event);
    void ExplainPixel(COpenGLWnd& view, bool chosen);

    // The book control's pages, one per tab, and the page each holds once
    // built: wx owns both as child windows.
    wxPanel* m_tabs[kPageCount] = {};
    CPageFrame* m_pages[kPageCount] = {};
    wxIconBundle m_hIcon;

    CPageFrame* m_activePage = nullptr;
    CCodeWindow* m_codeWindow = nullptr;   // a child window: wx destroys it with the sheet
    CWorldWindow* m_worldView = nullptr;   // so too
};
