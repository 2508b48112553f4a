// The lines page: smoothing, projection and the size trackbar.
#include "CCubeDlg.h"
#include "PageHarness.h"
#include "ResourceIds.h"

#include <wx/uiaction.h>

#include <cmath>

namespace {

class CubePage : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(page.SetUp());
        size = page.Find<wxSlider>(IDC_SIZE);
        smooth = page.Find<wxCheckBox>(IDC_SMOOTH);
        ortho = page.Find<wxRadioButton>(IDC_ORTHO);
        perspective = page.Find<wxRadioButton>(IDC_PERSPECTIVE);
        ASSERT_TRUE(size && smooth && ortho && perspective);
    }

    // The view's size as a multiple of where the test started.
    double Size(float start) const { return page.View()->ScaleX() / double(start); }

    // Real input through the X server, for GTK to send its own events.
    void PointAt(wxWindow* w)
    {
        const wxRect r = w->GetScreenRect();
        input.MouseMove(r.x + r.width / 2, r.y + r.height / 2);
        PumpEvents(50);
    }
    wxUIActionSimulator input;

    ShownPage<CCubeDlg> page;
    wxSlider* size = nullptr;
    wxCheckBox* smooth = nullptr;
    wxRadioButton* ortho = nullptr;
    wxRadioButton* perspective = nullptr;
};

TEST_F(CubePage, ControlsShowTheWindowsStartingState)
{
    EXPECT_EQ(size->GetMin(), 1);
    EXPECT_EQ(size->GetMax(), 10);
    EXPECT_EQ(size->GetValue(), 5);
    EXPECT_TRUE(smooth->IsChecked());
    EXPECT_TRUE(ortho->GetValue());
    EXPECT_FALSE(perspective->GetValue());

    EXPECT_FALSE(page.View()->IsPerspective());
    ASSERT_TRUE(page.View()->IsContextCurrent());
    EXPECT_TRUE(Enabled(GL_LINE_SMOOTH));
    EXPECT_TRUE(Enabled(GL_BLEND));
}

TEST_F(CubePage, DraggingTheSizeTrackbarScalesByTheDistanceMovedOnce)
{
    const float start = SyncSize(size, page.View());

    Drag(size, {6, 7});
    EXPECT_NEAR(Size(start), 1.21, 1e-5);
    // A click on the thumb without moving it, and repeated notifications.
    Drag(size, {7});
    Notify(size, wxEVT_SCROLL_CHANGED);
    Notify(size, wxEVT_SLIDER);
    EXPECT_NEAR(Size(start), 1.21, 1e-5);

    Drag(size, {6, 4, 2, 1});
    EXPECT_NEAR(Size(start), 1.21 / std::pow(1.1, 6), 1e-5);
    Drag(size, {3, 5});
    EXPECT_NEAR(Size(start), 1.0, 1e-5);
    EXPECT_EQ(page.View()->ScaleY(), page.View()->ScaleX());
    EXPECT_EQ(page.View()->ScaleZ(), page.View()->ScaleX());
}

TEST_F(CubePage, UntickingSmoothingTurnsLineSmoothingAndBlendingOff)
{
    Tick(smooth, false);
    ASSERT_TRUE(page.View()->IsContextCurrent());
    EXPECT_FALSE(Enabled(GL_LINE_SMOOTH));
    EXPECT_FALSE(Enabled(GL_BLEND));

    Tick(smooth, true);
    EXPECT_TRUE(Enabled(GL_LINE_SMOOTH));
    EXPECT_TRUE(Enabled(GL_BLEND));
}

TEST_F(CubePage, ProjectionFollowsTheRadioButtons)
{
    Choose(perspective);
    EXPECT_TRUE(page.View()->IsPerspective());
    Choose(perspective);
    EXPECT_TRUE(page.View()->IsPerspective());
    EXPECT_FALSE(ortho->GetValue());
    Choose(ortho);
    EXPECT_FALSE(page.View()->IsPerspective());
}

// Leaving the tab stops the picture and lets the context go; coming back
// restarts it with every setting as the user left it.
TEST_F(CubePage, LeavingAndReturningKeepsTheSettings)
{
    Choose(perspective);
    Tick(smooth, false);
    const float start = SyncSize(size, page.View());
    Drag(size, {6});

    EXPECT_TRUE(page->OnKillActive());
    EXPECT_FALSE(page.View()->IsAnimating());
    EXPECT_FALSE(page.View()->IsContextCurrent());

    EXPECT_TRUE(page->OnSetActive());
    EXPECT_TRUE(page.View()->IsAnimating());
    ASSERT_TRUE(page.View()->IsContextCurrent());
    EXPECT_TRUE(page.View()->IsPerspective());
    EXPECT_FALSE(Enabled(GL_LINE_SMOOTH));
    EXPECT_FALSE(smooth->IsChecked());
    EXPECT_TRUE(perspective->GetValue());
    EXPECT_EQ(size->GetValue(), 6);
    EXPECT_NEAR(Size(start), 1.1, 1e-5);
}

// However many notifications GTK sends for one key press, the size follows
// the trackbar: 1.1 to the power of the positions moved.
TEST_F(CubePage, EachArrowKeyOnTheTrackbarScalesOneStep)
{
    const float start = SyncSize(size, page.View());
    PointAt(size);
    size->SetFocus();
    ASSERT_TRUE(PumpEvents(2000, [&] { return wxWindow::FindFocus() == size; }));

    input.Char(WXK_RIGHT);
    ASSERT_TRUE(PumpEvents(2000, [&] { return size->GetValue() != 5; }));
    input.Char(WXK_RIGHT);
    ASSERT_TRUE(PumpEvents(2000, [&] { return size->GetValue() != 6; }));
    input.Char(WXK_LEFT);
    PumpEvents(100);
    EXPECT_EQ(size->GetValue(), 6);
    EXPECT_NEAR(Size(start), 1.1, 1e-5);
}

TEST_F(CubePage, ClickOnSmoothingSwitchesLineSmoothing)
{
    PointAt(smooth);
    input.MouseClick();
    ASSERT_TRUE(PumpEvents(2000, [&] { return !smooth->IsChecked(); }));
    page->OnSetActive();
    EXPECT_FALSE(Enabled(GL_LINE_SMOOTH));
}

}
