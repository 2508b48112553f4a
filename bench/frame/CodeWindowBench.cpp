// What the open code window costs the picture: each page of the real sheet
// with the code window closed and open, in interleaved rounds. Prints drawn
// frames per second and the process's CPU time per frame of both, and their
// ratio; the goal is a difference within 5 %. Then the cost of one update
// of the open window: a turn (the angle and matrix lines) and a switch (the
// smoothing lines, marked). Last, the lighting page with the window closed
// against a number dragged in the code (the red lamp's x, by real pointer
// motion, a step every 16 ms); the goal is a difference within 10 %.
// Arguments: seconds per measurement in all rounds, 6 by default; "drag" to
// measure the drag alone.
#include "CAllSheets.h"
#include "CCodeView.h"
#include "CCodeWindow.h"
#include "COpenGLWnd.h"
#include "CPageFrame.h"
#include "CSamplesApp.h"

#include "PageFrames.h"

#include <wx/app.h>
#include <wx/bookctrl.h>
#include <wx/evtloop.h>
#include <wx/filefn.h>
#include <wx/init.h>
#include <wx/stopwatch.h>
#include <wx/timer.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <string>

namespace {

// Wall and CPU milliseconds of one Follow after change(i), with the drawing
// of what changed, over n updates: the loop with updates against the same
// loop without them (the process's CPU clock moves in ticks, too coarse for one).
template <class Change>
void TimeUpdates(const char* what, CCodeWindow& w, int n, Change change)
{
    double wall[2] = {}, cpu[2] = {};
    for (int follow = 0; follow < 2; ++follow) {
        wxStopWatch clock;
        const double cpu0 = CpuSeconds();
        for (int i = 0; i < n; ++i) {
            change(i);
            if (follow)
                w.Follow();
            RunFor(5);   // the control draws what changed
        }
        cpu[follow] = CpuSeconds() - cpu0;
        wall[follow] = clock.TimeInMicro().ToDouble() * 1e-6;
    }
    std::printf("one update, %-38s %8.3f ms wall %8.3f ms CPU\n", what, (wall[1] - wall[0]) * 1000 / n,
                (cpu[1] - cpu[0]) * 1000 / n);
}

// Frames as in Measure while the pointer drags the red lamp's x in the code
// to and fro, 3 pixels (one step) every 16 ms, as a hand would. Another
// process moves the pointer, so that its CPU is not counted as ours.
void MeasureDragging(CAllSheets& sheet, CCodeWindow& w, int ms, Totals& totals)
{
    CCodeView* code = w.CodeView();
    const int pos = code->FindText(0, code->GetLength(), "position[4] = {") + 15;
    code->ScrollToLine(code->LineFromPosition(pos) - 3);
    RunFor(100);
    const wxPoint at = code->ClientToScreen(code->PointFromPosition(pos) + wxPoint(2, code->TextHeight(0) / 2));
    std::string hand = "xdotool mousemove " + std::to_string(at.x) + " " + std::to_string(at.y) + " mousedown 1";
    const int moves = (ms + 600) / 16, step = CCodeView::kPixelsPerStep;
    for (int i = 0; i < moves; ++i)
        hand += (i / 50 % 2 ? " mousemove_relative -- " : " mousemove_relative -- -") + std::to_string(step) + " 0 sleep 0.016";
    std::system((hand + " mouseup 1 &").c_str());
    long paints = 0, area = 0;
    auto counter = [&](wxPaintEvent& e) {
        const wxRect b = code->GetUpdateRegion().GetBox();
        ++paints, area += b.width * b.height;
        e.Skip();
    };
    code->Bind(wxEVT_PAINT, counter);
    const double x0 = sheet.ActivePage()->View()->State().lampPosition[0][0];
    Measure(sheet, ms, totals);
    code->Unbind(wxEVT_PAINT, counter);
    std::printf("  text drawn %ld times, %ld pixels each; lamp x %g to %g\n", paints, paints ? area / paints : 0, x0,
                sheet.ActivePage()->View()->State().lampPosition[0][0]);
    RunFor(300);   // the hand lets go
}

bool DraggingCostsLittle(CAllSheets& sheet, int ms)
{
    sheet.GetBookCtrl()->SetSelection(1);
    Totals closed, dragging;
    for (int round = 0; round < 5; ++round) {
        if (CCodeWindow* w = sheet.CodeWindow())
            w->Close();
        Measure(sheet, ms, closed);
        MeasureDragging(sheet, *sheet.OpenCodeWindow(), ms, dragging);
    }
    const bool met = dragging.MsPerFrame() <= 1.10 * closed.MsPerFrame();
    std::printf("lighting page, closed:   %8.1f frames/s %8.3f CPU ms/frame\n", closed.FramesPerSecond(),
                closed.MsPerFrame());
    std::printf("lighting page, dragging: %8.1f frames/s %8.3f CPU ms/frame (%+.1f %%)\n",
                dragging.FramesPerSecond(), dragging.MsPerFrame(),
                100 * (dragging.MsPerFrame() / closed.MsPerFrame() - 1));
    std::printf("goal (dragging within 10 %% of closed in CPU per frame): %s\n", met ? "met" : "MISSED");
    return met;
}

}

