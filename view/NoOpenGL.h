// What a window shows and says when the display gives it no OpenGL.
#pragma once

#include <wx/colour.h>
#include <wx/string.h>

class wxDC;
class wxSize;

// The plain notice the window shows in place of its picture.
wxString NoOpenGLText();

// Fills size with background and centres the notice on it in text.
void PaintNoOpenGLNotice(wxDC& dc, const wxSize& size, const wxColour& background, const wxColour& text);

// One line on standard error saying why, the first time only: every window
// meets the same display.
void ReportNoOpenGL(const char* why);
