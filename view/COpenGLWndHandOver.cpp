// The hand-over of a window's rendering context and timer between the pages,
// and the context brought in line with the record when it is current.
#include "COpenGLWnd.h"

#include "GLBinding.h"
#include "GLFrame.h"

namespace {

constexpr int kTimerPeriodMs = 10;

}

// After every change of the record, and whenever the context is made
// current: a context that is not current waits for its hand-over.
void COpenGLWnd::SyncContext()
{
    if (!m_setUp || !IsContextCurrent())
        return;
    glframe::SyncContext(m_held, m_state);
    m_held = m_state;
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
    SyncContext();
}

// Before the set-up these only mark the window shown or hidden; the set-up
// then takes the context and the timer, or hands them back.
void COpenGLWnd::Activate()
{
    m_active = true;
    s_shownWnd = this;
    if (!m_setUp)
        return;
    MakeCurrent();
    Invalidate();
    StartTimer();
}

void COpenGLWnd::Deactivate()
{
    m_active = false;
    if (s_shownWnd == this)
        s_shownWnd = nullptr;
    if (!m_setUp)
        return;
    glbinding::ReleaseCurrent();
    StopTimer();
}

void COpenGLWnd::StartTimer()
{
    // A window that was never shown must not tick.
    if (m_setUp)
        m_timer.StartPaced(kTimerPeriodMs);
}

void COpenGLWnd::StopTimer() { m_timer.Stop(); }

void COpenGLWnd::Invalidate() { Refresh(false); }
