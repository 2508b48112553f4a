// The pixel the student asks about: chosen by a Ctrl+click or the menu,
// moved by the arrow keys, read back from every frame before its mark is
// drawn, and told to the observer when anything about it changed.
#include "COpenGLWnd.h"

#include "PixelMarker.h"

#include <algorithm>
#include <cmath>

namespace {

// Where the mark's arms start and how long they are, in window pixels.
constexpr int kMarkGap = 3, kMarkArm = 5;

}

void COpenGLWnd::ChoosePixel(int x, int y)
{
    StopTurning();
    m_pixel.chosen = true;
    m_pixelNew = true;
    m_pixel.x = x;
    m_pixel.y = y;
    MovePixel(0, 0);
}

void COpenGLWnd::MovePixel(int dx, int dy)
{
    if (!m_pixel.chosen)
        return;
    m_pixel.x = std::clamp(m_pixel.x + dx, 0, std::max(0, m_state.width - 1));
    m_pixel.y = std::clamp(m_pixel.y + dy, 0, std::max(0, m_state.height - 1));
    m_pixel.read = false;
    // The next frame reads it and tells; with no frame to come, tell now.
    if (IsContextCurrent())
        Invalidate();
    else
        TellPixel();
}

void COpenGLWnd::ChoosePixelAt(const wxPoint& client)
{
    const double scale = GetContentScaleFactor();
    ChoosePixel(int(std::floor(client.x * scale)), m_state.height - 1 - int(std::floor(client.y * scale)));
}

void COpenGLWnd::OnWhyThisColour(wxCommandEvent&)
{
    ChoosePixelAt(m_menuPoint);
    SetFocus();   // for the arrow keys
}

bool COpenGLWnd::MovePixelByKey(const wxKeyEvent& event)
{
    if (!m_pixel.chosen || event.GetModifiers() != wxMOD_NONE)
        return false;
    switch (event.GetKeyCode()) {
    case WXK_LEFT: MovePixel(-1, 0); return true;
    case WXK_RIGHT: MovePixel(1, 0); return true;
    case WXK_UP: MovePixel(0, 1); return true;
    case WXK_DOWN: MovePixel(0, -1); return true;
    default: return false;
    }
}

// Between DrawScene and the swap: the read-back must see the frame alone.
void COpenGLWnd::ReadAndMarkPixel()
{
    if (!m_pixel.chosen)
        return;
    glframe::ReadPixel(m_pixel.x, m_pixel.y, m_pixel.seen.data());
    m_pixel.read = true;
    const int scale = std::max(1, int(std::lround(m_state.pixelScale)));
    glframe::DrawPixelMarker(m_state.width, m_state.height, m_pixel.x, m_pixel.y, m_pixel.seen.data(),
                             kMarkGap * scale, kMarkArm * scale);
}

// Frames come 60 or more times a second: only a change is told.
void COpenGLWnd::TellPixel()
{
    if (!m_pixel.chosen)
        return;
    const ChosenPixel& p = m_pixel;
    const ChosenPixel& t = m_pixelTold;
    if (!m_pixelNew && t.chosen && p.x == t.x && p.y == t.y && p.read == t.read && p.seen == t.seen &&
        m_pixelToldState == m_state)
        return;
    const bool chosen = m_pixelNew;
    m_pixelNew = false;
    m_pixelTold = m_pixel;
    m_pixelToldState = m_state;
    if (m_pixelObserver)
        m_pixelObserver(*this, chosen);
}
