// The colour a pixel is worked out to have, against the frame OpenGL drew,
// on each page in states that switch each stage; and the texture's settings
// as they show on the cube.
#include "CCubeWnd.h"
#include "CLightWnd.h"
#include "CTexWnd.h"
#include "PixelWorking.h"
#include "RgbImage.h"
#include "TextureTables.h"
#include "ViewTestSupport.h"

#include <wx/image.h>

#include <functional>
#include <set>

namespace {

using Change = std::function<void(ViewState&)>;

// Every 5th pixel of the frame of s away from edges and lines: how many
// were compared, and the first whose worked-out colour is more than
// tolerance off, described.
template <class W>
std::string Disagreement(Shown<W>& w, const ViewState& want, const PixelTexture& texture, int tolerance, int& compared)
{
    w.wnd->SetRecord(want, 0);
    w.Draw(want.angleX, want.angleY);
    const ViewState& s = w.wnd->State();
    const std::vector<unsigned char> frame = ReadBackFrame();
    for (int y = 2; y < s.height; y += 5)
        for (int x = 2; x < s.width; x += 5) {
            const PixelWorking p = WorkOutPixel(w.wnd->Kind(), s, texture, x, y);
            const unsigned char* seen = &frame[3 * (size_t(y) * s.width + x)];
            if (p.onEdge)
                continue;
            ++compared;
            for (int c = 0; c < 3; ++c)
                if (std::abs(p.bytes[c] - seen[c]) > tolerance)
                    return "pixel (" + std::to_string(x) + ", " + std::to_string(y) + ") worked out " +
                           std::to_string(p.bytes[0]) + " " + std::to_string(p.bytes[1]) + " " +
                           std::to_string(p.bytes[2]) + ", drawn " + std::to_string(seen[0]) + " " +
                           std::to_string(seen[1]) + " " + std::to_string(seen[2]);
        }
    return "";
}

template <class W>
void Agrees(const std::vector<std::pair<const char*, Change>>& cases, int tolerance, bool picture = false)
{
    Shown<W> w;
    PixelTexture texture;
    if (const RgbImage* image = picture ? dynamic_cast<CTexWnd*>(w.wnd)->Image() : nullptr)
        texture = {image->width, image->height, image->pixels};
    for (const auto& [name, change] : cases) {
        ViewState s = w.wnd->State();
        s.angleX = 25, s.angleY = -35;
        change(s);
        int compared = 0;
        EXPECT_EQ(Disagreement(w, s, texture, tolerance, compared), "") << name;
        EXPECT_GT(compared, 1000) << name;
    }
}

TEST(PixelAgreementTest, WorkedOutColoursAreTheDrawnOnesOnEachPage)
{
    Agrees<CCubeWnd>({{"wire", [](ViewState&) {}}, {"filled", [](ViewState& s) { s.filled = true; }}}, 0);
    Agrees<CLightWnd>({{"lamps", [](ViewState& s) { s.lamp = {true, true, true}; }},
                       {"fog, perspective", [](ViewState& s) { s.lamp = {true, false, true}, s.fog = true,
                                                                s.fogDensity = 0.15f, s.perspective = true; }},
                       {"moved lamp, dull", [](ViewState& s) { s.lamp[1] = true, s.lampPosition[1] = {-5, 2, 9, 1},
                                                                s.shininess = 5; }}},
                      1);
}

TEST(PixelAgreementTest, EachTextureSettingIsDrawnAsWorkedOut)
{
    ScratchDir dir;
    std::filesystem::copy_file(SAMPLES_SOURCE_LOGO, "logo.bmp");
    Agrees<CTexWnd>({{"as it starts", [](ViewState&) {}},
                     {"nearest", [](ViewState& s) { s.minFilter = s.magFilter = kNearest.glEnum; }},
                     {"repeat to 2", [](ViewState& s) { s.texTo = {2, 2}, s.texFrom = {0, -0.5f}; }},
                     {"clamp t", [](ViewState& s) { s.texTo = {2, 2}, s.wrapT = kClamp.glEnum; }},
                     {"clamp s", [](ViewState& s) { s.texTo = {2, 2}, s.wrapS = kClamp.glEnum; }},
                     {"decal", [](ViewState& s) { s.envMode = kDecal.glEnum; }},
                     {"blend", [](ViewState& s) { s.envMode = kBlendMode.glEnum, s.envColour = {1, 0.5f, 0, 1}; }}},
                    3, true);
}

}
