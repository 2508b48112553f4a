// What a page's first show costs now that it is built then: the time from a
// tab change to the first frame of the new page's window, for the first show
// of pages 2 and 3 (building the page, then its OpenGL set-up) and for later
// shows of the same pages (a hand-over only). Each round is a new sheet; the
// medians are printed. Argument: rounds, 12 by default.
#include "CAllSheets.h"
#include "COpenGLWnd.h"
#include "CPageFrame.h"

#include "BenchLoop.h"

#include <wx/bookctrl.h>
#include <wx/stopwatch.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

// Milliseconds from selecting page to its window's first frame after that.
double TimeToFirstFrame(CAllSheets& sheet, size_t page)
{
    wxGUIEventLoop loop;
    wxEventLoopActivator active(&loop);
    COpenGLWnd* target = nullptr;
    COpenGLWnd::ObserveFrames([&](COpenGLWnd& w) {
        if (&w == target)
            loop.Exit();
    });
    wxTimer giveUp;
    giveUp.Bind(wxEVT_TIMER, [&loop](wxTimerEvent&) { loop.Exit(); });
    giveUp.StartOnce(10000);
    wxStopWatch clock;
    sheet.GetBookCtrl()->SetSelection(page);
    target = sheet.Page(page)->View();
    loop.Run();
    const double ms = clock.TimeInMicro().ToDouble() / 1000;
    COpenGLWnd::ObserveFrames(nullptr);
    return ms;
}

double Median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

}

int main(int argc, char** argv)
{
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 12;
    if (!StartBench(argv, BENCH_LOGO_DIR))
        return 1;
    std::vector<double> first[3], later[3];
    for (int round = 0; round <= rounds; ++round) {   // round 0 warms up
        CAllSheets sheet("first show bench");
        sheet.Show();
        TimeToFirstFrame(sheet, 0);
        for (size_t page : {1u, 2u}) {
            const double ms = TimeToFirstFrame(sheet, page);
            if (round > 0)
                first[page].push_back(ms);
        }
        for (size_t page : {0u, 1u, 2u}) {
            const double ms = TimeToFirstFrame(sheet, page);
            if (round > 0)
                later[page].push_back(ms);
        }
        sheet.Show(false);
    }
    std::printf("tab change to the page's first frame, median of %d rounds:\n", rounds);
    for (size_t page : {1u, 2u})
        std::printf("page %zu: first show %6.1f ms, later shows %6.1f ms\n", page + 1, Median(first[page]),
                    Median(later[page]));
    std::printf("page 1: later shows %6.1f ms\n", Median(later[0]));
    wxTheApp->OnExit();
    wxEntryCleanup();
    return 0;
}
