// The only place that calls the windowing system's own GL binding
// (GLX here; WGL and CGL have their branch in GLBinding.cpp).
#pragma once

namespace glbinding {

// The thread's current rendering context as the window system knows it, or nullptr.
void* CurrentContext();

// Makes no rendering context current on this thread.
void ReleaseCurrent();

}
