#include "CCodeWindow.h"

#include "CCodeView.h"
#include "CodeFiles.h"
#include "CodeSync.h"
#include "COpenGLWnd.h"
#include "Language.h"
#include "PixelPane.h"
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


namespace {

// What the window says itself, in one place.
const char* const kTitle = N_("Код OpenGL");
const char* const kTitleOfPage = N_("Код OpenGL: %s");
const char* const kCopy = N_("Копировать");
const char* const kSave = N_("Сохранить…");
const char* const kReset = N_("Сбросить");
const char* const kWorldView = N_("Вид со стороны");
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
    m_pixelPane = new CPixelPane(panel, m_code);
    m_pixelPane->Hide();
    m_reason = new wxStaticText(panel, wxID_ANY, wxString(), wxDefaultPosition, wxDefaultSize,
                                wxST_NO_AUTORESIZE | wxST_ELLIPSIZE_END);
    m_reason->SetForegroundColour(wxColour(0xb0, 0x00, 0x00));
    m_sync = std::make_unique<CodeSync>(m_code, m_reason);
    auto* reset = new wxButton(panel, wxID_REVERT_TO_SAVED, Tr(kReset));
    auto* copy = new wxButton(panel, wxID_COPY, Tr(kCopy));
    auto* save = new wxButton(panel, wxID_SAVE, Tr(kSave));
    auto* buttons = new wxBoxSizer(wxHORIZONTAL);
    buttons->Add(reset, 0, wxRIGHT, 8);
    buttons->AddStretchSpacer();
    buttons->Add(copy, 0, wxRIGHT, 8);
    buttons->Add(save);
    auto* column = new wxBoxSizer(wxVERTICAL);
    // The side view's button beside the hints, out of the row below.
    m_worldButton = new wxButton(panel, kWorldViewButtonId, Tr(kWorldView));
    m_worldButton->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { OpenWorldView(); });
    auto* top = new wxBoxSizer(wxHORIZONTAL);
    top->Add(m_hints, 1, wxALL, 8);
    top->Add(m_worldButton, 0, wxTOP | wxRIGHT, 8);
    column->Add(top, 0, wxEXPAND);
    column->Add(m_code, 3, wxEXPAND | wxLEFT | wxRIGHT, 8);
    column->Add(m_pixelPane, 2, wxEXPAND | wxLEFT | wxRIGHT | wxTOP, 8);
    column->Add(m_reason, 0, wxEXPAND | wxLEFT | wxRIGHT | wxTOP, 8);
    column->Add(buttons, 0, wxEXPAND | wxALL, 8);
    panel->SetSizer(column);
    SetMinSize(FromDIP(kSmallest));

    reset->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { Step(&COpenGLWnd::Reset, true); });
    copy->Bind(wxEVT_BUTTON, &CCodeWindow::OnCopy, this);
    save->Bind(wxEVT_BUTTON, &CCodeWindow::OnSave, this);
    m_code->onEdit = [this](int group) {
        if (COpenGLWnd* view = m_shownPage().view)
            m_sync->Edited(*view, group);
    };
    m_code->onUndo = [this] { Step(&COpenGLWnd::Undo, false); };
    m_code->onRedo = [this] { Step(&COpenGLWnd::Redo, false); };
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

CCodeWindow::~CCodeWindow() = default;

void CCodeWindow::WrapHints(int width)
{
    m_hints->SetLabel(m_hintText);
    m_hints->Wrap(width - FromDIP(2 * 8 + 4) - m_worldButton->GetSize().x - FromDIP(8));
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
    if (COpenGLWnd* view = m_shownPage().view)
        FollowPixel(*view);
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
    else if (event.GetKeyCode() == WXK_F2 && event.GetModifiers() == wxMOD_NONE)
        OpenWorldView();
    else
        event.Skip();
}

void CCodeWindow::Follow()
{
    const ShownPage page = m_shownPage();
    // A drag of a number is an edit under way: the turning waits for it.
    if (!page.view || m_code->IsDraggingNumber())
        return;
    if (m_sync->Follow(*page.view) == CodeSync::Followed::NewPage) {
        m_hintText = CodeHints(page.view->Kind());
        WrapHints(GetClientSize().x);
        SetTitle(wxString::Format(Tr(kTitleOfPage), page.caption));
    }
    FollowPixel(*page.view);
}

void CCodeWindow::FollowPixel(COpenGLWnd& view)
{
    if (!IsShown() || &view != m_shownPage().view)
        return;
    const bool shown = m_pixelPane->Follow(view);
    if (shown != m_pixelPane->IsShown()) {
        m_pixelPane->Show(shown);
        m_pixelPane->GetParent()->Layout();
    }
}

// An undo or a redo changes the values where they stand, as a control does;
// a reset brings the page's own code back whole.
template <class Result>
void CCodeWindow::Step(Result (COpenGLWnd::*step)(), bool whole)
{
    if (COpenGLWnd* view = m_shownPage().view) {
        (view->*step)();
        if (whole)
            m_sync->Reprint(*view);
        else
            m_sync->Stepped(*view);
    }
}

wxString CCodeWindow::Hints() const { return m_hints->GetLabel(); }

wxString CCodeWindow::Reason() const { return m_reason->GetLabel(); }

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

void CCodeWindow::OpenWorldView()
{
    if (openWorldView)
        openWorldView();
}

void CCodeWindow::OnSave(wxCommandEvent&)
{
    wxFileDialog dialog(this, Tr(kSaveCaption),
                        wxStandardPaths::Get().GetUserDir(wxStandardPaths::Dir_Pictures), "opengl-frame.png",
                        Tr(kPngFiles), wxFD_SAVE | wxFD_OVERWRITE_PROMPT);
    if (dialog.ShowModal() == wxID_OK)
        SaveTo(dialog.GetPath());
}
