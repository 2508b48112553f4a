#include "WxTestMain.h"

#include "AssertReport.h"

#include <gtest/gtest.h>
#include <wx/app.h>
#include <wx/evtloop.h>
#include <wx/init.h>
#include <wx/stopwatch.h>
#include <wx/uiaction.h>

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

void PointAt(wxWindow* w, wxPoint at)
{
    wxUIActionSimulator().MouseMove(w->ClientToScreen(at == wxDefaultPosition ? wxPoint(6, w->GetClientSize().y / 2) : at));
    PumpEvents(50);
}

void ClickOn(wxWindow* w, wxPoint at, int button, bool twice)
{
    PointAt(w, at);
    wxUIActionSimulator mouse;
    twice ? mouse.MouseDblClick(button) : mouse.MouseClick(button);
    PumpEvents(100);
}

int main(int argc, char** argv)
{
    testing::InitGoogleTest(&argc, argv);
    wxSetAssertHandler(FailOnAssert);
    wxApp::SetInstance(new TestApp);
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
