#include "COpenGLWnd.h"

#include "GLBinding.h"
#include "GLFrame.h"
#include "ResourceIds.h"
#include "ViewMenu.h"

#include <wx/dcclient.h>
#include <wx/log.h>
#include <wx/menu.h>

#include <cmath>

namespace {

const wxPoint kPosition(10, 10);
const wxSize kSize(255, 255);
const long kStyle = wxBORDER_SUNKEN;

constexpr int kTimerId = 0;
constexpr int kTimerPeriodMs = 10;

constexpr float kIncrease = 1.1f;
constexpr float kDecrease = 0.9090909f;   // not quite 1 / kIncrease, on purpose

// Keeps wx assertions silent while it lives.
class QuietAsserts
{
public:
    QuietAsserts() : m_old(wxSetAssertHandler(nullptr)) {}
    ~QuietAsserts() { wxSetAssertHandler(m_old); }
    QuietAsserts(const QuietAsserts&) = delete;
    QuietAsserts& operator=(const QuietAsserts&) = delete;

private:
    wxAssertHandler_t m_old;
};

wxGLAttributes Format(int depth, int stencil, bool accum)
{
    wxGLAttributes attrs;
    attrs.PlatformDefaults().RGBA().MinRGBA(8, 8, 8, 0).DoubleBuffer();
    if (depth > 0)
        attrs.Depth(depth);
    if (stencil > 0)
        attrs.Stencil(stencil);
    if (accum)
        attrs.MinAcumRGBA(16, 16, 16, 0);
    attrs.EndList();
    return attrs;
}

// The best pixel format the display offers, asked for in falling order.
// Without any (no GLX at all), wx asserts while it looks and then makes no
// window; that is expected, so the asserts stay quiet until the canvas has
// given up, and the constructor makes a plain window instead.
class PixelFormat
{
public:
    PixelFormat()
    {
        static const struct
        {
            int depth, stencil;
            bool accum;
        } kWanted[] = {
            {32, 8, true}, {24, 8, true}, {32, 8, false}, {24, 8, false},
            {24, 0, false}, {16, 0, false}, {0, 0, false},
        };
        m_quiet = std::make_unique<QuietAsserts>();
        for (const auto& w : kWanted) {
            attrs = Format(w.depth, w.stencil, w.accum);
            if (wxGLCanvas::IsDisplaySupported(attrs)) {
                m_quiet.reset();
                return;
            }
        }
    }

    wxGLAttributes attrs;

private:
    std::unique_ptr<QuietAsserts> m_quiet;
};

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
wxEND_EVENT_TABLE()

// The PixelFormat temporary lives until the base class is constructed.
COpenGLWnd::COpenGLWnd(wxWindow* parent)
    : wxGLCanvas(parent, PixelFormat().attrs, IDC_GLVIEW, kPosition, kSize, kStyle)
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
}

