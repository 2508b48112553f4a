// The OpenGL window's controls: the mouse, its menu and the rendering
// switches; what a user does to it with the window system, and the picture
// after a year of turning.
#include "CCubeWnd.h"
#include "GLFrame.h"
#include "ViewMenu.h"
#include "ViewTestSupport.h"

#include <wx/menu.h>
#include <wx/uiaction.h>

#include <vector>

namespace {

TEST(DragTest, TurnsOneDegreePerPixelUntilTheReleaseEvenOutsideTheWindow)
{
    Shown<CCubeWnd> c;
    CCubeWnd* w = c.wnd;
    w->SetAngles(0, 0);
    const auto turnedBy = [w](double y, double x) {
        return PumpEvents(2000, [=] { return w->State().angleY == y && w->State().angleX == x; });
    };
    const wxPoint at = w->ClientToScreen(wxPoint(100, 100));
    wxUIActionSimulator mouse;
    mouse.MouseMove(at);
    mouse.MouseDown();
    ASSERT_TRUE(PumpEvents(2000, [w] { return w->IsDragging(); }));
    mouse.MouseMove(at + wxPoint(10, 5));
    EXPECT_TRUE(turnedBy(10, 5)) << w->State().angleY << ", " << w->State().angleX;
    mouse.MouseMove(at + wxPoint(-108, 200));   // (-8, 300): outside the window
    EXPECT_TRUE(turnedBy(-108, 200)) << w->State().angleY << ", " << w->State().angleX;
    mouse.MouseUp();
    ASSERT_TRUE(PumpEvents(2000, [w] { return !w->IsDragging(); }));
    EXPECT_FALSE(w->HasCapture());
    EXPECT_FALSE(w->IsAnimating());
    mouse.MouseMove(at);   // moves without a press change nothing
    PumpEvents(100);
    EXPECT_TRUE(turnedBy(-108, 200));

    // Losing the mouse capture ends a drag too.
    wxMouseEvent press(wxEVT_LEFT_DOWN), move(wxEVT_MOTION);
    wxMouseCaptureLostEvent lost(w->GetId());
    move.SetPosition(wxPoint(120, 120));
    for (wxEvent* e : std::initializer_list<wxEvent*>{&press, &lost, &move})
        w->ProcessWindowEvent(*e);
    EXPECT_FALSE(w->IsDragging());
    EXPECT_TRUE(turnedBy(-108, 200));
}

TEST(MenuTest, BuiltFromTheResourceItsItemsRotateAndScaleInSinglePrecision)
{
    std::unique_ptr<wxMenu> menu(CreateViewPopupMenu());
    const wxMenu* size = menu->FindItemByPosition(1)->GetSubMenu();
    ASSERT_TRUE(menu->GetMenuItemCount() == 2 && size && size->GetMenuItemCount() == 2);
    const wxMenuItem *rotate = menu->FindItemByPosition(0), *increase = size->FindItemByPosition(0),
                     *decrease = size->FindItemByPosition(1);
    EXPECT_EQ(std::vector<wxString>({rotate->GetItemLabel(), menu->FindItemByPosition(1)->GetItemLabel(),
                                     increase->GetItemLabelText(), decrease->GetItemLabelText()}),
              std::vector<wxString>({"&Rotate", "&Size", "Increase", "Decrease"}));
    // Opened from the keyboard (no pointer position): 5 pixels into the window.
    EXPECT_EQ(ViewMenuPosition(wxDefaultPosition, wxPoint(300, 200)), wxPoint(305, 205));
    EXPECT_EQ(ViewMenuPosition(wxPoint(340, 260), wxPoint(300, 200)), wxPoint(340, 260));

    Shown<CCubeWnd> c;
    CCubeWnd* w = c.wnd;
    const auto choose = [w](const wxMenuItem* item, int times = 1) {
        for (wxCommandEvent e(wxEVT_MENU, item->GetId()); times-- > 0;)
            w->ProcessWindowEvent(e);
    };
    w->SetAngles(0, 0);
    choose(rotate);
    EXPECT_TRUE(w->IsAnimating());
    choose(increase);
    choose(decrease);
    EXPECT_EQ(w->State().scaleX, 1.0f);
    choose(increase, 5);
    choose(decrease, 5);   // 1.1f and 0.9090909f are not exact inverses
    EXPECT_EQ(std::vector<float>({w->State().scaleX, w->State().scaleY, w->State().scaleZ}),
              std::vector<float>(3, 0.99999988f));
}

TEST(SwitchTest, SmoothingAndSizeLeaveTheAskedState)
{
    int paints = 0;   // declared before the window, which counts into it
    Shown<COpenGLWnd> c;
    ASSERT_TRUE(c.wnd->IsContextCurrent());
    for (bool on : {true, false}) {
        c.wnd->SetLineSmoothing(on);
        GLfloat width = 0;
        glGetFloatv(GL_LINE_WIDTH, &width);
        EXPECT_EQ(bool(glIsEnabled(GL_LINE_SMOOTH)), on);
        EXPECT_EQ(bool(glIsEnabled(GL_BLEND)), on);
        EXPECT_EQ(width, (on ? 1.5f : 1.0f) * c.wnd->State().pixelScale);
    }

    // Scaling by steps in direction 0 does nothing, not even a repaint.
    c.Draw();
    c.wnd->Bind(wxEVT_PAINT, [&paints](wxPaintEvent& e) { ++paints, e.Skip(); });
    PumpEvents(200);
    paints = 0;
    c.wnd->ScaleBySteps(4, 0);
    PumpEvents(200);
    EXPECT_EQ(paints, 0);
    EXPECT_EQ(c.wnd->State().scaleX, 1.0f);
    c.wnd->ScaleBySteps(2, 2);
    EXPECT_TRUE(PumpEvents(2000, [&paints] { return paints > 0; }));
    EXPECT_FLOAT_EQ(c.wnd->State().scaleZ, 1.21f);
}

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
