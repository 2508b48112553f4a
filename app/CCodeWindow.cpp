#include "CCodeWindow.h"

#include "CAllSheets.h"
#include "CodeFiles.h"
#include "COpenGLWnd.h"
#include "CPageFrame.h"
#include "ViewCode.h"

#include <wx/button.h>
#include <wx/clipbrd.h>
#include <wx/filedlg.h>
#include <wx/msgdlg.h>
#include <wx/panel.h>
#include <wx/sizer.h>
#include <wx/stattext.h>
#include <wx/stdpaths.h>
#include <wx/textctrl.h>

#include <algorithm>
#include <cstring>

namespace {

int StockMessageBox(const wxString& message, const wxString& caption, int style, wxWindow* parent)
{
    return wxMessageBox(message, caption, style, parent);
}

CCodeWindow::MessageBoxFunc g_messageBox = StockMessageBox;

bool SameInputs(const FragmentInputs& a, const FragmentInputs& b)
{
    return a.kind == b.kind && a.state == b.state && a.lineWidth == b.lineWidth &&
           a.pictureWidth == b.pictureWidth && a.pictureHeight == b.pictureHeight &&
           std::memcmp(a.projection, b.projection, sizeof a.projection) == 0 &&
           std::memcmp(a.modelView, b.modelView, sizeof a.modelView) == 0;
}

COpenGLWnd* VisibleView(CAllSheets* sheet)
{
    CPageFrame* page = sheet->ActivePage();
    return page ? page->View() : nullptr;
}

}

CCodeWindow::MessageBoxFunc CCodeWindow::SetMessageBox(MessageBoxFunc f)
{
    MessageBoxFunc old = g_messageBox;
    g_messageBox = f ? f : StockMessageBox;
    return old;
}

CCodeWindow* CCodeWindow::Find(CAllSheets* sheet)
{
    for (wxWindow* child : sheet->GetChildren())
        if (auto* w = dynamic_cast<CCodeWindow*>(child); w && !w->IsBeingDeleted())
            return w;
    return nullptr;
}

CCodeWindow* CCodeWindow::Open(CAllSheets* sheet)
{
    CCodeWindow* window = Find(sheet);
    if (!window) {
        window = new CCodeWindow(sheet);
        const wxRect at = sheet->GetScreenRect();
        window->Move(at.GetRight() + 8, at.GetTop());
    }
    window->Follow();
    window->Show();
    window->Raise();
    return window;
}

CCodeWindow::CCodeWindow(CAllSheets* sheet)
    : wxFrame(sheet, wxID_ANY, wxString::FromUTF8("Код OpenGL"), wxDefaultPosition, wxSize(640, 620)),
      m_sheet(sheet)
{
    auto* panel = new wxPanel(this);
    m_hints = new wxStaticText(panel, wxID_ANY, wxString());
    m_code = new wxTextCtrl(panel, wxID_ANY, wxString(), wxDefaultPosition, wxDefaultSize,
                            wxTE_MULTILINE | wxTE_READONLY | wxTE_DONTWRAP | wxHSCROLL);
    m_code->SetFont(wxFont(wxFontInfo(9).Family(wxFONTFAMILY_TELETYPE)));
    auto* copy = new wxButton(panel, wxID_COPY, wxString::FromUTF8("Копировать"));
    auto* save = new wxButton(panel, wxID_SAVE, wxString::FromUTF8("Сохранить…"));
    auto* buttons = new wxBoxSizer(wxHORIZONTAL);
    buttons->Add(copy, 0, wxRIGHT, 8);
    buttons->Add(save);
    auto* column = new wxBoxSizer(wxVERTICAL);
    column->Add(m_hints, 0, wxEXPAND | wxALL, 8);
    column->Add(m_code, 1, wxEXPAND | wxLEFT | wxRIGHT, 8);
    column->Add(buttons, 0, wxALIGN_RIGHT | wxALL, 8);
    panel->SetSizer(column);

    // Not the text: its blinking cursor would redraw the window all along.
    copy->SetFocus();
    copy->Bind(wxEVT_BUTTON, &CCodeWindow::OnCopy, this);
    save->Bind(wxEVT_BUTTON, &CCodeWindow::OnSave, this);
    m_timer.Bind(wxEVT_TIMER, [this](wxTimerEvent&) { Follow(); });
    m_timer.Start(kRefreshMs);
}

void CCodeWindow::Follow()
{
    COpenGLWnd* view = VisibleView(m_sheet);
    FragmentInputs in;
    if (!view || !ReadFragmentInputs(*view, in) || (m_shown && SameInputs(in, m_last)))
        return;
    if (!m_shown || in.kind != m_last.kind) {
        m_hints->SetLabel(CodeHints(in.kind));
        m_hints->Wrap(FromDIP(600));
        SetTitle(wxString::FromUTF8("Код OpenGL: ") + m_sheet->ActivePage()->Caption());
        GetChildren().front()->Layout();
    }
    ReplaceChanged(wxString::FromUTF8(CodeFragment(in)));
    m_last = in;
    m_shown = true;
}

// Only the stretch that differs is replaced: the text control lays out only
// those lines again, and the reader keeps the place.
void CCodeWindow::ReplaceChanged(const wxString& text)
{
    const size_t most = std::min(text.length(), m_text.length());
    size_t head = 0, tail = 0;
    while (head < most && text[head] == m_text[head])
        ++head;
    while (tail < most - head && text[text.length() - 1 - tail] == m_text[m_text.length() - 1 - tail])
        ++tail;
    if (head == text.length() && head == m_text.length())
        return;
    const long at = m_code->GetInsertionPoint();
    m_code->Replace(long(head), long(m_text.length() - tail), text.Mid(head, text.length() - tail - head));
    m_code->SetInsertionPoint(std::min(at, long(text.length())));
    m_text = text;
}

wxString CCodeWindow::Hints() const { return m_hints->GetLabel(); }

wxString CCodeWindow::Fragment() const { return m_text; }

void CCodeWindow::Report(const wxString& message)
{
    g_messageBox(message, wxString::FromUTF8("Ошибка"), wxOK | wxICON_ERROR, this);
}

bool CCodeWindow::CopyFragment()
{
    wxClipboardLocker open;
    if (!open || !wxTheClipboard->SetData(new wxTextDataObject(Fragment()))) {
        Report(wxString::FromUTF8("Не удалось положить код в буфер обмена."));
        return false;
    }
    wxTheClipboard->Flush();   // stays there after the program ends
    return true;
}

bool CCodeWindow::SaveTo(const wxString& pngPath)
{
    COpenGLWnd* view = VisibleView(m_sheet);
    Follow();
    const wxImage frame = view ? ReadFrame(*view) : wxImage();
    const wxString failure = SaveFrameAndFragment(frame, std::string(Fragment().utf8_str()), pngPath);
    if (!failure.empty())
        Report(failure);
    return failure.empty();
}

void CCodeWindow::OnCopy(wxCommandEvent&) { CopyFragment(); }

void CCodeWindow::OnSave(wxCommandEvent&)
{
    wxFileDialog dialog(this, wxString::FromUTF8("Сохранить кадр и код"),
                        wxStandardPaths::Get().GetUserDir(wxStandardPaths::Dir_Pictures), "opengl-frame.png",
                        wxString::FromUTF8("Картинка PNG (*.png)|*.png"), wxFD_SAVE | wxFD_OVERWRITE_PROMPT);
    if (dialog.ShowModal() == wxID_OK)
        SaveTo(dialog.GetPath());
}
