// Shared by the sheet benchmarks: the shown page's drawn frames, wall time
// and CPU time over a stretch of the event loop.
#pragma once

#include "BenchLoop.h"
#include "CAllSheets.h"
#include "COpenGLWnd.h"
#include "CPageFrame.h"

#include <wx/stopwatch.h>

#include <functional>

struct Totals
{
    double seconds = 0, cpu = 0;
    long frames = 0, others = 0;   // the page's frames; what `counter` counted meanwhile
    double PerSecond(long n) const { return n / seconds; }
    double FramesPerSecond() const { return PerSecond(frames); }
    double MsPerFrame() const { return frames ? cpu * 1000 / frames : 0; }
};

// The shown page's frames for ms milliseconds, after a settling half second;
// counter, when given, is read before and after (another window's frames).
inline void Measure(CAllSheets& sheet, int ms, Totals& totals, const std::function<long()>& counter = {})
{
    RunFor(500);
    long frames = 0;
    COpenGLWnd* view = sheet.ActivePage()->View();
    auto count = [&frames, view](wxPaintEvent& e) {
        frames += view->IsContextCurrent();
        e.Skip();
    };
    view->Bind(wxEVT_PAINT, count);
    const long others0 = counter ? counter() : 0;
    const double cpu0 = CpuSeconds();
    wxStopWatch wall;
    RunFor(ms);
    totals.seconds += wall.TimeInMicro().ToDouble() * 1e-6;
    totals.cpu += CpuSeconds() - cpu0;
    totals.frames += frames;
    totals.others += counter ? counter() - others0 : 0;
    view->Unbind(wxEVT_PAINT, count);
}
