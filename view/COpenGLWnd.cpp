#include "COpenGLWnd.h"

#include "GLBinding.h"
#include "GLFrame.h"
#include "NoOpenGL.h"
#include "ResourceIds.h"
#include "Texts.h"
#include "ViewMenu.h"

#include <wx/dcclient.h>
#include <wx/log.h>
#include <wx/menu.h>


namespace {

const wxPoint kPosition(10, 10);
const wxSize kSize(255, 255);
const long kStyle = wxBORDER_SUNKEN;

constexpr int kTimerId = 0;

constexpr float kIncrease = 1.1f;
constexpr float kDecrease = 0.9090909f;   // not quite 1 / kIncrease, on purpose

}

wxBEGIN_EVENT_TABLE(COpenGLWnd, wxGLCanvas)
    EVT_PAINT(COpenGLWnd::OnPaint)
    EVT_SIZE(COpenGLWnd::OnSizeEvent)
    EVT_TIMER(wxID_ANY, COpenGLWnd::OnTimer)
    EVT_LEFT_DOWN(COpenGLWnd::OnLButtonDown)
    EVT_MOTION(COpenGLWnd::OnMouseMove)
    EVT_LEFT_UP(COpenGLWnd::OnLButtonUp)
    EVT_MOUSE_CAPTURE_LOST(COpenGLWnd::OnCaptureLost)
    EVT_LEFT_DCLICK(COpenGLWnd::OnLButtonDblClk)
    EVT_CONTEXT_MENU(COpenGLWnd::OnContextMenu)
    EVT_KEY_DOWN(COpenGLWnd::OnKeyDown)
    EVT_MENU(ViewMenuItemId(ID_VIEW_ROTATE), COpenGLWnd::OnViewRotate)
    EVT_MENU(ViewMenuItemId(ID_SIZE_INCREASE), COpenGLWnd::OnSizeIncrease)
    EVT_MENU(ViewMenuItemId(ID_SIZE_DECREASE), COpenGLWnd::OnSizeDecrease)
    EVT_MENU(kWhyThisColourItem, COpenGLWnd::OnWhyThisColour)
wxEND_EVENT_TABLE()

// ---- Creation, set-up and destruction -------------------------------------

// The PixelFormat temporary lives until the base class is constructed.
COpenGLWnd::COpenGLWnd(wxWindow* parent, const ViewState& start)
    : wxGLCanvas(parent, glbinding::PixelFormat().attrs, IDC_GLVIEW, kPosition, kSize, kStyle),
      m_state(start),
      m_start(start)
{
    m_hasVisual = GetHandle() != nullptr;
    if (!m_hasVisual) {
#ifdef __WXGTK__
        m_noExpose = false;   // the canvas turned off paint events for itself
#endif
        wxWindow::Create(parent, IDC_GLVIEW, kPosition, kSize, kStyle);
    }
    SetBackgroundStyle(wxBG_STYLE_PAINT);
    m_timer.SetOwner(this, kTimerId);
    // The record knows the viewport before there is a context to hold it.
    ApplyClientSize();
}

COpenGLWnd::~COpenGLWnd()
{
    m_timer.Stop();
    if (HasCapture())
        ReleaseMouse();
    if (s_shownWnd == this)
        s_shownWnd = nullptr;
    // Whichever window's context is current, none stays current.
    if (glbinding::CurrentContext())
        glbinding::ReleaseCurrent();
    m_hRC.reset();
}

bool COpenGLWnd::CreateRenderingContext()
{
    if (!m_hasVisual)
        return false;
    // A failed creation is logged, which would open a message box.
    wxLogNull quiet;
    auto rc = std::make_unique<wxGLContext>(this);
    if (!rc->IsOK())
        return false;
    m_hRC = std::move(rc);
    if (!m_hRC->SetCurrent(*this))
        return false;
    m_nativeRC = glbinding::CurrentContext();
    return true;
}

void COpenGLWnd::OnCreate()
{
    if (CreateRenderingContext()) {
        // The record before the scene: the list compiles and executes under
        // the state that every frame then draws with, so the driver builds
        // its shaders once. The lamps' positions still meet the identity.
        m_held = glframe::NewContextState();
        ApplyClientSize();
        return;
    }
    glbinding::ReleaseCurrent();   // the scene's set-up must reach no other window
    ReportNoOpenGL(m_hasVisual ? "the display gives no rendering context"
                               : "the X display offers no OpenGL (no GLX visual)");
}

// Creation applies the record, which holds the switches the page made
// meanwhile, and the scene compiles its list; then the size, in case it
// changed meanwhile.
void COpenGLWnd::SetUp()
{
    m_setUp = true;
    OnCreate();
    ApplyClientSize();
    // The tabs may have moved on while the set-up waited: only the shown
    // page's window keeps its context current and its timer running.
    if (m_active) {
        StartTimer();
        return;
    }
    StopTimer();
    if (s_shownWnd && s_shownWnd->m_setUp)
        s_shownWnd->MakeCurrent();
    else
        glbinding::ReleaseCurrent();
}

