#include "Toolkit.h"
#include "WxTestMain.h"

#include "AssertReport.h"

#include <gtest/gtest.h>
#include <wx/app.h>
#include <wx/evtloop.h>
#include <wx/init.h>
#include <wx/stopwatch.h>
#include <wx/utils.h>

#if defined(__WXGTK__) && defined(__UNIX__)
#include <X11/Xlib.h>
#endif

#include <cstdio>
#include <cstdlib>

namespace {

class TestApp : public wxApp
{
public:
    bool OnInit() override { return true; }
};

// An assertion would open a dialog that waits for a click and hangs the run:
// report it and stop at once instead.
void FailOnAssert(const wxString& file, int line, const wxString& func,
                  const wxString& cond, const wxString& msg)
{
    PrintAssert(file, line, func, cond, msg);
    std::abort();
}

}

bool PumpEvents(int ms, const std::function<bool()>& done)
{
    wxStopWatch clock;
    for (;;) {
        wxTheApp->Yield(true);
        if (done && done())
            return true;
        if (clock.Time() >= ms)
            return !done;
        wxMilliSleep(1);
    }
}

void Settle()
{
#if defined(__WXGTK__) && defined(__UNIX__)
    // A round trip: the events the server made of the input are then queued.
    XSync(wxGetX11Display(), False);
#else
    PumpEvents(20);
#endif
    for (int i = 0; i < 3; ++i)   // and what their handlers queued in turn
        wxTheApp->Yield(true);
}

wxUIActionSimulator& Input()
{
    static wxUIActionSimulator input;
    return input;
}

void PointAt(wxWindow* w, wxPoint at)
{
    const wxPoint to = w->ClientToScreen(at == wxDefaultPosition ? wxPoint(6, w->GetClientSize().y / 2) : at);
    Input().MouseMove(to);
    PumpEvents(2000, [to] { return wxGetMousePosition() == to; });
    Settle();
}

void ClickOn(wxWindow* w, wxPoint at, int button, bool twice)
{
    PointAt(w, at);
    twice ? Input().MouseDblClick(button) : Input().MouseClick(button);
    Settle();
}

int main(int argc, char** argv)
{
    testing::InitGoogleTest(&argc, argv);
    wxSetAssertHandler(FailOnAssert);
    wxApp::SetInstance(new TestApp);
    PrepareToolkit();
    if (!wxEntryStart(argc, argv) || !wxTheApp->CallOnInit()) {
        std::fprintf(stderr, "cannot initialise wxWidgets (is there a display?)\n");
        return 1;
    }
    // Timers and paints are dispatched only while an event loop is active.
    wxGUIEventLoop loop;
    wxEventLoopActivator active(&loop);
    const int result = RUN_ALL_TESTS();
    wxTheApp->OnExit();
    wxEntryCleanup();
    return result;
}
