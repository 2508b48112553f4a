// The frame every window draws, the set-up that waits for the window's first showing, and the record that does not:
// the projection's numbers, the angles and the size factors read back from
// the context, and a whole record, an undo and a reset reaching it.
#include "CCubeWnd.h"
#include "CLightWnd.h"
#include "ContextAgreement.h"
#include "GLBinding.h"
#include "ResourceIds.h"
#include "ViewMenu.h"
#include "ViewTestSupport.h"

#include <cstdlib>
#include <functional>
#include <utility>
#include <vector>

namespace {

TEST(FrameTest, ClearColourInTheCornersAndRedAxesWhereTheTransformsPutThem)
{
    Shown<COpenGLWnd> f;   // no scene in list 1: only the frame's own parts
    // Run again under GDK_SCALE=2: the picture must fill the scaled window.
    const char* scale = std::getenv("GDK_SCALE");
    EXPECT_EQ(f.wnd->GetContentScaleFactor(), scale ? std::atof(scale) : 1.0);
    EXPECT_EQ(f.wnd->State().pixelScale, f.wnd->GetContentScaleFactor());
    const int w = f.Size().x, h = f.Size().y;
    f.wnd->SetAngles(40, 70);   // the axes do not turn with the scene
    for (bool perspective : {false, true}) {
        f.wnd->SetProjection(perspective ? 2 : 1);
        f.wnd->DrawScene();
        for (const auto& [x, y] : {std::pair{0, 0}, {w - 1, 0}, {0, h - 1}, {w - 1, h - 1}})
            EXPECT_TRUE(Near(ReadBackPixel(x, y), kBackground, 1)) << x << "," << y;
        for (double t : {1.5, 3.0})
            for (const Vec3& a : {Vec3{t, 0, 0}, Vec3{0, t, 0}, Vec3{0, 0, t}})
                EXPECT_TRUE(f.Shows(AxesEye(a, perspective), kRed))
                    << perspective << ": " << a.x << "," << a.y << "," << a.z;
        // Only in perspective does the axes' origin lie at the window's centre.
        EXPECT_EQ(f.Shows(f.Centre(), kRed), perspective);
    }
    // In perspective the axes' picture does not tell how far off they lie; the fog does.
    f.wnd->SetFog(1, 1);
    f.wnd->DrawScene();
    const Vec3 eye = AxesEye({0, 1.5, 0}, true);
    const int k = int(std::lround(255 * std::exp(0.1 * eye.z))), grey = int(std::lround((255 - k) * 0.95));
    EXPECT_TRUE(Looks(f.At(eye), Rgb{k + grey, grey, grey}, 3));
    f.wnd->OnSize(200, 0);
    EXPECT_EQ(f.wnd->State().aspect, 200.0);
}

TEST(TimerTest, NeverShownWindowDoesNotTickAndEachTickTurnsWithoutWrapping)
{
    Shown<CCubeWnd> u(false);
    u.wnd->Activate();
    wxCommandEvent rotate(wxEVT_MENU, ViewMenuItemId(ID_VIEW_ROTATE));
    u.wnd->ProcessWindowEvent(rotate);
    PumpEvents(150);
    EXPECT_FALSE(u.wnd->IsAnimating());
    EXPECT_EQ(u.wnd->State().angleY, 0.0);

    wxTimer timer;
    wxTimerEvent tick(timer);
    u.wnd->ProcessWindowEvent(tick);
    EXPECT_EQ(std::pair(u.wnd->State().angleY, u.wnd->State().angleX), std::pair(-3.0, -2.0));
    for (int i = 1; i < 180; ++i)
        u.wnd->ProcessWindowEvent(tick);
    EXPECT_EQ(std::pair(u.wnd->State().angleY, u.wnd->State().angleX), std::pair(-540.0, -360.0));
}

// Switches as a page makes them; the fog off keeps the density the fog had.
const std::vector<std::function<void(COpenGLWnd&)>> kSwitches = {
    [](COpenGLWnd& w) { w.SetLineSmoothing(false); },
    [](COpenGLWnd& w) { w.SetProjection(kPerspective); },
    [](COpenGLWnd& w) { w.SwitchLamp(kLampGreen, 1); },
    [](COpenGLWnd& w) { w.SetFog(kFogOn, 4); },
    [](COpenGLWnd& w) { w.SetFog(kFogOff, 0); },
    [](COpenGLWnd& w) { w.ScaleBySteps(2, kScaleLarger); },
    [](COpenGLWnd& w) { w.SetProjection(kOrthographic); },
    [](COpenGLWnd& w) { w.SwitchLamp(kLampRed, 1); },
    [](COpenGLWnd& w) { w.SetLineSmoothing(true); },
    [](COpenGLWnd& w) { w.SetProjection(kPerspective); },
    [](COpenGLWnd& w) { w.SwitchLamp(kLampGreen, 0); },
};

// The record after every switch, and the last frame, of a window set up
// before the first switch.
template <class W>
std::pair<std::vector<ViewState>, std::vector<unsigned char>> SwitchedWhileShown()
{
    Shown<W> w;
    std::vector<ViewState> records;
    for (const auto& flip : kSwitches) {
        flip(*w.wnd);
        w.wnd->SetAngles(30, 40);
        records.push_back(w.wnd->State());
        EXPECT_TRUE(AgreesWithContext(records.back())) << records.size();
    }
    w.Draw(30, 40);
    return {records, ReadBackFrame()};
}

// Each switch changes the record at once, with or without a context; once
// the window is shown, its context holds what the record said, and the
// picture is the one of a window that was switched while shown.
template <class W>
void RecordIsTheTruthWhereverTheSetUpFalls()
{
    const auto [records, picture] = SwitchedWhileShown<W>();
    for (size_t setUpAt = 0; setUpAt <= kSwitches.size(); ++setUpAt) {
        Shown<W> w(false);
        const auto showNow = [&w] {
            ASSERT_TRUE(w.Show());
            w.wnd->Activate();
            ASSERT_TRUE(w.wnd->IsContextCurrent());
            w.wnd->SetAngles(30, 40);
            EXPECT_TRUE(AgreesWithContext(w.wnd->State())) << "at set-up";
        };
        for (size_t i = 0; i < kSwitches.size(); ++i) {
            if (i == setUpAt)
                showNow();
            kSwitches[i](*w.wnd);
            w.wnd->SetAngles(30, 40);
            EXPECT_TRUE(w.wnd->State() == records[i]) << "set up before " << setUpAt << ", switch " << i;
            if (w.wnd->IsSetUp()) {
                EXPECT_TRUE(AgreesWithContext(w.wnd->State())) << setUpAt << ", " << i;
            }
        }
        if (setUpAt == kSwitches.size())
            showNow();
        w.Draw(30, 40);
        EXPECT_TRUE(ReadBackFrame() == picture) << "set up before switch " << setUpAt;
    }
}

TEST(SwitchTest, RecordIsTheTruthBeforeAndAfterTheSetUp)
{
    RecordIsTheTruthWhereverTheSetUpFalls<CCubeWnd>();
    RecordIsTheTruthWhereverTheSetUpFalls<CLightWnd>();
}

struct NoContextWnd : CCubeWnd   // on a platform that gives no context
{
    using CCubeWnd::CCubeWnd;
    bool CreateRenderingContext() override { return false; }
};

TEST(SetUpTest, WindowWithoutContextIsHarmless)
{
    Shown<COpenGLWnd> other;
    Shown<NoContextWnd> none;
    EXPECT_FALSE(none.wnd->HasContext());
    EXPECT_TRUE(none.wnd->IsAnimating());
    EXPECT_EQ(glbinding::CurrentContext(), nullptr);

    other.wnd->Activate();
    none.wnd->SetFog(1, 6);
    none.wnd->SwitchLamp(1, 1);
    none.wnd->SetLineSmoothing(true);
    none.wnd->Refresh(false);
    PumpEvents(100);
    ASSERT_TRUE(other.wnd->IsContextCurrent());
    EXPECT_FALSE(glIsEnabled(GL_FOG) || glIsEnabled(GL_LIGHT0) || glIsEnabled(GL_BLEND));
    none.wnd->Activate();
    EXPECT_EQ(glbinding::CurrentContext(), nullptr);
    other.wnd->Activate();
    none.wnd->Destroy();   // while other's context is current: none stays current
    EXPECT_EQ(glbinding::CurrentContext(), nullptr);
}

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
