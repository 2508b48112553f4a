// How near the worked-out colour of a pixel comes to what OpenGL drew: each
// page's window, in random states (lamps, fog and its density, both
// projections, sizes, angles, edited colours, positions and shininess), at
// random pixels. Prints per page the share of pixels inside faces (1.5 px
// from any edge or line) whose worked-out colour equals the read-back in
// every channel, is within 1 and within 3 levels, and the worst case with its
// state; pixels near an edge or line are counted apart.
// Arguments: states per page (60 by default), pixels per state (400).
#include "CCubeWnd.h"
#include "CLightWnd.h"
#include "CTexWnd.h"
#include "GLFrame.h"
#include "PixelWorking.h"
#include "RgbImage.h"
#include "TextureTables.h"

#include "../frame/BenchLoop.h"

#include <wx/frame.h>
#include <wx/panel.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

namespace {

struct Tally
{
    long pixels = 0, exact = 0, within1 = 0, within3 = 0;
    int worst = -1;
    std::string worstCase;
    void Add(int difference, const std::string& what)
    {
        ++pixels;
        exact += difference == 0, within1 += difference <= 1, within3 += difference <= 3;
        if (difference > worst)
            worst = difference, worstCase = what;
    }
    void Print(const char* name) const
    {
        const double n = pixels ? double(pixels) : 1;
        std::printf("  %-9s %6ld pixels: exact %6.2f %%, within 1 %6.2f %%, within 3 %6.2f %%, worst %d\n", name,
                    pixels, 100 * exact / n, 100 * within1 / n, 100 * within3 / n, worst);
        if (worst > 0)
            std::printf("            worst: %s\n", worstCase.c_str());
    }
};

float Uniform(std::mt19937& r, double low, double high)
{
    return float(std::uniform_real_distribution<double>(low, high)(r));
}

// A random state of the page's record, with its window's viewport.
ViewState RandomState(std::mt19937& r, const ViewState& start, bool lit)
{
    ViewState s = start;
    s.angleX = Uniform(r, 0, 360), s.angleY = Uniform(r, 0, 360);
    s.perspective = r() % 2;
    const float size = Uniform(r, 0.4, 1.4);
    s.scaleX = s.scaleY = s.scaleZ = size;
    if (!lit)
        return s;
    for (int i = 0; i < 3; ++i) {
        s.lamp[i] = r() % 3 != 0;
        for (int c = 0; c < 3; ++c) {
            if (r() % 4 == 0)
                s.lampDiffuse[i][c] = Uniform(r, 0, 1);
            if (r() % 4 == 0)
                s.lampSpecular[i][c] = Uniform(r, 0, 1);
            if (r() % 4 == 0)
                s.lampPosition[i][c] = Uniform(r, -60, 60);
        }
    }
    s.fog = r() % 2;
    s.fogDensity = Uniform(r, 0, 0.3);
    for (int c = 0; c < 3; ++c)
        if (r() % 4 == 0)
            s.fogColour[c] = Uniform(r, 0, 1);
    if (r() % 2)
        s.shininess = Uniform(r, 1, 128);
    if (!s.whiteLamp)
        return s;
    // The texture's own settings, half the time each.
    const int filters = std::getenv("PIXEL_BENCH_NO_MIPMAPS") ? 2 : 6;
    if (r() % 2)
        s.minFilter = kFilters[r() % filters].glEnum, s.magFilter = kFilters[r() % 2].glEnum;
    if (r() % 2)
        s.wrapS = kWraps[r() % 2].glEnum, s.wrapT = kWraps[r() % 2].glEnum;
    if (r() % 2)
        s.envMode = kEnvModes[r() % 4].glEnum, s.envColour = {Uniform(r, 0, 1), Uniform(r, 0, 1), Uniform(r, 0, 1), 1};
    if (r() % 2)
        s.texFrom = {Uniform(r, -1, 1), Uniform(r, -1, 1)}, s.texTo = {Uniform(r, -2, 3), Uniform(r, -2, 3)};
    return s;
}

std::string Describe(const ViewState& s, const PixelWorking& p, const unsigned char* seen)
{
    char text[768];
    std::snprintf(text, sizeof text,
                  "pixel (%d, %d) face %d tri %d: worked %d %d %d, read %d %d %d; angles %.3f %.3f, %s, "
                  "size %.3f, lamps %d%d%d%d, fog %d density %.4f, shininess %.2f, filters %x %x, wraps %x %x, "
                  "env %x, s %.3f..%.3f, t %.3f..%.3f",
                  p.x, p.y, p.face, p.triangle, p.bytes[0], p.bytes[1], p.bytes[2], seen[0], seen[1], seen[2],
                  s.angleX, s.angleY, s.perspective ? "perspective" : "box", double(s.scaleX), s.lamp[0],
                  s.lamp[1], s.lamp[2], s.whiteLamp, s.fog, double(s.fogDensity), double(s.shininess), s.minFilter,
                  s.magFilter, s.wrapS, s.wrapT, s.envMode, double(s.texFrom[0]), double(s.texTo[0]),
                  double(s.texFrom[1]), double(s.texTo[1]));
    return text;
}

void Sweep(COpenGLWnd* wnd, SceneKind kind, const PixelTexture& texture, const char* name, int states, int pixels)
{
    std::mt19937 r(20261209u + unsigned(kind));
    Tally inside, edges;
    std::vector<unsigned char> rgb;
    const ViewState start = wnd->State();
    for (int n = 0; n < states; ++n) {
        const ViewState want = RandomState(r, start, kind != SceneKind::WireCube);
        wnd->SetRecord(want, 0);
        wnd->SetAngles(want.angleX, want.angleY);
        const ViewState& s = wnd->State();
        wnd->DrawScene();
        rgb.resize(size_t(s.width) * s.height * 3);
        glframe::ReadBackBuffer(s.width, s.height, rgb.data());
        for (int i = 0; i < pixels; ++i) {
            const int x = int(r() % unsigned(s.width)), y = int(r() % unsigned(s.height));
            const PixelWorking p = WorkOutPixel(kind, s, texture, x, y);
            const unsigned char* seen = &rgb[3 * (size_t(y) * s.width + x)];
            int difference = 0;
            for (int c = 0; c < 3; ++c)
                difference = std::max(difference, std::abs(p.bytes[c] - seen[c]));
            (p.onEdge ? edges : inside).Add(difference, Describe(s, p, seen));
        }
    }
    std::printf("%s (%d states, %d pixels each)\n", name, states, pixels);
    inside.Print("inside");
    edges.Print("near edge");
}

template <class W>
W* ShowWindow(wxFrame*& frame)
{
    frame = new wxFrame(nullptr, wxID_ANY, "pixel bench", wxPoint(20, 20), wxSize(360, 330));
    W* wnd = new W(new wxPanel(frame));
    frame->Show();
    for (int i = 0; i < 200 && !wnd->IsSetUp(); ++i)
        RunFor(50);
    wnd->Activate();
    return wnd;
}

}

int main(int argc, char** argv)
{
    const int states = argc > 1 ? std::max(1, std::atoi(argv[1])) : 60;
    const int pixels = argc > 2 ? std::max(1, std::atoi(argv[2])) : 400;
    if (!StartBench(argv, BENCH_LOGO_DIR))
        return 1;
    wxFrame* frame = nullptr;
    Sweep(ShowWindow<CCubeWnd>(frame), SceneKind::WireCube, {}, "lines", states, pixels);
    frame->Destroy();
    Sweep(ShowWindow<CLightWnd>(frame), SceneKind::LitCube, {}, "lighting", states, pixels);
    frame->Destroy();
    CTexWnd* tex = ShowWindow<CTexWnd>(frame);
    const RgbImage* image = tex->Image();
    const PixelTexture picture = image ? PixelTexture{image->width, image->height, image->pixels} : PixelTexture{};
    Sweep(tex, SceneKind::TexCube, picture, "texture", states, pixels);
    frame->Destroy();
    wxEntryCleanup();
    return 0;
}
