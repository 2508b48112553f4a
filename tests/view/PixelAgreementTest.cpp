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

// A picture of four plain quadrants on the cube in GL_REPLACE (the texel as
// it is): pixels inside the faces that show a colour not in the picture.
int ForeignColours(Shown<CTexWnd>& w, const ViewState& want, const Rgb (&quadrant)[4], double& maxS)
{
    w.wnd->SetRecord(want, 0);
    w.Draw(want.angleX, want.angleY);
    const ViewState& s = w.wnd->State();
    const std::vector<unsigned char> frame = ReadBackFrame();
    const RgbImage* picture = w.wnd->Image();
    const PixelTexture texture{picture->width, picture->height, picture->pixels};
    int foreign = 0;
    maxS = 0;
    for (int y = 0; y < s.height; y += 3)
        for (int x = 0; x < s.width; x += 3) {
            const PixelWorking p = WorkOutPixel(SceneKind::TexCube, s, texture, x, y);
            if (p.subject != PixelSubject::Face || p.onEdge)
                continue;
            maxS = std::max(maxS, p.texture.s);
            const unsigned char* c = &frame[3 * (size_t(y) * s.width + x)];
            const Rgb seen{c[0], c[1], c[2]};
            foreign += std::none_of(quadrant, quadrant + 4, [&](const Rgb& q) { return Near(seen, q, 0); });
        }
    return foreign;
}

TEST(PixelAgreementTest, NearestShowsOnlyThePicturesColoursAndRepeatTilesIt)
{
    ScratchDir dir;
    const Rgb quadrant[4] = {{200, 30, 30}, {30, 200, 30}, {30, 30, 200}, {220, 220, 40}};
    wxImage image(8, 8);
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x) {
            const Rgb& q = quadrant[(y / 4) * 2 + x / 4];
            image.SetRGB(x, 7 - y, q.r, q.g, q.b);
        }
    ASSERT_TRUE(image.SaveFile("logo.bmp", wxBITMAP_TYPE_BMP));
    Shown<CTexWnd> w;
    ViewState s = w.wnd->State();
    s.envMode = kReplace.glEnum, s.angleX = 20, s.angleY = 30;
    s.scaleX = s.scaleY = s.scaleZ = 1.5f;   // large: each texel many pixels wide
    double maxS = 0;
    EXPECT_GT(ForeignColours(w, s, quadrant, maxS), 20) << "GL_LINEAR mixes neighbouring texels";
    s.minFilter = s.magFilter = kNearest.glEnum;
    EXPECT_EQ(ForeignColours(w, s, quadrant, maxS), 0) << "GL_NEAREST takes one texel as it is";
    // Coordinates to 2 with GL_REPEAT: each face shows the picture twice each way.
    s.texTo = {2, 2};
    EXPECT_EQ(ForeignColours(w, s, quadrant, maxS), 0);
    EXPECT_GT(maxS, 1.8);
    int agree = 0;   // and every tile in its place
    EXPECT_EQ(Disagreement(w, s, PixelTexture{8, 8, w.wnd->Image()->pixels}, 0, agree), "");
}

}
