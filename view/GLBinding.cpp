#include "GLBinding.h"

#if defined(_WIN32)

#include <windows.h>

namespace glbinding {

void* CurrentContext() { return wglGetCurrentContext(); }

void ReleaseCurrent() { wglMakeCurrent(nullptr, nullptr); }

}

#elif defined(__APPLE__)

#include <OpenGL/OpenGL.h>

namespace glbinding {

void* CurrentContext() { return CGLGetCurrentContext(); }

void ReleaseCurrent() { CGLSetCurrentContext(nullptr); }

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

}

#endif
