#include "CCodeWindow.h"

#include "CCodeView.h"
#include "CodeFiles.h"
#include "Language.h"
#include "PlaceBeside.h"
#include "Texts.h"
#include "ViewCode.h"

#include <wx/button.h>
#include <wx/clipbrd.h>
#include <wx/display.h>
#include <wx/filedlg.h>
#include <wx/msgdlg.h>
#include <wx/panel.h>
#include <wx/sizer.h>
#include <wx/stattext.h>
#include <wx/stdpaths.h>

#include <cstring>

namespace {

// What the window says itself, in one place.
const char* const kTitle = N_("Код OpenGL");
const char* const kTitleOfPage = N_("Код OpenGL: %s");
const char* const kCopy = N_("Копировать");
const char* const kSave = N_("Сохранить…");
const char* const kSaveCaption = N_("Сохранить кадр и код");
const char* const kPngFiles = N_("Картинка PNG (*.png)|*.png");
const char* const kError = N_("Ошибка");
const char* const kNoClipboard = N_("Не удалось положить код в буфер обмена.");

const wxSize kWanted(640, 620), kSmallest(360, 300);   // in DIPs
constexpr int kGap = 8;

// GTK's own OK would read "OK" in Russian; the program's reads "ОК".
int StockMessageBox(const wxString& message, const wxString& caption, int style, wxWindow* parent)
{
    wxMessageDialog box(parent, message, caption, style);
    const wxString ok = StockButtonWords(wxID_OK);
    if (!ok.empty())
        box.SetOKLabel(ok);
    return box.ShowModal() == wxID_OK ? wxOK : wxCANCEL;
}

CCodeWindow::MessageBoxFunc g_messageBox = StockMessageBox;

bool SameInputs(const FragmentInputs& a, const FragmentInputs& b)
{
    return a.kind == b.kind && a.state == b.state &&
           a.pictureWidth == b.pictureWidth && a.pictureHeight == b.pictureHeight &&
           std::memcmp(a.projection, b.projection, sizeof a.projection) == 0 &&
           std::memcmp(a.modelView, b.modelView, sizeof a.modelView) == 0;
}

// What the code window would show had only the cube turned from before to
// now; "" when nothing else changed. Its lines are the ones a switch did not change.
std::string TurnedOnly(const FragmentInputs& before, const FragmentInputs& now)
{
    FragmentInputs turned = before;
    turned.state.angleX = now.state.angleX;
    turned.state.angleY = now.state.angleY;
    // A new size changes the matrix too: that change is the switch's.
    if (turned.state.scaleX == now.state.scaleX && turned.state.perspective == now.state.perspective)
        std::memcpy(turned.modelView, now.modelView, sizeof turned.modelView);
    return SameInputs(turned, now) ? std::string() : CodeFragment(turned);
}

}

CCodeWindow::MessageBoxFunc CCodeWindow::SetMessageBox(MessageBoxFunc f)
{
    MessageBoxFunc old = g_messageBox;
    g_messageBox = f ? f : StockMessageBox;
    return old;
}

CCodeWindow::CCodeWindow(wxWindow* parent, ShownPageFunc shownPage)
    : wxFrame(parent, wxID_ANY, Tr(kTitle), wxDefaultPosition, parent->FromDIP(kWanted)),
      m_shownPage(std::move(shownPage))
{
    auto* panel = new wxPanel(this);
    m_hints = new wxStaticText(panel, wxID_ANY, wxString());
    m_code = new CCodeView(panel);
    auto* copy = new wxButton(panel, wxID_COPY, Tr(kCopy));
    auto* save = new wxButton(panel, wxID_SAVE, Tr(kSave));
    auto* buttons = new wxBoxSizer(wxHORIZONTAL);
    buttons->Add(copy, 0, wxRIGHT, 8);
    buttons->Add(save);
    auto* column = new wxBoxSizer(wxVERTICAL);
    column->Add(m_hints, 0, wxEXPAND | wxALL, 8);
    column->Add(m_code, 1, wxEXPAND | wxLEFT | wxRIGHT, 8);
    column->Add(buttons, 0, wxALIGN_RIGHT | wxALL, 8);
    panel->SetSizer(column);
    SetMinSize(FromDIP(kSmallest));

    copy->Bind(wxEVT_BUTTON, &CCodeWindow::OnCopy, this);
    save->Bind(wxEVT_BUTTON, &CCodeWindow::OnSave, this);
    Bind(wxEVT_CHAR_HOOK, &CCodeWindow::OnCharHook, this);
    // The close box hides: F1 or Help brings the window back as it was.
    Bind(wxEVT_CLOSE_WINDOW, [this](wxCloseEvent& e) { e.CanVeto() ? (e.Veto(), Dismiss()) : e.Skip(); });
    // The hints wrap to the window's width, also when the user resizes it.
    Bind(wxEVT_SIZE, [this](wxSizeEvent& e) {
        WrapHints(e.GetSize().x);
        e.Skip();
    });
    m_timer.Bind(wxEVT_TIMER, [this](wxTimerEvent&) { Follow(); });
}