// ---- Drawing --------------------------------------------------------------

void COpenGLWnd::DrawScene()
{
    glframe::DrawFrame(AnglesAsDrawn(m_state));
}

void COpenGLWnd::OnPaint(wxPaintEvent&)
{
    wxPaintDC dc(this);
    // GTK can bind a context only to a shown window: the set-up waits for
    // the first paint. It runs just after it, as a scene's set-up may open a
    // message box, whose modal loop has no place inside a paint.
    if (!m_setUp && !m_setUpQueued && IsShownOnScreen()) {
        m_setUpQueued = true;
        CallAfter([this] {
            SetUp();
            Invalidate();
        });
    }
    // Binds nothing: another window's context may be current, and then this
    // paint only validates.
    if (IsContextCurrent()) {
        DrawScene();
        ReadAndMarkPixel();
        SwapBuffers();
        if (s_frameObserver)
            s_frameObserver(*this);
        TellPixel();
    } else if (m_setUp && !m_hRC) {
        PaintNoOpenGLNotice(dc, GetClientSize(), GetParent()->GetBackgroundColour(),
                            GetParent()->GetForegroundColour());
    }
}

void COpenGLWnd::ApplyClientSize()
{
    const wxSize size = GetClientSize() * GetContentScaleFactor();
    OnSize(size.x, size.y);
}

void COpenGLWnd::OnSizeEvent(wxSizeEvent& event)
{
    ApplyClientSize();
    event.Skip();
}

// ---- Animation, mouse and menu --------------------------------------------

void COpenGLWnd::OnTimer(wxTimerEvent& event)
{
    m_state.angleY -= 3.0;
    m_state.angleX -= 2.0;
    Invalidate();
    event.Skip();
}

void COpenGLWnd::OnLButtonDown(wxMouseEvent& event)
{
    if (event.ControlDown()) {
        ChoosePixelAt(event.GetPosition());
        SetFocus();   // for the arrow keys
        return;
    }
    m_lastMouseX = event.GetX();
    m_lastMouseY = event.GetY();
    m_bDragging = 1;
    StopTimer();
    // Held so that the release ends the drag wherever it happens.
    if (!HasCapture())
        CaptureMouse();
    // Not passed on: GTK's default handling would give this window the
    // keyboard focus, and the arrow keys would no longer move the trackbar.
}

void COpenGLWnd::OnMouseMove(wxMouseEvent& event)
{
    if (m_bDragging) {
        const int dx = m_lastMouseX - event.GetX();
        const int dy = m_lastMouseY - event.GetY();
        m_lastMouseX = event.GetX();
        m_lastMouseY = event.GetY();
        m_state.angleY -= dx;
        m_state.angleX -= dy;
        Invalidate();
    }
    event.Skip();
}

void COpenGLWnd::OnLButtonUp(wxMouseEvent& event)
{
    EndDrag();
    event.Skip();
}

void COpenGLWnd::OnCaptureLost(wxMouseCaptureLostEvent&)
{
    // wx has already taken the capture away; there is nothing to release.
    m_bDragging = 0;
}

void COpenGLWnd::EndDrag()
{
    m_bDragging = 0;
    if (HasCapture())
        ReleaseMouse();
}

void COpenGLWnd::OnLButtonDblClk(wxMouseEvent& event)
{
    // Two quick Ctrl+clicks choose twice; they do not start the turning.
    if (event.ControlDown()) {
        ChoosePixelAt(event.GetPosition());
        return;
    }
    StartTimer();
    event.Skip();
}

void COpenGLWnd::OnContextMenu(wxContextMenuEvent& event)
{
    const wxPoint at = ViewMenuPosition(event.GetPosition(), ClientToScreen(wxPoint(0, 0)));
    std::unique_ptr<wxMenu> menu(CreateViewPopupMenu());
    AppendWhyThisColour(*menu);
    m_menuPoint = ScreenToClient(at);
    menu->AppendSeparator();
    menu->Append(kWorldViewItemId, Tr(kWorldViewItemText));
    AddMenuItems(*menu);
    // The chosen command comes back to this window's event table.
    PopupMenu(menu.get(), m_menuPoint);
}

void COpenGLWnd::OnKeyDown(wxKeyEvent& event)
{
    if (!MovePixelByKey(event))
        event.Skip();
}

void COpenGLWnd::OnViewRotate(wxCommandEvent&) { StartTimer(); }

void COpenGLWnd::OnSizeIncrease(wxCommandEvent&) { StepSize(true); }

void COpenGLWnd::OnSizeDecrease(wxCommandEvent&) { StepSize(false); }

void COpenGLWnd::StepSize(bool larger) { MultiplyScale(larger ? kIncrease : kDecrease); }
