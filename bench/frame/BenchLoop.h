// Shared by the frame benchmarks: an application object, the event loop run
// as the program's own would, and the process's CPU time.
#pragma once

#include "Toolkit.h"

#include <wx/app.h>
#include <wx/evtloop.h>
#include <wx/filefn.h>
#include <wx/init.h>
#include <wx/timer.h>

#include <cstdio>
#include <ctime>

class BenchApp : public wxApp
{
public:
    bool OnInit() override { return true; }
};

// Runs the event loop for ms milliseconds.
inline void RunFor(int ms)
{
    wxGUIEventLoop loop;
    wxEventLoopActivator active(&loop);
    wxTimer stop;
    stop.Bind(wxEVT_TIMER, [&loop](wxTimerEvent&) { loop.Exit(); });
    stop.StartOnce(ms);
    loop.Run();
}

// All threads' CPU time, llvmpipe's included; the X server's not.
inline double CpuSeconds()
{
    timespec ts{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &ts);
    return ts.tv_sec + ts.tv_nsec * 1e-9;
}

// wx with an application object, in the folder of logo.bmp (without its
// picture the textured window would draw less than it should). False, after
// a line on stderr, without a display.
inline bool StartBench(char** argv, const char* logoDir)
{
    wxApp::SetInstance(new BenchApp);
    int wxArgc = 1;
    PrepareToolkit();
    if (!wxEntryStart(wxArgc, argv) || !wxTheApp->CallOnInit()) {
        std::fprintf(stderr, "cannot initialise wxWidgets (is there a display?)\n");
        return false;
    }
    if (!wxFileExists("logo.bmp"))
        wxSetWorkingDirectory(logoDir);
    return true;
}
