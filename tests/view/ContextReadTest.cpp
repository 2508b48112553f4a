// The record read back from the context: the projection's own numbers, the
// angles and the size factors, not only the projection's kind; and a whole
// record, an undo and a reset reaching the context.
#include "CCubeWnd.h"
#include "CLightWnd.h"
#include "ContextAgreement.h"
#include "ViewTestSupport.h"

#include <functional>
#include <utility>

namespace {

// Each record differs from the one before in the projection's numbers alone,
// or its kind and numbers at once.
TEST(ContextReadTest, TheProjectionsNumbersReachTheContext)
{
    Shown<CCubeWnd> w;
    ViewState s = w.wnd->State();
    const std::function<void(ViewState&)> steps[] = {
        [](ViewState& s) { s.ortho = {-3, 5, -2, 4, -10, 30}; },
        [](ViewState& s) { s.perspective = true, s.frustum = {60, 2, 50}; },
        [](ViewState& s) { s.frustum = {30, 0.5, 200}; },
        [](ViewState& s) { s.perspective = false, s.ortho = {-1, 7, -6, 2, 5, -15}; }};
    for (const auto& step : steps) {
        step(s);
        w.wnd->SetRecord(s, 0);
        EXPECT_TRUE(AgreesWithContext(w.wnd->State())) << "perspective " << s.perspective;
    }
    // A box the context holds but the record does not say is told.
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(-1, 7, -6, 2, 5, -14);
    glMatrixMode(GL_MODELVIEW);
    EXPECT_FALSE(AgreesWithContext(w.wnd->State()));
}

// Each factor its own, angles past a half and a whole turn, either way.
TEST(ContextReadTest, TheAnglesAndSizeAreThoseTheSceneIsDrawnUnder)
{
    Shown<CCubeWnd> w;
    for (bool perspective : {false, true}) {
        ViewState s = w.wnd->State();
        s.perspective = perspective;
        s.scaleX = 1.5f, s.scaleY = 0.75f, s.scaleZ = 2.25f;
        w.wnd->SetRecord(s, 0);
        for (const auto& [ax, ay] : {std::pair{30.0, 40.0}, {200.0, -75.0}, {-1e6 + 0.5, 725.0}, {90.0, 90.0}}) {
            w.wnd->SetAngles(ax, ay);
            EXPECT_TRUE(AgreesWithContext(w.wnd->State())) << perspective << ": " << ax << ", " << ay;
        }
    }
}

// The GL state read back and the background drawn are the record's.
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
    s.shininess = 12, s.lighting = false, s.frustum = {60, 2, 50}, s.perspective = true;
    w->SetRecord(s, 1);
    EXPECT_TRUE(AgreesWithContext(w->State()));
    shown.Draw();
    EXPECT_TRUE(Near(ReadBackPixel(3, 3), Rgb{255, 255, 0}, 1));
    EXPECT_EQ(told, 1);

    w->SwitchLamp(kLampGreen, 1);
    ASSERT_TRUE(w->Undo());
    EXPECT_TRUE(!w->State().lamp[1] && w->State().shininess == 12.0f);
    EXPECT_TRUE(AgreesWithContext(w->State()));
    w->Reset();
    EXPECT_TRUE(!w->State().perspective && w->State().lighting);
    EXPECT_TRUE(AgreesWithContext(w->State()));
    shown.Draw();
    EXPECT_TRUE(Near(ReadBackPixel(3, 3), kBackground, 1));
    ASSERT_TRUE(w->Undo()) << "the reset is a step too";
    EXPECT_EQ(w->State().clearColour[0], 1.0f);
}

}
