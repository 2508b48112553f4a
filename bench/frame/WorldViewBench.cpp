// What the open side view costs the picture: each page of the real sheet
// with the side view closed and open, in interleaved rounds. Prints the
// page's frames per second and the process's CPU time per page frame (the
// side view's drawing included) of both, and the side view's own frames per
// second. The goal: the page keeps its frame rate (60 a second) with the view open.
// Argument: seconds per page in all rounds, 6 by default.
#include "CAllSheets.h"
#include "COpenGLWnd.h"
#include "CPageFrame.h"
#include "CSamplesApp.h"
#include "CWorldWindow.h"

#include "PageFrames.h"

#include <wx/bookctrl.h>
#include <wx/stopwatch.h>

#include <cstdlib>

namespace {

// The side view's frames so far, when it is shown.
long SideFrames(CAllSheets& sheet)
{
    CWorldWindow* side = sheet.WorldView();
    return side && side->IsShown() ? side->Canvas()->Frames() : 0;
}

}

int main(int argc, char** argv)
{
    const double seconds = argc > 1 ? std::atof(argv[1]) : 6.0;
    if (!StartBench(argv, BENCH_LOGO_DIR))
        return 1;
    bool met = true;
    {
        CAllSheets sheet(SheetCaption());
        ShowDemoSheet(sheet);
        const int rounds = 5, ms = static_cast<int>(seconds * 1000 / rounds);
        std::printf("%-22s %15s %15s %16s %16s %13s\n", "page", "closed frames/s", "open frames/s",
                    "closed CPU ms/fr", "open CPU ms/fr", "side frames/s");
        for (size_t page = 0; page < 3; ++page) {
            sheet.GetBookCtrl()->SetSelection(page);
            Totals closed, open;
            for (int round = 0; round < rounds; ++round) {
                if (CWorldWindow* w = sheet.WorldView())
                    w->Close();   // hidden, as its close box does
                Measure(sheet, ms, closed, [&sheet] { return SideFrames(sheet); });
                sheet.OpenWorldView();
                Measure(sheet, ms, open, [&sheet] { return SideFrames(sheet); });
            }
            std::printf("%-22s %15.1f %15.1f %16.3f %16.3f %13.1f\n",
                        static_cast<const char*>(sheet.Page(page)->Caption().utf8_str()),
                        closed.PerSecond(closed.frames), open.PerSecond(open.frames), closed.MsPerFrame(),
                        open.MsPerFrame(), open.PerSecond(open.others));
            met = met && open.PerSecond(open.frames) >= 0.95 * closed.PerSecond(closed.frames);
        }
        std::printf("goal (the page's frames/s with the side view open within 5 %% of closed): %s\n", met ? "met" : "MISSED");
        sheet.Show(false);
    }
    wxTheApp->OnExit();
    wxEntryCleanup();
    return met ? 0 : 2;
}
