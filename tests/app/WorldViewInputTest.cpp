// The outside view as a student meets it, on the program's own sheet with
// real keys and clicks at a person's pace: the lines page in perspective,
// F1 for the code, F2 for the outside view, then a zNear typed that cuts the
// cube. The page's picture loses the front of the cube; the outside view
// shows that front ghosted, past the near plane.
#include "OtherProgram.h"
#include "ResourceIds.h"
#include "SceneGeometry.h"
#include "SceneTables.h"
#include "ShownSheet.h"
#include "CWorldWindow.h"
#include "ViewCode.h"

#include <wx/display.h>

#include <gtest/gtest.h>

namespace {

constexpr int kKeyPaceMs = 150;

int Brightness(const wxImage& f, Vec3 window)
{
    const int x = int(window.x), y = f.GetHeight() - 1 - int(window.y);
    if (x < 0 || y < 0 || x >= f.GetWidth() || y >= f.GetHeight())
        return 0;
    return f.GetRed(x, y) + f.GetGreen(x, y) + f.GetBlue(x, y);
}

int Brightest(const wxImage& f, Vec3 window, int r)
{
    int most = 0;
    for (int dy = -r; dy <= r; ++dy)
        for (int dx = -r; dx <= r; ++dx)
            most = std::max(most, Brightness(f, window + Vec3{double(dx), double(dy), 0}));
    return most;
}

// The page's picture near where its eye point lands: the brightest pixel within 2.
int PageBrightness(COpenGLWnd& view, Vec3 eye)
{
    const ViewState& s = view.State();
    const Vec4 clip = ProjectionMatrix(s) * Vec4{eye.x, eye.y, eye.z, 1};
    return Brightest(ReadFrame(view), WindowOf(s, (1 / clip.w) * XYZ(clip)), 2);
}

// Along the eye segment a..b in the outside view: the share of points drawn
// bright (or next to a bright pixel), and the dark gaps between them. A
// solid line has none; a dashed one, a gap a dash.
struct Trace
{
    double share = 0;
    int gaps = 0;
};
Trace TraceOf(CWorldCanvas& world, Vec3 a, Vec3 b)
{
    const wxImage f = world.ReadFrame();
    Trace trace;
    const int n = 40;
    bool seenBright = false, inGap = false;
    for (int i = 0; i < n; ++i) {
        const double t = 0.15 + 0.7 * i / (n - 1);
        const bool bright = Brightest(f, WorldWindowOf(world.Picture(), a + t * (b - a)), 1) > 600;
        trace.share += bright / double(n);
        trace.gaps += bright && inGap;
        inGap = seenBright && !bright ? true : bright ? false : inGap;
        seenBright = seenBright || bright;
    }
    return trace;
}

bool Apart(const wxRect& a, const wxRect& b) { return !a.Intersects(b); }

// The call's argument after `commas` commas selected with Shift+Right and
// typed over, key by key at a person's pace.
void TypeArgument(CCodeView* text, const wxString& call, int commas, const std::string& keys)
{
    const wxString all = text->GetText();
    int at = all.Find(call);
    ASSERT_NE(at, wxNOT_FOUND) << all;
    for (int comma = 0; comma < commas; ++comma)
        at = all.find(", ", at) + 2;
    const int pos = int(all.Left(at).utf8_str().length());
    text->ScrollToLine(std::max(0, text->LineFromPosition(pos) - 3));
    PumpEvents(100);
    ClickOn(text, text->PointFromPosition(pos) + wxPoint(-1, text->TextHeight(0) / 2));
    Settle();
    for (int i = at; wxIsdigit(all[i]) || all[i] == '.'; ++i) {
        Input().Char(WXK_RIGHT, wxMOD_SHIFT);
        PumpEvents(kKeyPaceMs);
    }
    for (char c : keys) {
        Input().Char(c);
        PumpEvents(kKeyPaceMs);
    }
}

// F1, then F2 from the code window; the side view clear of the sheet.
CWorldCanvas* OpenCodeAndSideView(CAllSheets& sheet)
{
    Input().Char(WXK_F1);
    EXPECT_TRUE(PumpEvents(3000, [&sheet] { return sheet.CodeWindow() && sheet.CodeWindow()->IsShown(); }));
    PumpEvents(300);
    Input().Char(WXK_F2);   // the focus is in the code window now
    if (!PumpEvents(3000, [&sheet] { return sheet.WorldView() && sheet.WorldView()->IsShown(); }))
        return nullptr;
    CWorldCanvas* world = sheet.WorldView()->Canvas();
    EXPECT_TRUE(PumpEvents(3000, [world] { return world->Frames() > 0; }));
    const wxRect seen = sheet.WorldView()->GetScreenRect();
    // 1280 x 1024 has no room clear of both: the sheet, with the picture, stays clear.
    EXPECT_TRUE(Apart(seen, sheet.GetScreenRect())) << "the side view lies over the sheet";
    EXPECT_TRUE(wxDisplay(0u).GetClientArea().Contains(seen));
    // Nearer, by the wheel over the view, as a student would look closer.
    const wxPoint middle = world->GetScreenRect().GetPosition() + world->GetSize() / 2;
    const double far = world->Camera().distance;
    OutputOf("xdotool mousemove " + std::to_string(middle.x) + " " + std::to_string(middle.y) +
             " click --repeat 5 --delay 150 4");
    EXPECT_TRUE(PumpEvents(2000, [world, far] { return world->Camera().distance < far / 1.8; }));
    return world;
}

}

