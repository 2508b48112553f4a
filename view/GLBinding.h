// The platform side of the OpenGL windows: the only place that calls the
// windowing system's own GL binding (GLX here; WGL and CGL have their branch
// in GLBinding.cpp), and the choice of a pixel format.
#pragma once

#include <wx/glcanvas.h>


namespace glbinding {

// The thread's current rendering context as the window system knows it, or nullptr.
void* CurrentContext();

// Makes no rendering context current on this thread.
void ReleaseCurrent();

// The thread's current context and the drawables it is bound to, bound
// again when this goes: a second window draws in between without taking
// the context from the window that owns it (the shown page's).
class KeepCurrent
{
public:
    KeepCurrent();
    ~KeepCurrent();
    KeepCurrent(const KeepCurrent&) = delete;
    KeepCurrent& operator=(const KeepCurrent&) = delete;

private:
    void* m_display = nullptr;
    void* m_context = nullptr;
    unsigned long m_draw = 0, m_read = 0;
};

// The best pixel format the display offers, asked for in falling order.
// Without any (no GLX at all), wx asserts while it looks and then makes no
// window; that is expected, so the asserts stay quiet while this object
// lives: a canvas constructed from a temporary of it fails quietly too.
class PixelFormat
{
public:
    PixelFormat();
    ~PixelFormat();

    bool found = false;
    wxGLAttributes attrs;

private:
    wxAssertHandler_t m_oldAsserts = nullptr;
};

}
