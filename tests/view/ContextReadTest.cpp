// The record read back from the context: the projection's own numbers, the
// angles and the size factors, not only the projection's kind.
#include "CCubeWnd.h"
#include "ContextAgreement.h"
#include "ViewTestSupport.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace {

// Records that differ from the one before in the projection's numbers alone,
// or its kind and numbers at once.
std::vector<ViewState> Projections(ViewState s)
{
    std::vector<ViewState> out;
    s.ortho = {-3, 5, -2, 4, -10, 30};
    out.push_back(s);
    s.perspective = true;
    s.frustum = {60, 2, 50};
    out.push_back(s);
    s.frustum = {30, 0.5, 200};
    out.push_back(s);
    s.perspective = false;
    s.ortho = {-1, 7, -6, 2, 5, -15};
    out.push_back(s);
    return out;
}

TEST(ContextReadTest, TheProjectionsNumbersReachTheContext)
{
    Shown<CCubeWnd> w;
    for (const ViewState& s : Projections(w.wnd->State())) {
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

}
