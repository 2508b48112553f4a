// What the code window takes from an OpenGL window: its fragment, read in its
// context (or from its record alone without OpenGL), and its current frame.
#pragma once

#include "CodeFragment.h"

#include <wx/image.h>

class COpenGLWnd;

// The record, scene and picture size of w, with the matrices read from its
// context, or worked out from the record when its set-up found no OpenGL.
// False before its set-up, or when it has a context that is not current (its
// page is not showing): in is then left alone.
bool ReadFragmentInputs(const COpenGLWnd& w, FragmentInputs& in);

// A frame drawn now into the back buffer of w's current context and read
// back; no swap, the next paint draws over it. Not IsOk() without the context.
wxImage ReadFrame(COpenGLWnd& w);
