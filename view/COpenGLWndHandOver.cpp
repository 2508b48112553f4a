// The hand-over of a window's rendering context and timer between the pages,
// and the switches kept until the window's context is current.
#include "COpenGLWnd.h"

#include "GLBinding.h"

namespace {

constexpr int kTimerPeriodMs = 10;

}

void COpenGLWnd::InContext(DeferredCalls::Call op)
{
    if (m_setUp && IsContextCurrent()) {
        op();
        return;
    }
    // A window without a context has nothing to keep the switch for.
    if (m_setUp && !m_hRC)
        return;
    m_deferred.Keep(std::move(op));
}

void COpenGLWnd::RunDeferred()
{
    m_deferred.Replay([this](DeferredCalls::Call op) { InContext(std::move(op)); });
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
    RunDeferred();
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
