// Shows the demo sheet as the program does, stops each page's cube at fixed
// angles and saves the sheet's picture, one PNG per page, for the README.
// Grabs the screen with xwd and convert (ImageMagick).
//
// Usage: take-screenshots OUTDIR [en]    (under an X display)
// In Russian every page; with "en" the lighting page in English, page-2-lighting-en.png.
#include "CAllSheets.h"
#include "CPageFrame.h"
#include "CSamplesApp.h"
#include "COpenGLWnd.h"
#include "Language.h"

#include <wx/app.h>
#include <wx/bookctrl.h>
#include <wx/stopwatch.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

const char* const kNames[] = {"lines", "lighting", "texture"};
constexpr double kAngleX = -25.0, kAngleY = -35.0;

// Lets the sheet paint, for ms milliseconds or until done() holds.
template <class Done> bool Pump(int ms, Done done)
{
    for (wxStopWatch clock; clock.Time() < ms; wxMilliSleep(5)) {
        wxTheApp->Yield(true);
        if (done())
            return true;
    }
    return false;
}

bool Grab(const wxRect& r, const std::string& file)
{
    const std::string command = "xwd -root -silent | convert xwd:- -crop " + std::to_string(r.width) + "x" +
                                std::to_string(r.height) + "+" + std::to_string(r.x) + "+" +
                                std::to_string(r.y) + " +repage -strip '" + file + "'";
    return std::system(command.c_str()) == 0;
}

class ShotsApp : public wxApp
{
public:
    bool OnInit() override
    {
        m_english = argc == 3 && argv[2] == "en";
        if (argc != 2 && !m_english) {
            std::fprintf(stderr, "usage: take-screenshots OUTDIR [en]\n");
            return false;
        }
        InstallAssertHandler();
        SetUpLanguage(m_english ? wxLANGUAGE_ENGLISH : wxLANGUAGE_RUSSIAN);
        m_outDir = argv[1].ToStdString();
        return true;
    }

    // The sheet runs modally, as in the program; the shots are taken from inside its loop.
    int OnRun() override
    {
        CallAfter([this] { TakeAll(); });
        RunDemoSheet();
        return m_failed ? 1 : 0;
    }

private:
    void TakeAll()
    {
        auto* sheet = dynamic_cast<CAllSheets*>(GetTopWindow());
        for (size_t i = m_english ? 1 : 0; sheet && i < (m_english ? 2u : 3u); ++i) {
            sheet->GetBookCtrl()->SetSelection(i);
            COpenGLWnd* view = sheet->Page(i)->View();
            if (!Pump(5000, [view] { return view->IsSetUp(); }))
                std::fprintf(stderr, "page %zu: the OpenGL window was never set up\n", i + 1);
            view->SetAngles(kAngleX, kAngleY);
            Pump(300, [] { return false; });
            const std::string file = m_outDir + "/page-" + std::to_string(i + 1) + "-" + kNames[i] +
                                     (m_english ? "-en" : "") + ".png";
            if (!Grab(sheet->GetScreenRect(), file))
                m_failed = true;
            else
                std::printf("%s\n", file.c_str());
        }
        m_failed = m_failed || !sheet;
        if (sheet)
            sheet->EndModal(wxID_OK);
    }

    std::string m_outDir;
    bool m_english = false;
    bool m_failed = false;
};

}

wxIMPLEMENT_APP(ShotsApp);
