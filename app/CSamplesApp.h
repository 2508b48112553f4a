// The application object: sets the dialog colours and the notice box up,
// then shows the demo sheet and runs the program's one event loop until the
// sheet is closed.
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

class CAllSheets;

// Sets the application's dialog colours, then shows the demo sheet and
// returns when it is closed, whichever way.
void RunDemoSheet();
// Shows sheet as RunDemoSheet does: centred, the application's top window,
// and modeless, so that the code window beside it gets input too.
void ShowDemoSheet(CAllSheets& sheet);

// wx assertions go to standard error, never to a dialog that waits for a
// click. Returns the handler it replaces.
wxAssertHandler_t InstallAssertHandler();
// The loader's notices are shown in a CNoticeBox.
void InstallNoticeBox();