COpenGLWnd::~COpenGLWnd()
{
    m_timer.Stop();
    if (HasCapture())
        ReleaseMouse();
    m_pending.clear();
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

int COpenGLWnd::OnCreate()
{
    if (CreateRenderingContext())
        glframe::ApplyClearColour();
    else
        glbinding::ReleaseCurrent();   // the scene's set-up must reach no other window
    return 0;
}

void COpenGLWnd::SetUp()
{
    m_setUp = true;
    if (OnCreate() != 0) {
        m_pending.clear();
        return;
    }
    // The size notification follows creation and comes before the page's
    // switches, as it would with a context made at window creation.
    const wxSize size = GetClientSize();
    OnSize(size.x, size.y);
    RunPending();
}

void COpenGLWnd::InContext(std::function<void()> op)
{
    if (m_setUp && IsContextCurrent()) {
        op();
        return;
    }
    // A window without a context has nothing to keep the switch for.
    if (m_setUp && !m_hRC)
        return;
    m_pending.push_back({std::move(op), true});
}

void COpenGLWnd::WhenSetUp(std::function<void()> op)
{
    if (m_setUp)
        op();
    else
        m_pending.push_back({std::move(op), false});
}

void COpenGLWnd::RunPending()
{
    std::vector<Pending> pending;
    pending.swap(m_pending);
    for (Pending& p : pending) {
        if (p.needsContext)
            InContext(std::move(p.op));
        else
            p.op();
    }
}

bool COpenGLWnd::IsContextCurrent() const
{
    return m_nativeRC && glbinding::CurrentContext() == m_nativeRC;
}

void COpenGLWnd::MakeCurrent()
{
    if (!m_hRC) {
        glbinding::ReleaseCurrent();
        return;
    }
#ifdef __WXGTK__
    // GTK binds a context only to a realised window.
    if (!GetXWindow())
        return;
#endif
    if (!m_hRC->SetCurrent(*this))
        return;
    if (!m_nativeRC)
        m_nativeRC = glbinding::CurrentContext();
    RunPending();
}

void COpenGLWnd::Activate()
{
    WhenSetUp([this] {
        MakeCurrent();
        Invalidate();
        StartTimer();
    });
}

void COpenGLWnd::Deactivate()
{
    WhenSetUp([this] {
        glbinding::ReleaseCurrent();
        StopTimer();
    });
}

void COpenGLWnd::StartTimer()
{
    // A window that was never shown must not tick.
    if (m_setUp)
        m_timer.StartPaced(kTimerPeriodMs);
}

void COpenGLWnd::StopTimer()
{
    m_timer.Stop();
}

void COpenGLWnd::Invalidate()
{
    Refresh(false);
}

void COpenGLWnd::OnSize(int cx, int cy)
{
    m_aspect = glframe::AspectOf(cx, cy);
    // Before the set-up there is no context; the set-up applies the size.
    if (m_setUp)
        InContext([cx, cy] { glframe::ApplySize(cx, cy); });
}

void COpenGLWnd::SetProjection(int mode)
{
    if (mode != 1 && mode != 2)
        return;
    InContext([this, mode] {
        m_bPerspective = mode == 2;
        glframe::ApplyProjection(m_bPerspective, m_aspect);
    });
    Invalidate();
}

void COpenGLWnd::DrawScene()
{
    glframe::DrawFrame({m_angleX, m_angleY, m_scaleX, m_scaleY, m_scaleZ, m_bPerspective});
}

void COpenGLWnd::SetAngles(double angleX, double angleY)
{
    StopTimer();
    m_angleX = angleX;
    m_angleY = angleY;
    Invalidate();
}

void COpenGLWnd::ScaleBySteps(double steps, signed char direction)
{
    if (direction != 1 && direction != 2)
        return;
    const double c = std::pow(1.1, steps);
    for (float* f : {&m_scaleX, &m_scaleY, &m_scaleZ})
        *f = static_cast<float>(direction == 2 ? *f * c : *f / c);
    Invalidate();
}

void COpenGLWnd::SwitchLamp(signed char lamp, unsigned char state)
{
    if (lamp < 1 || lamp > 3)
        return;
    InContext([lamp, state] { glframe::EnableLamp(lamp, state != 0); });
    Invalidate();
}

void COpenGLWnd::SetFog(unsigned char mode, signed char steps)
{
    InContext([mode, steps] { glframe::ApplyFog(mode != 0, steps); });
    Invalidate();
}

void COpenGLWnd::SetLineSmoothing(bool on)
{
    InContext([on] { glframe::ApplyLineSmoothing(on); });
    Invalidate();
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
        SwapBuffers();
    }
}

void COpenGLWnd::OnSizeEvent(wxSizeEvent& event)
{
    const wxSize size = GetClientSize();
    OnSize(size.x, size.y);
    event.Skip();
}

void COpenGLWnd::OnTimer(wxTimerEvent& event)
{
    m_angleY -= 3.0;
    m_angleX -= 2.0;
    Invalidate();
    event.Skip();
}

void COpenGLWnd::OnLButtonDown(wxMouseEvent& event)
{
    m_lastMouseX = event.GetX();
    m_lastMouseY = event.GetY();
    m_bDragging = 1;
    StopTimer();
    // Held so that the release ends the drag wherever it happens.
    if (!HasCapture())
        CaptureMouse();
    event.Skip();
}

void COpenGLWnd::OnMouseMove(wxMouseEvent& event)
{
    if (m_bDragging) {
        const int dx = m_lastMouseX - event.GetX();
        const int dy = m_lastMouseY - event.GetY();
        m_lastMouseX = event.GetX();
        m_lastMouseY = event.GetY();
        m_angleY -= dx;
        m_angleX -= dy;
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
    StartTimer();
    event.Skip();
}

void COpenGLWnd::OnContextMenu(wxContextMenuEvent& event)
{
    const wxPoint at = ViewMenuPosition(event.GetPosition(), ClientToScreen(wxPoint(0, 0)));
    std::unique_ptr<wxMenu> menu(CreateViewPopupMenu());
    // The chosen command comes back to this window's event table.
    PopupMenu(menu.get(), ScreenToClient(at));
}

void COpenGLWnd::OnKeyDown(wxKeyEvent& event)
{
    event.Skip();
}

void COpenGLWnd::OnViewRotate(wxCommandEvent&)
{
    StartTimer();
}

void COpenGLWnd::OnSizeIncrease(wxCommandEvent&)
{
    MultiplyScale(kIncrease);
}

void COpenGLWnd::OnSizeDecrease(wxCommandEvent&)
{
    MultiplyScale(kDecrease);
}

// In single precision, so that the two factors do not quite cancel.
void COpenGLWnd::MultiplyScale(float factor)
{
    for (float* f : {&m_scaleX, &m_scaleY, &m_scaleZ})
        *f *= factor;
    Invalidate();
}
