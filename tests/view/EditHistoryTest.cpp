// Undo and redo through a window's record: switches and code edits alike,
// with the cube turning on and the window's own size never taken back.
#include "CLightWnd.h"
#include "EditHistory.h"
#include "ContextAgreement.h"
#include "ViewTestSupport.h"

#include <gtest/gtest.h>

namespace {

ViewState Turned(ViewState s, double by)
{
    s.angleX += by;
    s.angleY += 2 * by;
    return s;
}

}

TEST(EditHistoryTest, StepsBackAndForthKeepingTheTurningAndTheViewport)
{
    EditHistory h;
    ViewState a;
    ViewState b = a;
    b.fog = true, b.fogDensity = 0.5f;          // a switch
    h.Add(a, b);
    ViewState c = Turned(b, 5);                  // the cube turned on
    ViewState d = c;
    d.lampPosition[0][0] = -20;                  // an edit
    h.Add(c, d, 7);

    ViewState now = Turned(d, 5);
    now.width = 640;                             // the window was resized meanwhile
    ViewState back;
    ASSERT_TRUE(h.Undo(now, back));
    EXPECT_EQ(back.lampPosition[0][0], 50.0f);
    EXPECT_TRUE(back.fog) << "one step at a time";
    EXPECT_EQ(back.angleX, now.angleX) << "the cube turns on";
    EXPECT_EQ(back.width, 640) << "the size is the window's";
    ASSERT_TRUE(h.Undo(back, back));
    EXPECT_FALSE(back.fog);
    EXPECT_EQ(back.fogDensity, 1.0f);
    EXPECT_FALSE(h.Undo(back, back));

    ASSERT_TRUE(h.Redo(back, back));
    ASSERT_TRUE(h.Redo(back, back));
    EXPECT_TRUE(back.fog);
    EXPECT_EQ(back.lampPosition[0][0], -20.0f);
    EXPECT_FALSE(h.Redo(back, back));
}

TEST(EditHistoryTest, AGestureIsOneStepTheTurningNoneAndANewStepDropsTheRedo)
{
    EditHistory h;
    ViewState s;
    h.Add(s, Turned(s, 3));                      // the timer
    ViewState out;
    EXPECT_FALSE(h.Undo(s, out)) << "the turning is no step";

    ViewState angled = s;
    angled.angleX = 90;
    h.Add(s, angled, 4);                         // typed over the angle: a step
    ASSERT_TRUE(h.Undo(angled, out));
    EXPECT_EQ(out.angleX, 0.0) << "an edit of the angle is taken back";

    EditHistory drag;
    ViewState d = s;
    for (int i = 1; i <= 5; ++i) {
        ViewState next = d;
        next.shininess = 128.0f - i;
        drag.Add(d, next, 9);                    // one drag, five steps of the number
        d = next;
    }
    ASSERT_TRUE(drag.Undo(d, out));
    EXPECT_EQ(out.shininess, 128.0f) << "the whole drag at once";
    ViewState other = out;
    other.fog = true;
    drag.Add(out, other);
    EXPECT_FALSE(drag.Redo(other, out)) << "a new step drops what was undone";
}

TEST(EditHistoryTest, AnEditOfAnOlderRecordKeepsWhatChangedSince)
{
    ViewState printed;
    ViewState edited = printed;
    edited.fogDensity = 0.5f;
    ViewState now = Turned(printed, 40);
    now.lamp[1] = true;                          // ticked after the code was printed
    const ViewState merged = Merged(printed, edited, now);
    EXPECT_EQ(merged.fogDensity, 0.5f);
    EXPECT_TRUE(merged.lamp[1]);
    EXPECT_EQ(merged.angleX, now.angleX);
}

// The context follows a whole record, an undo and a reset: the GL state
// read back and the background drawn are the record's.
TEST(EditHistoryTest, TheContextFollowsARecordAnUndoAndAReset)
{
    Shown<CLightWnd> shown;
    CLightWnd* w = shown.wnd;
    int told = 0;
    w->ObserveRecord([&told](const ViewState&) { ++told; });
    w->KeepAsStart();
    ViewState s = w->State();
    s.clearColour = {1, 1, 0, 1};
    s.lampDiffuse[2] = {0.5f, 0.25f, 1, 1};
    s.lampPosition[1] = {-10, 20, 30, 1};
    s.shininess = 12;
    s.lighting = false;
    s.frustum = {60, 2, 50};
    s.perspective = true;
    w->SetRecord(s, 1);
    EXPECT_TRUE(AgreesWithContext(w->State()));
    shown.Draw();
    EXPECT_TRUE(Near(ReadBackPixel(3, 3), Rgb{255, 255, 0}, 1));
    EXPECT_EQ(told, 1);

    w->SwitchLamp(kLampGreen, 1);
    ASSERT_TRUE(w->Undo());
    EXPECT_FALSE(w->State().lamp[1]);
    EXPECT_EQ(w->State().shininess, 12.0f);
    EXPECT_TRUE(AgreesWithContext(w->State()));

    w->Reset();
    EXPECT_FALSE(w->State().perspective);
    EXPECT_TRUE(w->State().lighting);
    EXPECT_TRUE(AgreesWithContext(w->State()));
    shown.Draw();
    EXPECT_TRUE(Near(ReadBackPixel(3, 3), kBackground, 1));
    ASSERT_TRUE(w->Undo()) << "the reset is a step too";
    EXPECT_EQ(w->State().clearColour[0], 1.0f);
}
