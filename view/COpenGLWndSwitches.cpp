// The rendering switches of COpenGLWnd: each updates the window's record at
// once, then brings the context in line with it if it is current.
#include "COpenGLWnd.h"

#include "GLFrame.h"

#include <cmath>

void COpenGLWnd::OnSize(int cx, int cy)
{
    m_state.pixelScale = static_cast<float>(GetContentScaleFactor());
    m_state.width = cx;
    m_state.height = cy;
    m_state.aspect = glframe::AspectOf(cx, cy);
    SyncContext();
    MovePixel(0, 0);   // kept inside the picture
}

void COpenGLWnd::SetProjection(int mode)
{
    if (mode != kOrthographic && mode != kPerspective)
        return;
    const ViewState before = m_state;
    m_state.perspective = mode == kPerspective;
    Changed(before);
}

void COpenGLWnd::ScaleBySteps(double steps, signed char direction)
{
    if (direction != kScaleSmaller && direction != kScaleLarger)
        return;
    const ViewState before = m_state;
    const double c = std::pow(1.1, steps);
    for (float* f : {&m_state.scaleX, &m_state.scaleY, &m_state.scaleZ})
        *f = static_cast<float>(direction == kScaleLarger ? *f * c : *f / c);
    Changed(before);
}

void COpenGLWnd::SwitchLamp(signed char lamp, unsigned char state)
{
    if (lamp < kLampRed || lamp > kLampBlue)
        return;
    const ViewState before = m_state;
    m_state.lamp[lamp - 1] = state != 0;
    Changed(before);
}

void COpenGLWnd::SetFog(unsigned char mode, signed char steps)
{
    const ViewState before = m_state;
    m_state.fog = mode != kFogOff;
    if (m_state.fog)
        m_state.fogDensity = steps * 0.1f;
    Changed(before);
}

void COpenGLWnd::SetLineSmoothing(bool on)
{
    // Blending makes the smoothed edges; a thicker line shows them.
    const ViewState before = m_state;
    m_state.lineSmoothing = m_state.blend = on;
    m_state.lineWidth = on ? 1.5f : 1.0f;
    Changed(before);
}

void COpenGLWnd::StopTurning() { StopTimer(); }

void COpenGLWnd::SetAngles(double angleX, double angleY)
{
    StopTimer();
    m_state.angleX = angleX;
    m_state.angleY = angleY;
    Invalidate();
}

// In single precision, so that the two factors do not quite cancel.
void COpenGLWnd::MultiplyScale(float factor)
{
    const ViewState before = m_state;
    for (float* f : {&m_state.scaleX, &m_state.scaleY, &m_state.scaleZ})
        *f *= factor;
    Changed(before);
}

// A switch's change: one step to undo.
void COpenGLWnd::Changed(const ViewState& before)
{
    m_history.Add(before, m_state);
    SyncContext();
    Invalidate();
}

// A whole record from outside the page's controls, which are then told.
void COpenGLWnd::Take(const ViewState& s)
{
    const ViewState viewport = m_state;
    m_state = s;
    m_state.width = viewport.width;
    m_state.height = viewport.height;
    m_state.pixelScale = viewport.pixelScale;
    m_state.aspect = viewport.aspect;
    SyncContext();
    Invalidate();
    if (m_recordObserver)
        m_recordObserver(m_state);
}

void COpenGLWnd::SetRecord(const ViewState& s, int group)
{
    const ViewState before = m_state;
    Take(s);
    m_history.Add(before, m_state, group);
}

bool COpenGLWnd::Undo() { return TakeStep(&EditHistory::Undo); }

bool COpenGLWnd::Redo() { return TakeStep(&EditHistory::Redo); }

bool COpenGLWnd::TakeStep(bool (EditHistory::*step)(const ViewState&, ViewState&))
{
    ViewState s;
    if (!(m_history.*step)(m_state, s))
        return false;
    Take(s);
    return true;
}

// The cube turns on from where it is.
void COpenGLWnd::Reset()
{
    ViewState s = m_start;
    s.angleX = m_state.angleX;
    s.angleY = m_state.angleY;
    SetRecord(s, 0);
}

void COpenGLWnd::KeepAsStart()
{
    m_start = m_state;
    m_history.Clear();
}

