// The yardstick: one dialog with one OpenGL canvas that clears and swaps.
// Built a second time with BARE_DRAWS_OURS: the canvas also draws a smoothed
// line and the dialog holds a radio button, what our first frame needs of
// the driver and the theme.
#include <wx/app.h>
#include <wx/dcclient.h>
#include <wx/dialog.h>
#include <wx/glcanvas.h>
#include <wx/radiobut.h>
#include <wx/sizer.h>

#include <GL/gl.h>

namespace {

class Canvas : public wxGLCanvas
{
public:
    explicit Canvas(wxWindow* parent)
        : wxGLCanvas(parent, wxID_ANY, nullptr, wxDefaultPosition, wxSize(255, 255)), m_context(this)
    {
        Bind(wxEVT_PAINT, [this](wxPaintEvent&) {
            wxPaintDC dc(this);
            m_context.SetCurrent(*this);
            glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
            glClear(GL_COLOR_BUFFER_BIT);
#ifdef BARE_DRAWS_OURS
            glEnable(GL_LINE_SMOOTH);
            glEnable(GL_BLEND);
            glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
            glBegin(GL_LINES);
            glVertex2f(-0.5f, -0.4f);
            glVertex2f(0.5f, 0.4f);
            glEnd();
#endif
            SwapBuffers();
        });
    }

private:
    wxGLContext m_context;
};

class BareApp : public wxApp
{
public:
    bool OnInit() override
    {
        wxDialog dialog(nullptr, wxID_ANY, "bare");
        auto* sizer = new wxBoxSizer(wxVERTICAL);
        sizer->Add(new Canvas(&dialog), 0, wxALL, 10);
#ifdef BARE_DRAWS_OURS
        sizer->Add(new wxRadioButton(&dialog, wxID_ANY, "radio"), 0, wxALL, 10);
#endif
        dialog.SetSizerAndFit(sizer);
        dialog.ShowModal();
        return false;
    }
};

}

wxIMPLEMENT_APP(BareApp);
