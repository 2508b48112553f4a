// The pixel the student asks about: the frame as shown keeps that pixel's
// colour while a mark appears a few pixels away, the window reports the
// colour the frame has there, and the arrow keys move the pixel.
#include "CLightWnd.h"
#include "ViewTestSupport.h"

#ifdef __WXGTK__
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#endif

#include <array>
#include <map>

namespace {

// Counts the frames windows show.
struct Frames
{
    int count = 0;
    Frames() { COpenGLWnd::ObserveFrames([this](COpenGLWnd&) { ++count; }); }
    ~Frames() { COpenGLWnd::ObserveFrames(nullptr); }
    // Asks for two more frames of w and waits for them: the second is drawn
    // after whatever came before.
    bool Next(COpenGLWnd& w)
    {
        for (int i = 0; i < 2; ++i) {
            const int want = count + 1;
            w.Refresh(false);
            if (!PumpEvents(5000, [&] { return count >= want; }))
                return false;
        }
        return true;
    }
};

#ifdef __WXGTK__
// What the screen shows at pixel (x, y) of w's picture, counted from the
// lower left as glReadPixels counts. From the window itself: wxScreenDC
// gave a frame from before the last swaps.
std::array<int, 3> OnScreen(COpenGLWnd& w, int x, int y)
{
    Display* display = wxGetX11Display();
    XImage* image = XGetImage(display, w.GetXWindow(), x, w.GetClientSize().y - 1 - y, 1, 1, AllPlanes, ZPixmap);
    const unsigned long v = XGetPixel(image, 0, 0);
    XDestroyImage(image);
    return {int(v >> 16 & 0xff), int(v >> 8 & 0xff), int(v & 0xff)};
}

// The pixels near (x, y) and one far off, as the screen shows them.
std::map<std::pair<int, int>, std::array<int, 3>> Around(COpenGLWnd& w, int x, int y)
{
    Settle();   // the last swap has reached the screen
    std::map<std::pair<int, int>, std::array<int, 3>> seen;
    for (int d = -3; d <= 3; ++d)
        for (int e = -3; e <= 3; ++e)
            seen[{d, e}] = OnScreen(w, x + d, y + e);
    seen[{20, 20}] = OnScreen(w, x + 20, y + 20);
    return seen;
}
#endif

std::array<int, 3> At(const std::vector<unsigned char>& rgb, int width, int x, int y)
{
    const unsigned char* p = &rgb[3 * (size_t(y) * width + x)];
    return {p[0], p[1], p[2]};
}

class PixelChoiceTest : public testing::Test
{
protected:
    // The pixel the window reports, against the same frame drawn without a mark.
    std::array<int, 3> Drawn(int x, int y)
    {
        m_w.wnd->DrawScene();
        return At(ReadBackFrame(), m_w.Size().x, x, y);
    }

    Shown<CLightWnd> m_w;
    Frames m_frames;
};

TEST_F(PixelChoiceTest, TheMarkLeavesThePixelAloneAndTheReadBackIsTheFrames)
{
#ifndef __WXGTK__
    GTEST_SKIP() << "the screen is read through X";
#else
    CLightWnd* w = m_w.wnd;
    for (signed char lamp : {kLampRed, kLampGreen, kLampBlue})
        w->SwitchLamp(lamp, 1);
    w->SetAngles(30, -40);
    ASSERT_TRUE(m_frames.Next(*w));
    const int x = m_w.Size().x / 2 - 10, y = m_w.Size().y / 2 + 12;
    const auto plain = Around(*w, x, y);

    int told = 0, chosenTold = 0;
    w->ObservePixel([&](COpenGLWnd&, bool chosen) { ++told, chosenTold += chosen; });
    w->ChoosePixel(x, y);
    ASSERT_TRUE(m_frames.Next(*w));
    EXPECT_FALSE(w->IsAnimating());
    EXPECT_EQ(chosenTold, 1);
    const COpenGLWnd::ChosenPixel& p = w->Pixel();
    ASSERT_TRUE(p.chosen && p.read && p.x == x && p.y == y);
    const auto marked = Around(*w, x, y);
    // The pixel and its ring of two keep the frame's colours; each arm's
    // start is drawn over; far off nothing changed.
    for (int d = -2; d <= 2; ++d)
        for (int e = -2; e <= 2; ++e)
            EXPECT_EQ(marked.at({d, e}), plain.at({d, e})) << d << ", " << e;
    for (auto [dx, dy] : {std::pair(3, 0), std::pair(-3, 0), std::pair(0, 3), std::pair(0, -3)})
        EXPECT_NE(marked.at({dx, dy}), plain.at({dx, dy})) << dx << ", " << dy;
    EXPECT_EQ(marked.at({20, 20}), plain.at({20, 20}));
    const std::array<int, 3> seen{p.seen[0], p.seen[1], p.seen[2]};
    EXPECT_EQ(seen, plain.at({0, 0}));
    EXPECT_EQ(seen, Drawn(x, y));

    // A change of the record is read back in its own frame and told.
    const int before = told;
    w->SwitchLamp(kLampGreen, 0);
    ASSERT_TRUE(m_frames.Next(*w));
    EXPECT_GT(told, before);
    const std::array<int, 3> now{p.seen[0], p.seen[1], p.seen[2]};
    EXPECT_NE(now, seen);
    EXPECT_EQ(now, Drawn(x, y));
    EXPECT_EQ(chosenTold, 1);
#endif
}

// Real keys through the display, with the focus on the picture.
TEST_F(PixelChoiceTest, ArrowKeysMoveThePixelByOneDevicePixel)
{
    CLightWnd* w = m_w.wnd;
    w->SetAngles(0, 0);
    w->ChoosePixel(100, 100);
    int toldX = -1, toldY = -1;
    w->ObservePixel([&](COpenGLWnd& v, bool) { toldX = v.Pixel().x, toldY = v.Pixel().y; });
    w->SetFocus();
    ASSERT_TRUE(PumpEvents(3000, [w] { return w->HasFocus(); }));
    const std::pair<int, std::pair<int, int>> moves[] = {
        {WXK_RIGHT, {101, 100}}, {WXK_UP, {101, 101}}, {WXK_LEFT, {100, 101}}, {WXK_DOWN, {100, 100}}};
    for (const auto& [key, where] : moves) {
        Input().Char(key);
        EXPECT_TRUE(PumpEvents(3000, [&] { return std::pair(toldX, toldY) == where; }))
            << "key " << key << ": told " << toldX << ", " << toldY;
        EXPECT_EQ(std::pair(w->Pixel().x, w->Pixel().y), where);
    }
    // Kept inside the picture.
    w->ChoosePixel(-5, 9999);
    EXPECT_EQ(std::pair(w->Pixel().x, w->Pixel().y), std::pair(0, m_w.Size().y - 1));
}

}
