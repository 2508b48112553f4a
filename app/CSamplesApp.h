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

// Sets the application's dialog colours, then shows the demo sheet modally
// and returns when it is closed, whichever way.
void RunDemoSheet();

// wx assertions go to standard error, never to a dialog that waits for a
// click. Returns the handler it replaces.
wxAssertHandler_t InstallAssertHandler();
// The loader's notices are shown in a CNoticeBox.
void InstallNoticeBox();