TEST(WorldViewInput, AZNearTypedInTheCodeCutsThePictureAndTheOutsideViewShowsTheCutPartGhosted)
{
    EXPECT_TRUE(RunProgramSheet([](CAllSheets& sheet) {
        sheet.Raise();
        PumpEvents(2000, [&sheet] { return sheet.IsActive(); });
        ASSERT_TRUE(SetUpAndCurrent(sheet, 0));
        COpenGLWnd* view = sheet.Page(0)->View();
        ClickOn(sheet.Page(0)->FindWindow(IDC_PERSPECTIVE));
        ASSERT_TRUE(PumpEvents(2000, [view] { return view->State().perspective; }));
        view->SetAngles(0, 0);   // still, so that a point of the cube stays put
        // The middle of the front face's top edge, and that edge's ends, in eye coordinates.
        const double h = kHalfEdge * kPerspectiveShare, front = -kSceneDistance + h;
        const Vec3 top{0, h, front}, left{-h, h, front}, right{h, h, front};
        CWorldCanvas* world = OpenCodeAndSideView(sheet);
        ASSERT_TRUE(world) << "F2 opened no side view";
        const int pageBefore = PageBrightness(*view, top);
        const Trace before = TraceOf(*world, left, right);

        TypeArgument(sheet.CodeWindow()->CodeView(), "gluPerspective(", 2, "8.0");
        ASSERT_TRUE(PumpEvents(3000, [view] { return view->State().frustum[1] == 8.0; }))
            << sheet.CodeWindow()->Reason();
        ASSERT_TRUE(PumpEvents(2000, [world] { return world->Picture().volume[0].z == -8.0; }))
            << "the side view did not follow zNear";

        const int pageAfter = PageBrightness(*view, top);
        const Trace after = TraceOf(*world, left, right);
        EXPECT_GT(pageBefore, 450) << "the front edge was not drawn at zNear 1";
        EXPECT_LT(pageAfter, 400) << "the page still draws the front edge past zNear 8";
        EXPECT_GT(before.share, 0.9) << "the front edge, inside the volume, is not drawn whole";
        EXPECT_EQ(before.gaps, 0) << "the front edge, inside the volume, is not solid";
        EXPECT_GE(after.gaps, 3) << "the front edge past the near plane is not ghosted";
        EXPECT_GT(after.share, 0.4) << "the front edge past the near plane is not drawn at all";
    })) << "the program's sheet was not shown";
}
