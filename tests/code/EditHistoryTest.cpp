// Undo and redo through a window's record: switches and code edits alike,
// with the cube turning on and the window's own size never taken back.
#include "EditHistory.h"

#include <gtest/gtest.h>

namespace {

ViewState Turned(ViewState s, double by)
{
    s.angleX += by, s.angleY += 2 * by;
    return s;
}

TEST(EditHistoryTest, StepsBackAndForthKeepingTheTurningAndTheViewport)
{
    EditHistory h;
    ViewState a, b = a;
    b.fog = true, b.fogDensity = 0.5f;                 // a switch
    h.Add(a, b);
    ViewState c = Turned(b, 5), d = c;                 // the cube turned on
    d.lampPosition[0][0] = -20;                        // an edit
    h.Add(c, d, 7);

    ViewState now = Turned(d, 5), back;
    now.width = 640;                                   // the window was resized meanwhile
    ASSERT_TRUE(h.Undo(now, back));
    EXPECT_EQ(back.lampPosition[0][0], 50.0f);
    EXPECT_TRUE(back.fog) << "one step at a time";
    EXPECT_EQ(back.angleX, now.angleX) << "the cube turns on";
    EXPECT_EQ(back.width, 640) << "the size is the window's";
    ASSERT_TRUE(h.Undo(back, back));
    EXPECT_TRUE(!back.fog && back.fogDensity == 1.0f);
    EXPECT_FALSE(h.Undo(back, back));
    ASSERT_TRUE(h.Redo(back, back) && h.Redo(back, back));
    EXPECT_TRUE(back.fog && back.lampPosition[0][0] == -20.0f);
    EXPECT_FALSE(h.Redo(back, back));
}

TEST(EditHistoryTest, AGestureIsOneStepTheTurningNoneAndANewStepDropsTheRedo)
{
    EditHistory h;
    ViewState s, out, angled = s;
    h.Add(s, Turned(s, 3));                            // the timer
    EXPECT_FALSE(h.Undo(s, out)) << "the turning is no step";
    angled.angleX = 90;
    h.Add(s, angled, 4);                               // typed over the angle: a step
    ASSERT_TRUE(h.Undo(angled, out));
    EXPECT_EQ(out.angleX, 0.0) << "an edit of the angle is taken back";

    EditHistory drag;
    ViewState d = s;
    for (int i = 1; i <= 5; ++i) {                     // one drag, five steps of the number
        ViewState next = d;
        next.shininess = 128.0f - i;
        drag.Add(d, next, 9);
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
    ViewState printed, edited = printed, now = Turned(printed, 40);
    edited.fogDensity = 0.5f;
    now.lamp[1] = true;                                // ticked after the code was printed
    const ViewState merged = Merged(printed, edited, now);
    EXPECT_TRUE(merged.fogDensity == 0.5f && merged.lamp[1] && merged.angleX == now.angleX);
}

}
