// The texture page's picture in the printed code: its file's name, and its
// upload at a size OpenGL 1.1 takes (see TextureSize.h).
#pragma once

#include "CodeFragment.h"

#include <string>

// The name as a C comment can hold it: a control character (a file name may
// have a line break) becomes '?', and "*/" "* /".
std::string PictureNameShown(const std::string& name);

// The file-level buffer a picture is scaled into ("static GLubyte
// scaled[...];"), or nothing when it goes up at its own size.
std::string ScaledPictureBuffer(const FragmentInputs& in);

// The scaling into that buffer when the sides need it, or nothing; then the
// sides ("128, 64") and the pixels ("scaled" or "picture") that go up.
std::string PictureScaling(const FragmentInputs& in);
std::string UploadSides(const FragmentInputs& in);
const char* UploadPixels(const FragmentInputs& in);
