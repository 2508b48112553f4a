// The yardstick: one dialog with one OpenGL canvas that clears and swaps.
#include <wx/app.h>
#include <wx/dcclient.h>
#include <wx/dialog.h>
#include <wx/glcanvas.h>
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
        dialog.SetSizerAndFit(sizer);
        dialog.ShowModal();
        return false;
    }
};

}

wxIMPLEMENT_APP(BareApp);