int main(int argc, char** argv)
{
    const double seconds = argc > 1 ? std::atof(argv[1]) : 6.0;
    const bool dragOnly = argc > 2 && std::string(argv[2]) == "drag";
    if (!StartBench(argv, BENCH_LOGO_DIR))
        return 1;

    bool met = true;
    {
        CAllSheets sheet(SheetCaption());
        ShowDemoSheet(sheet);
        const int rounds = 5, ms = static_cast<int>(seconds * 1000 / rounds);
        std::printf("%-22s %16s %16s %16s %16s\n", "page", "closed frames/s", "open frames/s",
                    "closed CPU ms/fr", "open CPU ms/fr");
        for (size_t page = 0; page < (dragOnly ? 0 : 3); ++page) {
            sheet.GetBookCtrl()->SetSelection(page);
            Totals closed, open;
            for (int round = 0; round < rounds; ++round) {
                if (CCodeWindow* w = sheet.CodeWindow())
                    w->Close();   // hidden, as its close box does
                Measure(sheet, ms, closed);
                sheet.OpenCodeWindow();
                Measure(sheet, ms, open);
            }
            std::printf("%-22s %16.1f %16.1f %16.3f %16.3f\n",
                        static_cast<const char*>(sheet.Page(page)->Caption().utf8_str()), closed.FramesPerSecond(),
                        open.FramesPerSecond(), closed.MsPerFrame(), open.MsPerFrame());
            met = met && open.FramesPerSecond() >= 0.95 * closed.FramesPerSecond() &&
                  open.MsPerFrame() <= 1.05 * closed.MsPerFrame();
        }
        std::printf("goal (open within 5 %% of closed in frames/s and CPU per frame): %s\n",
                    met ? "met" : "MISSED");
        sheet.GetBookCtrl()->SetSelection(0);
        CCodeWindow* w = sheet.OpenCodeWindow();
        COpenGLWnd* view = sheet.ActivePage()->View();
        RunFor(500);
        // The lines that change in sight, so that their drawing counts.
        CCodeView* text = w->CodeView();
        text->SetFirstVisibleLine(text->LineFromPosition(text->FindText(0, text->GetLength(), "void DrawScene")));
        if (!dragOnly)
            TimeUpdates("turned (2 angles, 2 x 4 matrix rows)", *w, 200, [view](int i) { view->SetAngles(i, -i); });
        if (!dragOnly)
            TimeUpdates("switched (smoothing, marked)", *w, 200, [view](int i) { view->SetLineSmoothing(i % 2); });
        met = DraggingCostsLittle(sheet, ms) && met;
        sheet.Show(false);
    }
    wxTheApp->OnExit();
    wxEntryCleanup();
    return met ? 0 : 2;
}
