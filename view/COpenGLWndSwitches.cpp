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
}

void COpenGLWnd::SetProjection(int mode)
{
    if (mode != kOrthographic && mode != kPerspective)
        return;
    m_state.perspective = mode == kPerspective;
    SyncContext();
    Invalidate();
}

void COpenGLWnd::ScaleBySteps(double steps, signed char direction)
{
    if (direction != kScaleSmaller && direction != kScaleLarger)
        return;
    const double c = std::pow(1.1, steps);
    for (float* f : {&m_state.scaleX, &m_state.scaleY, &m_state.scaleZ})
        *f = static_cast<float>(direction == kScaleLarger ? *f * c : *f / c);
    Invalidate();
}

void COpenGLWnd::SwitchLamp(signed char lamp, unsigned char state)
{
    if (lamp < kLampRed || lamp > kLampBlue)
        return;
    m_state.lamp[lamp - 1] = state != 0;
    SyncContext();
    Invalidate();
}

void COpenGLWnd::SetFog(unsigned char mode, signed char steps)
{
    m_state.fog = mode != kFogOff;
    if (m_state.fog)
        m_state.fogDensity = steps * 0.1f;
    SyncContext();
    Invalidate();
}

void COpenGLWnd::SetLineSmoothing(bool on)
{
    m_state.lineSmoothing = on;
    SyncContext();
    Invalidate();
}

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
    for (float* f : {&m_state.scaleX, &m_state.scaleY, &m_state.scaleZ})
        *f *= factor;
    Invalidate();
}

