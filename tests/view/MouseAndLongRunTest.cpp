// What a user does to one window with the mouse and the window system, and
// the picture after a year of turning.
#include "CCubeWnd.h"
#include "GLFrame.h"
#include "ViewTestSupport.h"

#include <wx/uiaction.h>

#include <vector>

namespace {

TEST(MouseTest, DoubleClickAndTheMenusRotateRestartTheTurning)
{
    Shown<CCubeWnd> c;
    CCubeWnd* w = c.wnd;
    w->SetAngles(0, 0);
    ClickOn(w, wxPoint(120, 120), wxMOUSE_BTN_LEFT, true);
    EXPECT_TRUE(PumpEvents(2000, [w] { return w->IsAnimating() && w->State().angleY < 0; }))
        << "a double-click left it standing";

    // The menu opens in its own loop: pick its first item, Rotate, from the keyboard.
    w->SetAngles(0, 0);
    wxTimer pick;
    pick.Bind(wxEVT_TIMER, [](wxTimerEvent&) { wxUIActionSimulator keys; keys.Char(WXK_DOWN), keys.Char(WXK_RETURN); });
    pick.StartOnce(400);
    ClickOn(w, wxPoint(120, 120), wxMOUSE_BTN_RIGHT);
    EXPECT_TRUE(PumpEvents(3000, [w] { return w->IsAnimating(); })) << "no menu, or Rotate did not restart it";
}

// A real size change keeps the perspective projection, at the new aspect.
TEST(SizeTest, ResizingKeepsThePerspectiveProjection)
{
    Shown<COpenGLWnd> f;
    f.wnd->SetProjection(kPerspective);
    const int width = f.wnd->State().width;
    f.wnd->SetSize(300, 200);
    ASSERT_TRUE(PumpEvents(2000, [&f, width] { return f.wnd->State().width != width; })) << "no size event";
    const wxSize client = f.wnd->GetClientSize();
    EXPECT_NEAR(f.wnd->State().aspect, double(client.x) / client.y, 1e-9);
    EXPECT_TRUE(glframe::ReadContextState(f.wnd->State()).perspective) << "the size change put the box back";
    f.Draw();
    EXPECT_TRUE(f.Shows(f.Centre(), kRed)) << "the axes' origin left the centre";
}

std::vector<unsigned char> Frame(Shown<CCubeWnd>& c, double ax, double ay)
{
    c.Draw(ax, ay);
    return ReadBackFrame();
}

// After a year of ticks at 100 a second the angles are in the billions; each
// tick still turns the cube by 3 and 2 degrees, as it does near zero.
TEST(LongRunTest, AfterAYearEachTickStillTurnsByThreeAndTwoDegrees)
{
    Shown<CCubeWnd> c;
    const double ticks = 100.0 * 3600 * 24 * 365;
    for (double n : {ticks, ticks + 1, ticks + 2}) {
        const double ax = -2 * n, ay = -3 * n;
        EXPECT_TRUE(Frame(c, ax, ay) == Frame(c, std::fmod(ax, 360), std::fmod(ay, 360))) << "tick " << n;
    }
    EXPECT_FALSE(Frame(c, -2 * ticks, -3 * ticks) == Frame(c, -2 * (ticks + 1), -3 * (ticks + 1)))
        << "a tick did not move the cube";
}

}
