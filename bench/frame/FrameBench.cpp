// Frame cost of each page's OpenGL window while its 10 ms timer runs, against
// a bare canvas on the same timer that only clears and swaps. Prints timer
// ticks and drawn frames per second, the process's CPU time (all threads,
// llvmpipe's included; the X server's not) per drawn frame, and its ratio to
// the bare canvas's. Argument: seconds per window, 6 by default.
#include "CCubeWnd.h"
#include "PacedTimer.h"
#include "CLightWnd.h"
#include "CTexWnd.h"

#include "BenchLoop.h"

#include <wx/app.h>
#include <wx/dcclient.h>
#include <wx/evtloop.h>
#include <wx/filefn.h>
#include <wx/frame.h>
#include <wx/glcanvas.h>
#include <wx/init.h>
#include <wx/panel.h>
#include <wx/stopwatch.h>
#include <wx/timer.h>

#include <GL/gl.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace {

struct Counts
{
    long ticks = 0;
    long frames = 0;
};

// A scene window with counters on the side: the handlers run unchanged after them.
template <class W>
class Counted : public W
{
public:
    explicit Counted(wxWindow* parent) : W(parent)
    {
        this->Bind(wxEVT_TIMER, [this](wxTimerEvent& e) {
            ++counts.ticks;
            e.Skip();
        });
        this->Bind(wxEVT_PAINT, [this](wxPaintEvent& e) {
            if (this->IsContextCurrent())
                ++counts.frames;
            e.Skip();
        });
    }

    Counts counts;
};

// The least a timer-driven GL window can do: clear and swap.
class BareCanvas : public wxGLCanvas
{
public:
    explicit BareCanvas(wxWindow* parent)
        : wxGLCanvas(parent, Attributes(), wxID_ANY, wxPoint(10, 10), wxSize(255, 255),
                     wxBORDER_SUNKEN)
    {
        m_timer.SetOwner(this);
        Bind(wxEVT_TIMER, [this](wxTimerEvent&) {
            ++counts.ticks;
            Refresh(false);
        });
        Bind(wxEVT_PAINT, &BareCanvas::OnPaint, this);
        m_timer.StartPaced(10);
    }

    Counts counts;

private:
    static wxGLAttributes Attributes()
    {
        wxGLAttributes attrs;
        attrs.PlatformDefaults().RGBA().MinRGBA(8, 8, 8, 0).DoubleBuffer().Depth(24).Stencil(8).EndList();
        return attrs;
    }

    void OnPaint(wxPaintEvent&)
    {
        wxPaintDC dc(this);
        if (!m_rc) {
            m_rc = std::make_unique<wxGLContext>(this);
            m_rc->SetCurrent(*this);
            glClearColor(0.24f, 0.37f, 0.49f, 1.0f);
        }
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        SwapBuffers();
        ++counts.frames;
    }

    std::unique_ptr<wxGLContext> m_rc;
    PacedTimer m_timer;
};

struct Totals
{
    double seconds = 0, cpu = 0;
    long ticks = 0, frames = 0;
};

// make puts the window into its parent and returns its counters.
using Maker = std::function<Counts*(wxWindow*)>;

// One window for the given time, after its set-up and first frames.
void Measure(const std::string& name, const Maker& make, double seconds, Totals& totals)
{
    auto* frame = new wxFrame(nullptr, wxID_ANY, name, wxPoint(40, 40), wxSize(320, 320));
    Counts* counts = make(new wxPanel(frame));
    frame->Show();
    RunFor(500);

    *counts = Counts{};
    const double cpu0 = CpuSeconds();
    wxStopWatch wall;
    RunFor(static_cast<int>(seconds * 1000));
    totals.seconds += wall.TimeInMicro().ToDouble() * 1e-6;
    totals.cpu += CpuSeconds() - cpu0;
    totals.ticks += counts->ticks;
    totals.frames += counts->frames;

    frame->Destroy();
    RunFor(100);
}

template <class W>
std::function<Counts*(wxWindow*)> Scene()
{
    return [](wxWindow* parent) {
        auto* wnd = new Counted<W>(parent);
        wnd->Activate();
        return &wnd->counts;
    };
}

}

int main(int argc, char** argv)
{
    const double seconds = argc > 1 ? std::atof(argv[1]) : 6.0;   // per window, in all rounds
    if (!StartBench(argv, BENCH_LOGO_DIR))
        return 1;

    struct Subject
    {
        std::string name;
        Maker make;
        Totals totals;
        std::vector<double> msPerFrame;   // one per round
    };
    std::vector<Subject> subjects;
    subjects.push_back({"bare clear+swap",
                        [](wxWindow* parent) { return &(new BareCanvas(parent))->counts; }, {}, {}});
    subjects.push_back({"CCubeWnd", Scene<CCubeWnd>(), {}, {}});
    subjects.push_back({"CLightWnd", Scene<CLightWnd>(), {}, {}});
    subjects.push_back({"CTexWnd", Scene<CTexWnd>(), {}, {}});

    const auto msPerFrame = [](const Totals& t) { return t.frames ? t.cpu * 1000.0 / t.frames : 0.0; };
    // Interleaved rounds, each compared with the bare canvas of the same
    // round: the machine's load changes from second to second.
    const int rounds = 5;
    for (int round = 0; round < rounds; ++round)
        for (Subject& s : subjects) {
            Totals t;
            Measure(s.name, s.make, seconds / rounds, t);
            s.totals.seconds += t.seconds;
            s.totals.cpu += t.cpu;
            s.totals.ticks += t.ticks;
            s.totals.frames += t.frames;
            s.msPerFrame.push_back(msPerFrame(t));
        }

    std::printf("%-16s %9s %9s %13s %17s\n", "window", "ticks/s", "frames/s", "CPU ms/frame",
                "vs bare (range)");
    bool met = true;
    for (const Subject& s : subjects) {
        const Totals& t = s.totals;
        const double ticks = t.ticks / t.seconds, frames = t.frames / t.seconds;
        std::vector<double> ratios;
        for (int r = 0; r < rounds; ++r)
            ratios.push_back(s.msPerFrame[r] / subjects.front().msPerFrame[r]);
        std::sort(ratios.begin(), ratios.end());
        const double median = ratios[rounds / 2];
        std::printf("%-16s %9.1f %9.1f %13.3f %6.2f (%.2f-%.2f)\n", s.name.c_str(), ticks, frames,
                    msPerFrame(t), median, ratios.front(), ratios.back());
        if (&s != &subjects.front())
            met = met && ticks >= 95 && frames >= 58 && median <= 1.5;
    }
    std::printf("goals (ticks/s >= 95, frames/s >= 58 at a 60 Hz frame clock, "
                "median CPU/frame <= 1.5 x bare): %s\n", met ? "met" : "MISSED");

    wxTheApp->OnExit();
    wxEntryCleanup();
    return met ? 0 : 2;
}
