// The application object: sets the dialog colours and the notice box up,
// then runs the demo sheet modally as the program's only main loop.
#pragma once

#include <wx/app.h>

class CSamplesApp : public wxApp
{
public:
    CSamplesApp();

    bool OnInit() override;
    int OnRun() override;

    // Runs the sheet until it is closed; always false: nothing is left to run.
    bool InitInstance();
};

// The sheet's caption.
wxString SheetCaption();

// Reads the command line before wx starts, which needs a display: -1 when the
// sheet is to run, else the status to end with at once. --help and --version
// print to standard output (0); anything else gets a short usage on standard
// error (2).
int HandleCommandLine(int argc, char** argv);

// Sets the application's dialog colours, then shows the demo sheet modally
// and returns when it is closed, whichever way.
void RunDemoSheet();

// wx assertions go to standard error, never to a dialog that waits for a
// click. Returns the handler it replaces.
wxAssertHandler_t InstallAssertHandler();
// The loader's notices are shown in a CNoticeBox.
void InstallNoticeBox();
