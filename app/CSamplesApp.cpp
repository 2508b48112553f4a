#include "CSamplesApp.h"

#include "CAllSheets.h"
#include "CNoticeBox.h"

#include "DialogColours.h"
#include "Notice.h"

#include <cstdio>

namespace {

void ReportAssert(const wxString& file, int line, const wxString& func, const wxString& cond,
                  const wxString& msg)
{
    std::fprintf(stderr, "%s:%d: wx assertion failed in %s: %s %s\n",
                 static_cast<const char*>(file.utf8_str()), line,
                 static_cast<const char*>(func.utf8_str()),
                 static_cast<const char*>(cond.utf8_str()),
                 static_cast<const char*>(msg.utf8_str()));
    std::fflush(stderr);
}

}

wxString SheetCaption()
{
    return wxString::FromUTF8("OpenGL: фрагменты кода с примерами");
}

wxAssertHandler_t InstallAssertHandler()
{
    return wxSetAssertHandler(ReportAssert);
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
    // The base would parse the command line, which the program ignores.
    // Returning false here would end the program with a failure status.
    InstallNoticeBox();
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
    SetDialogBkColor(wxColour(168, 189, 216), wxColour(61, 96, 126));

    CAllSheets sheet(SheetCaption(), nullptr, 0);
    wxTheApp->SetTopWindow(&sheet);
    sheet.ShowModal();   // OK, Cancel and a failure end the program alike
    wxTheApp->SetTopWindow(nullptr);
}

bool CSamplesApp::InitInstance()
{
    RunDemoSheet();
    return false;
}