void CCodeWindow::WrapHints(int width)
{
    m_hints->SetLabel(m_hintText);
    m_hints->Wrap(width - FromDIP(2 * 8 + 4));
    if (!GetChildren().empty())
        GetChildren().front()->Layout();
}

void CCodeWindow::Open()
{
    if (!m_placed) {
        PlaceBesideParent();
        m_placed = true;
    }
    Follow();
    Show();
    Raise();
    m_timer.Start(kRefreshMs);
}

void CCodeWindow::Dismiss()
{
    m_timer.Stop();
    Hide();
}

void CCodeWindow::PlaceBesideParent()
{
    wxWindow* parent = GetParent();
    const int index = wxDisplay::GetFromWindow(parent);
    const wxRect area = wxDisplay(index == wxNOT_FOUND ? 0u : unsigned(index)).GetClientArea();
    const Placement at = PlaceBeside(parent->GetScreenRect(), FromDIP(kWanted), FromDIP(kSmallest), area,
                                     FromDIP(kGap));
    if (at.first.GetPosition() != parent->GetScreenPosition())
        parent->Move(at.first.GetPosition());
    SetSize(at.second);
}

void CCodeWindow::OnCharHook(wxKeyEvent& event)
{
    // Escape closes this window only; the sheet would take it for Cancel.
    if (event.GetKeyCode() == WXK_ESCAPE && event.GetModifiers() == wxMOD_NONE)
        Dismiss();
    else
        event.Skip();
}

void CCodeWindow::Follow()
{
    const ShownPage page = m_shownPage();
    FragmentInputs in;
    if (!page.view || !ReadFragmentInputs(*page.view, in) || (m_shown && SameInputs(in, m_last)))
        return;
    const bool newPage = !m_shown || in.kind != m_last.kind;
    if (newPage) {
        m_hintText = CodeHints(in.kind);
        WrapHints(GetClientSize().x);
        SetTitle(wxString::Format(Tr(kTitleOfPage), page.caption));
    }
    m_code->ShowText(wxString::FromUTF8(CodeFragment(in)),
                     wxString::FromUTF8(newPage ? std::string() : TurnedOnly(m_last, in)));
    m_last = in;
    m_shown = true;
}

wxString CCodeWindow::Hints() const { return m_hints->GetLabel(); }

wxString CCodeWindow::Fragment() const { return m_code->GetText(); }

void CCodeWindow::Report(const wxString& message)
{
    g_messageBox(message, Tr(kError), wxOK | wxICON_ERROR, this);
}

bool CCodeWindow::CopyFragment()
{
    wxClipboardLocker open;
    if (!open || !wxTheClipboard->SetData(new wxTextDataObject(Fragment()))) {
        Report(Tr(kNoClipboard));
        return false;
    }
    wxTheClipboard->Flush();   // stays there after the program ends
    return true;
}

bool CCodeWindow::SaveTo(const wxString& pngPath)
{
    COpenGLWnd* view = m_shownPage().view;
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
    wxFileDialog dialog(this, Tr(kSaveCaption),
                        wxStandardPaths::Get().GetUserDir(wxStandardPaths::Dir_Pictures), "opengl-frame.png",
                        Tr(kPngFiles), wxFD_SAVE | wxFD_OVERWRITE_PROMPT);
    if (dialog.ShowModal() == wxID_OK)
        SaveTo(dialog.GetPath());
}
