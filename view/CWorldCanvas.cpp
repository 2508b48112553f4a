#include "CWorldCanvas.h"

#include "COpenGLWnd.h"
#include "CTexWnd.h"
#include "GLBinding.h"
#include "GLFrame.h"
#include "SceneLists.h"
#include "WorldFrame.h"

#include <wx/dcclient.h>
#include <wx/log.h>

#include <GL/gl.h>

CWorldCanvas::CWorldCanvas(wxWindow* parent, PageFunc shownPage)
    : wxGLCanvas(parent, glbinding::PixelFormat().attrs, wxID_ANY, wxDefaultPosition, wxDefaultSize,
                 wxBORDER_SUNKEN),
      m_shownPage(std::move(shownPage))
{
    // Without OpenGL a plain window keeps its place; Bind finds no context.
    m_hasVisual = GetHandle() != nullptr;
    if (!m_hasVisual)
        wxWindow::Create(parent, wxID_ANY, wxDefaultPosition, wxDefaultSize, wxBORDER_SUNKEN);
    SetBackgroundStyle(wxBG_STYLE_PAINT);
    wxWindow::Bind(wxEVT_PAINT, &CWorldCanvas::OnPaint, this);
    wxWindow::Bind(wxEVT_LEFT_DOWN, &CWorldCanvas::OnLeftDown, this);
    wxWindow::Bind(wxEVT_MOTION, &CWorldCanvas::OnMotion, this);
    wxWindow::Bind(wxEVT_LEFT_UP, &CWorldCanvas::OnLeftUp, this);
    wxWindow::Bind(wxEVT_MOUSEWHEEL, &CWorldCanvas::OnWheel, this);
    wxWindow::Bind(wxEVT_MOUSE_CAPTURE_LOST, [this](wxMouseCaptureLostEvent&) { m_dragging = false; });
    wxWindow::Bind(wxEVT_SIZE, [this](wxSizeEvent& e) {
        Refresh(false);
        e.Skip();
    });
    m_timer.Bind(wxEVT_TIMER, [this](wxTimerEvent&) { Look(); });
}

CWorldCanvas::~CWorldCanvas()
{
    m_timer.Stop();
    if (m_rc) {
        // The context goes while another may be current: put that back.
        glbinding::KeepCurrent keep;
        m_rc.reset();
    }
}

void CWorldCanvas::Follow(bool on)
{
    if (on) {
        m_timer.Start(kFollowMs);
        Refresh(false);
    } else {
        m_timer.Stop();
    }
}

void CWorldCanvas::SetCamera(const WorldCamera& c)
{
    m_camera = c;
    m_framed = true;
    Refresh(false);
}

// Only a change draws: a still page costs a comparison a tick.
void CWorldCanvas::Look()
{
    const COpenGLWnd* page = m_shownPage();
    if (page && (page != m_builtFor || page->State() != m_shown))
        Refresh(false);
}

// This window's context made current; the caller keeps the one before.
bool CWorldCanvas::Bind()
{
    if (!IsShownOnScreen())
        return false;
    if (!m_rc) {
        if (!m_hasVisual)
            return false;
        wxLogNull quiet;
        auto rc = std::make_unique<wxGLContext>(this);
        if (!rc->IsOK())
            return false;
        m_rc = std::move(rc);
        m_held = glframe::NewContextState();
    }
    return m_rc->SetCurrent(*this);
}

// The page's own list, built in this context; again when the page changes.
void CWorldCanvas::BuildScene(COpenGLWnd& page)
{
    m_builtFor = &page;
    if (page.Kind() == m_builtKind)
        return;
    m_builtKind = page.Kind();
    if (m_texture) {
        glDeleteTextures(1, &m_texture);
        m_texture = 0;
    }
    const double h = kHalfEdge;
    switch (m_builtKind) {
    case SceneKind::WireCube: BuildWireCubeList(h); break;
    case SceneKind::LitCube: BuildLitCubeList(h); break;
    case SceneKind::TexCube: {
        auto* tex = dynamic_cast<CTexWnd*>(&page);
        BuildTexturedCubeList(h, tex ? tex->Image() : nullptr);
        GLint bound = 0;
        glGetIntegerv(GL_TEXTURE_BINDING_2D, &bound);
        m_texture = unsigned(bound);
        break;
    }
    case SceneKind::Bare: glNewList(1, GL_COMPILE); glEndList(); break;
    }
}

// Draws the shown page's scene into the back buffer; no swap.
bool CWorldCanvas::DrawNow()
{
    COpenGLWnd* page = m_shownPage();
    if (!page || !Bind())
        return false;
    const ViewState s = AnglesAsDrawn(page->State());
    if (!m_framed) {
        m_camera = FramingCamera(s);
        m_framed = true;
    }
    const wxSize size = GetClientSize() * GetContentScaleFactor();
    m_picture = MakeWorldPicture(s, m_camera, size.x, size.y);
    m_picture.record.pixelScale = float(GetContentScaleFactor());
    // The record first, so that the list compiles under it, as the page's does.
    glframe::SyncContext(m_held, m_picture.record);
    m_held = m_picture.record;
    BuildScene(*page);
    glframe::DrawWorldFrame(m_picture);
    m_shown = page->State();
    return true;
}

void CWorldCanvas::OnPaint(wxPaintEvent&)
{
    wxPaintDC dc(this);
    glbinding::KeepCurrent keep;
    if (!DrawNow())
        return;
    SwapBuffers();
    ++m_frames;
    if (onFrame)
        onFrame(m_shown);
}

wxImage CWorldCanvas::ReadFrame()
{
    glbinding::KeepCurrent keep;
    if (!DrawNow())
        return wxImage();
    const int w = m_picture.record.width, h = m_picture.record.height;
    wxImage image(w, h);
    glframe::ReadBackBuffer(w, h, image.GetData());
    return image.Mirror(false);   // rows came bottom up
}

void CWorldCanvas::OnLeftDown(wxMouseEvent& event)
{
    m_dragFrom = event.GetPosition();
    m_dragging = true;
    if (!HasCapture())
        CaptureMouse();
}

void CWorldCanvas::OnMotion(wxMouseEvent& event)
{
    if (!m_dragging)
        return;
    const wxPoint d = event.GetPosition() - m_dragFrom;
    m_dragFrom = event.GetPosition();
    SetCamera(Turned(m_camera, d.x, d.y));
}

void CWorldCanvas::OnLeftUp(wxMouseEvent&)
{
    m_dragging = false;
    if (HasCapture())
        ReleaseMouse();
}

void CWorldCanvas::OnWheel(wxMouseEvent& event)
{
    const int delta = event.GetWheelDelta() ? event.GetWheelDelta() : 120;
    SetCamera(Zoomed(m_camera, double(event.GetWheelRotation()) / delta));
}
