#include "GLBinding.h"

namespace glbinding {

namespace {

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

}

PixelFormat::PixelFormat() : m_oldAsserts(wxSetAssertHandler(nullptr))
{
    static const struct
    {
        int depth, stencil;
        bool accum;
    } kWanted[] = {
        {32, 8, true}, {24, 8, true}, {32, 8, false}, {24, 8, false},
        {24, 0, false}, {16, 0, false}, {0, 0, false},
    };
    for (const auto& w : kWanted) {
        attrs = Format(w.depth, w.stencil, w.accum);
        if (wxGLCanvas::IsDisplaySupported(attrs)) {
            found = true;
            // Asserts from here on are real.
            wxSetAssertHandler(m_oldAsserts);
            return;
        }
    }
}

PixelFormat::~PixelFormat()
{
    if (!found)
        wxSetAssertHandler(m_oldAsserts);
}

}

#if defined(_WIN32)

#include <windows.h>

namespace glbinding {

void* CurrentContext() { return wglGetCurrentContext(); }

void ReleaseCurrent() { wglMakeCurrent(nullptr, nullptr); }

KeepCurrent::KeepCurrent() : m_display(wglGetCurrentDC()), m_context(wglGetCurrentContext()) {}

KeepCurrent::~KeepCurrent() { wglMakeCurrent(static_cast<HDC>(m_display), static_cast<HGLRC>(m_context)); }

}

#elif defined(__APPLE__)

#include <OpenGL/OpenGL.h>

namespace glbinding {

void* CurrentContext() { return CGLGetCurrentContext(); }

void ReleaseCurrent() { CGLSetCurrentContext(nullptr); }

KeepCurrent::KeepCurrent() : m_context(CGLGetCurrentContext()) {}

KeepCurrent::~KeepCurrent() { CGLSetCurrentContext(static_cast<CGLContextObj>(m_context)); }

}

#else

#include <GL/glx.h>

namespace glbinding {

void* CurrentContext() { return glXGetCurrentContext(); }

void ReleaseCurrent()
{
    // No current display means no current context: nothing to release.
    if (Display* display = glXGetCurrentDisplay())
        glXMakeCurrent(display, None, nullptr);
}

KeepCurrent::KeepCurrent()
    : m_display(glXGetCurrentDisplay()),
      m_context(glXGetCurrentContext()),
      m_draw(glXGetCurrentDrawable()),
      m_read(glXGetCurrentReadDrawable())
{
}

KeepCurrent::~KeepCurrent()
{
    if (m_context)
        glXMakeContextCurrent(static_cast<Display*>(m_display), m_draw, m_read, static_cast<GLXContext>(m_context));
    else
        ReleaseCurrent();
}

}

#endif
