#include "CCubeWnd.h"
#include "ResourceIds.h"
#include "ViewMenu.h"
#include "ViewTestSupport.h"

#include <GL/gl.h>
#include <wx/menu.h>
#include <wx/uiaction.h>

namespace {

using Cube = ShownWindow<CCubeWnd>;

void Send(wxWindow* w, wxEventType type, int x = 0, int y = 0)
{
    wxMouseEvent e(type);
    e.SetPosition(wxPoint(x, y));
    e.SetEventObject(w);
    w->ProcessWindowEvent(e);
}

void Command(wxWindow* w, int id)
{
    wxCommandEvent e(wxEVT_MENU, ViewMenuItemId(id));
    e.SetEventObject(w);
    w->ProcessWindowEvent(e);
}

TEST(TimerTest, EachTickTurnsAndTheAnglesNeverWrap)
{
    // A window never shown: its own timer does not run, only these ticks.
    wxFrame* frame = new wxFrame(nullptr, wxID_ANY, "view test");
    auto* wnd = new CCubeWnd(frame);
    wxTimer timer;
    wxTimerEvent tick(timer);
    wnd->ProcessWindowEvent(tick);
    EXPECT_EQ(wnd->AngleY(), -3.0);
    EXPECT_EQ(wnd->AngleX(), -2.0);
    for (int i = 1; i < 180; ++i)
        wnd->ProcessWindowEvent(tick);
    EXPECT_EQ(wnd->AngleY(), -540.0);
    EXPECT_EQ(wnd->AngleX(), -360.0);
    frame->Destroy();
}

TEST(TimerTest, StartedAndStoppedByPressDoubleClickRotateAndHandOver)
{
    Cube c;
    CCubeWnd* w = c.wnd;
    EXPECT_TRUE(w->IsAnimating());
    Send(w, wxEVT_LEFT_DOWN, 50, 50);
    EXPECT_FALSE(w->IsAnimating());
    Send(w, wxEVT_LEFT_UP, 50, 50);
    EXPECT_FALSE(w->IsAnimating());
    Send(w, wxEVT_LEFT_DCLICK, 50, 50);
    EXPECT_TRUE(w->IsAnimating());
    Send(w, wxEVT_LEFT_UP, 50, 50);
    w->SetAngles(0, 0);
    Command(w, ID_VIEW_ROTATE);
    EXPECT_TRUE(w->IsAnimating());
    w->Deactivate();
    EXPECT_FALSE(w->IsAnimating());
    w->Activate();
    EXPECT_TRUE(w->IsAnimating());
    // It really ticks.
    const double before = w->AngleY();
    EXPECT_TRUE(PumpEvents(2000, [&] { return w->AngleY() <= before - 6.0; }));
}

TEST(DragTest, TurnsOneDegreePerPixelUntilTheRelease)
{
    Cube c;
    CCubeWnd* w = c.wnd;
    w->SetAngles(0, 0);
    Send(w, wxEVT_MOTION, 10, 10);   // no press yet
    EXPECT_EQ(w->AngleY(), 0.0);
    EXPECT_EQ(w->AngleX(), 0.0);

    Send(w, wxEVT_LEFT_DOWN, 100, 100);
    EXPECT_TRUE(w->IsDragging());
    Send(w, wxEVT_MOTION, 104, 102);
    Send(w, wxEVT_MOTION, 110, 105);   // 10 right, 5 down in all
    EXPECT_EQ(w->AngleY(), 10.0);
    EXPECT_EQ(w->AngleX(), 5.0);
    Send(w, wxEVT_MOTION, 100, 100);
    EXPECT_EQ(w->AngleY(), 0.0);
    Send(w, wxEVT_MOTION, 110, 105);
    Send(w, wxEVT_LEFT_UP, 110, 105);
    EXPECT_FALSE(w->IsDragging());
    EXPECT_FALSE(w->IsAnimating());

    Send(w, wxEVT_MOTION, 150, 150);
    EXPECT_EQ(w->AngleY(), 10.0);
    EXPECT_EQ(w->AngleX(), 5.0);
}

TEST(DragTest, ReleaseOutsideTheWindowEndsTheDrag)
{
    Cube c;
    CCubeWnd* w = c.wnd;
    w->SetAngles(0, 0);
    const wxPoint inside = w->ClientToScreen(wxPoint(100, 100));
    const wxPoint outside = w->ClientToScreen(wxPoint(-8, 300));
    wxUIActionSimulator sim;
    sim.MouseMove(inside);
    PumpEvents(100);
    sim.MouseDown();
    ASSERT_TRUE(PumpEvents(2000, [&] { return w->IsDragging(); }));
    sim.MouseMove(outside);
    PumpEvents(100);
    sim.MouseUp();
    ASSERT_TRUE(PumpEvents(2000, [&] { return !w->IsDragging(); }));
    const double y = w->AngleY(), x = w->AngleX();
    sim.MouseMove(inside + wxPoint(20, 20));
    PumpEvents(100);
    sim.MouseMove(inside);
    PumpEvents(100);
    EXPECT_EQ(w->AngleY(), y);
    EXPECT_EQ(w->AngleX(), x);
    EXPECT_FALSE(w->HasCapture());
}

TEST(DragTest, LosingTheMouseCaptureEndsTheDrag)
{
    Cube c;
    CCubeWnd* w = c.wnd;
    w->SetAngles(0, 0);
    Send(w, wxEVT_LEFT_DOWN, 100, 100);
    wxMouseCaptureLostEvent lost(w->GetId());
    w->ProcessWindowEvent(lost);
    Send(w, wxEVT_MOTION, 120, 120);
    EXPECT_FALSE(w->IsDragging());
    EXPECT_EQ(w->AngleY(), 0.0);
}

TEST(ScaleTest, MenuFactorsAreSinglePrecisionAndNotExactInverses)
{
    Cube c;
    CCubeWnd* w = c.wnd;
    Command(w, ID_SIZE_INCREASE);
    EXPECT_EQ(w->ScaleX(), 1.1f);
    Command(w, ID_SIZE_DECREASE);
    EXPECT_EQ(w->ScaleX(), 1.0f);
    for (int i = 0; i < 5; ++i)
        Command(w, ID_SIZE_INCREASE);
    for (int i = 0; i < 5; ++i)
        Command(w, ID_SIZE_DECREASE);
    EXPECT_EQ(w->ScaleX(), 0.99999988f);
    EXPECT_EQ(w->ScaleY(), 0.99999988f);
    EXPECT_EQ(w->ScaleZ(), 0.99999988f);
}

TEST(ScaleTest, ScaleByStepsAndDirectionZeroRepaintsNothing)
{
    Cube c;
    CCubeWnd* w = c.wnd;
    w->SetAngles(0, 0);
    int paints = 0;
    w->Bind(wxEVT_PAINT, [&](wxPaintEvent& e) { ++paints; e.Skip(); });
    PumpEvents(200);

    paints = 0;
    w->ScaleBySteps(4, 0);
    PumpEvents(200);
    EXPECT_EQ(paints, 0);
    EXPECT_EQ(w->ScaleX(), 1.0f);

    w->ScaleBySteps(3, 1);
    EXPECT_TRUE(PumpEvents(2000, [&] { return paints > 0; }));
    EXPECT_FLOAT_EQ(w->ScaleX(), 1 / 1.331f);
    w->ScaleBySteps(5, 2);
    EXPECT_FLOAT_EQ(w->ScaleZ(), 1.1f * 1.1f);
}

TEST(SwitchTest, FogLampsAndSmoothingLeaveTheAskedState)
{
    Cube c;
    CCubeWnd* w = c.wnd;
    ASSERT_TRUE(w->IsContextCurrent());
    GLfloat density = -1, colour[4] = {};
    w->SetFog(1, 0);
    glGetFloatv(GL_FOG_DENSITY, &density);
    EXPECT_TRUE(glIsEnabled(GL_FOG));
    EXPECT_EQ(density, 0.0f);
    w->SetFog(1, 6);
    glGetFloatv(GL_FOG_DENSITY, &density);
    glGetFloatv(GL_FOG_COLOR, colour);
    EXPECT_EQ(density, 0.6f);
    EXPECT_FLOAT_EQ(colour[0], 0.95f);
    EXPECT_FLOAT_EQ(colour[2], 0.95f);
    EXPECT_FLOAT_EQ(colour[3], 1.0f);
    GLint mode = 0;
    glGetIntegerv(GL_FOG_MODE, &mode);
    EXPECT_EQ(mode, GL_EXP);
    w->SetFog(0, 6);
    EXPECT_FALSE(glIsEnabled(GL_FOG));

    w->SwitchLamp(3, 1);
    EXPECT_TRUE(glIsEnabled(GL_LIGHT2));
    EXPECT_FALSE(glIsEnabled(GL_LIGHT0));
    w->SwitchLamp(3, 0);
    EXPECT_FALSE(glIsEnabled(GL_LIGHT2));

    GLfloat width = 0;
    GLint src = 0, dst = 0, hint = 0;
    w->SetLineSmoothing(true);
    glGetFloatv(GL_LINE_WIDTH, &width);
    EXPECT_TRUE(glIsEnabled(GL_LINE_SMOOTH));
    EXPECT_TRUE(glIsEnabled(GL_BLEND));
    EXPECT_EQ(width, 1.5f);
    w->SetLineSmoothing(false);
    glGetFloatv(GL_LINE_WIDTH, &width);
    glGetIntegerv(GL_BLEND_SRC, &src);
    glGetIntegerv(GL_BLEND_DST, &dst);
    glGetIntegerv(GL_LINE_SMOOTH_HINT, &hint);
    EXPECT_FALSE(glIsEnabled(GL_LINE_SMOOTH));
    EXPECT_FALSE(glIsEnabled(GL_BLEND));
    EXPECT_EQ(width, 1.0f);
    EXPECT_EQ(src, GL_SRC_ALPHA);
    EXPECT_EQ(dst, GL_ONE_MINUS_SRC_ALPHA);
    EXPECT_EQ(hint, GL_NICEST);
}

TEST(MenuTest, BuiltFromTheResourcesFirstPopup)
{
    std::unique_ptr<wxMenu> menu(CreateViewPopupMenu());
    ASSERT_EQ(menu->GetMenuItemCount(), 2u);
    const wxMenuItem* rotate = menu->FindItemByPosition(0);
    EXPECT_EQ(rotate->GetId(), ViewMenuItemId(ID_VIEW_ROTATE));
    EXPECT_EQ(rotate->GetItemLabel(), "&Rotate");
    const wxMenuItem* size = menu->FindItemByPosition(1);
    EXPECT_EQ(size->GetItemLabel(), "&Size");
    const wxMenu* sub = size->GetSubMenu();
    ASSERT_TRUE(sub);
    ASSERT_EQ(sub->GetMenuItemCount(), 2u);
    EXPECT_EQ(sub->FindItemByPosition(0)->GetId(), ViewMenuItemId(ID_SIZE_INCREASE));
    EXPECT_EQ(sub->FindItemByPosition(0)->GetItemLabelText(), "Increase");
    EXPECT_EQ(sub->FindItemByPosition(1)->GetId(), ViewMenuItemId(ID_SIZE_DECREASE));
    EXPECT_EQ(sub->FindItemByPosition(1)->GetItemLabelText(), "Decrease");
}

TEST(MenuTest, OpensAtThePointerOrFiveInFromTheCornerFromTheKeyboard)
{
    const wxPoint origin(300, 200);
    EXPECT_EQ(ViewMenuPosition(wxDefaultPosition, origin), wxPoint(305, 205));
    EXPECT_EQ(ViewMenuPosition(wxPoint(340, 260), origin), wxPoint(340, 260));
    EXPECT_EQ(ViewMenuPosition(wxPoint(0, 0), origin), wxPoint(0, 0));
}

}
