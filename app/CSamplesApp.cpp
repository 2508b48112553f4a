#include "CSamplesApp.h"

#include "CAllSheets.h"
#include "CNoticeBox.h"
#include "CTexWnd.h"
#include "Language.h"

#include "AssertReport.h"
#include "DialogColours.h"
#include "Notice.h"
#include "Texts.h"

#include <wx/cmdline.h>
#include <wx/evtloop.h>

#include <cstdio>

namespace {

// Keeps what the parser says, to print it where it belongs.
class CollectedOutput : public wxMessageOutput
{
public:
    CollectedOutput() : m_old(wxMessageOutput::Set(this)) {}
    ~CollectedOutput() override { wxMessageOutput::Set(m_old); }
    void Output(const wxString& str) override { text += str; }

    wxString text;

private:
    wxMessageOutput* m_old;
};

// What --lang asked for; the desktop's when it is not given.
wxLanguage s_language = wxLANGUAGE_DEFAULT;

void Print(std::FILE* to, const wxString& text)
{
    std::fputs(static_cast<const char*>(text.utf8_str()), to);
}

}

int HandleCommandLine(int argc, char** argv)
{
    static const wxCmdLineEntryDesc kOptions[] = {
        {wxCMD_LINE_SWITCH, "h", "help", "show this help and exit", wxCMD_LINE_VAL_NONE,
         wxCMD_LINE_OPTION_HELP},
        {wxCMD_LINE_SWITCH, nullptr, "version", "show the version and exit", wxCMD_LINE_VAL_NONE, 0},
        {wxCMD_LINE_OPTION, nullptr, "lang", "speak ru (Russian) or en (English), not the desktop's language",
         wxCMD_LINE_VAL_STRING, 0},
        {wxCMD_LINE_OPTION, nullptr, "picture", "cover the textured cube with this bitmap file, not logo.bmp",
         wxCMD_LINE_VAL_STRING, 0},
        {wxCMD_LINE_NONE, nullptr, nullptr, nullptr, wxCMD_LINE_VAL_NONE, 0},
    };
    const wxString name = "opengl-samples";
    wxCmdLineParser parser(kOptions, argc, argv);
    parser.SetLogo(SheetCaption() + "\n\nA turning cube on each of three pages, with switches for "
                   "line smoothing, lamps, fog,\nprojection and size. Reads logo.bmp from the current "
                   "folder, else from the\ninstalled data folder, unless --picture names another bitmap.\n");
    CollectedOutput errors;
    const int parsed = parser.Parse(false);
    if (parsed == -1) {
        Print(stdout, parser.GetUsageString());
        return 0;
    }
    wxString code;
    if (parsed == 0 && parser.Found("lang", &code)) {
        s_language = LanguageNamed(code);
        if (s_language == wxLANGUAGE_UNKNOWN)
            wxMessageOutput::Get()->Printf("Unknown language '%s': ru or en.\n", code);
    }
    wxString picture;
    if (parsed == 0 && parser.Found("picture", &picture))
        CTexWnd::StartWith(picture);
    if (parsed != 0 || s_language == wxLANGUAGE_UNKNOWN) {
        Print(stderr, errors.text);
        Print(stderr, "usage: " + name + " [--help] [--version] [--lang ru|en] [--picture FILE]\n");
        return 2;
    }
    if (parser.Found("version")) {
        Print(stdout, name + " " SAMPLES_VERSION "\n");
        return 0;
    }
    return -1;
}

wxString SheetCaption()
{
    return Tr("OpenGL: фрагменты кода с примерами");
}

wxAssertHandler_t InstallAssertHandler()
{
    return wxSetAssertHandler(PrintAssert);
}

void InstallNoticeBox()
{
    SetNoticeHandler(ShowNoticeBox);
}

CSamplesApp::CSamplesApp()
{
    // As early as possible: the start-up itself may assert.
    InstallAssertHandler();
}

bool CSamplesApp::OnInit()
{
    // main read the command line before wx started; the base would read it
    // again. Returning false here would end the program with a failure status.
    InstallNoticeBox();
    SetUpLanguage(s_language);
    return true;
}

int CSamplesApp::OnRun()
{
    InitInstance();
    return 0;
}

void RunDemoSheet()
{
    // Before the sheet: the pages take their colours as they are created.
    SetDialogBkColor(ToColour(kDialogBackground), ToColour(kDialogText));

    CAllSheets sheet(SheetCaption(), nullptr, 0);
    // OK, Cancel, Escape and the close box all hide a modeless sheet, which
    // ends the loop; the notice boxes still run modally over it.
    wxGUIEventLoop loop;
    sheet.Bind(wxEVT_SHOW, [&loop](wxShowEvent& event) {
        if (!event.IsShown() && loop.IsRunning())
            loop.ScheduleExit();
        event.Skip();
    });
    ShowDemoSheet(sheet);
    if (sheet.IsShown())
        loop.Run();
    wxTheApp->SetTopWindow(nullptr);
}

void ShowDemoSheet(CAllSheets& sheet)
{
    wxTheApp->SetTopWindow(&sheet);
    sheet.Centre();
    sheet.Show();
}

bool CSamplesApp::InitInstance()
{
    RunDemoSheet();
    return false;
}
