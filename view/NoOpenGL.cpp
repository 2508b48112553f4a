#include "NoOpenGL.h"

#include "Texts.h"

#include <wx/app.h>
#include <wx/dc.h>

#include <cstdio>

wxString NoOpenGLText()
{
    return Tr("Дисплей не поддерживает OpenGL:\nкартинки не будет.");
}

void PaintNoOpenGLNotice(wxDC& dc, const wxSize& size, const wxColour& background, const wxColour& text)
{
    dc.SetBackground(wxBrush(background));
    dc.Clear();
    dc.SetTextForeground(text);
    dc.DrawLabel(NoOpenGLText(), wxRect(size), wxALIGN_CENTRE);
}

void ReportNoOpenGL(const char* why)
{
    static bool told = false;
    if (told)
        return;
    told = true;
    const wxString name = wxTheApp ? wxTheApp->GetAppName() : wxString("opengl-samples");
    std::fprintf(stderr, "%s: no OpenGL pictures: %s\n", static_cast<const char*>(name.utf8_str()), why);
}
