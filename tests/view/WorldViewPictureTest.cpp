// The outside view's frames read back: the lamps' markers where the page's
// record puts them, the cube lit by the lamps where they stand, and the
// page's own picture left as it was.
#include "CLightWnd.h"
#include "CWorldCanvas.h"
#include "GLProbe.h"
#include "WxTestMain.h"

#include <gtest/gtest.h>
#include <wx/frame.h>
#include <wx/sizer.h>
#include <wx/weakref.h>

namespace {

struct WorldViewPictureTest : testing::Test
{
    WorldViewPictureTest()
    {
        auto* row = new wxBoxSizer(wxHORIZONTAL);
        page = new CLightWnd(frame);
        world = new CWorldCanvas(frame, [this] { return page; });
        world->SetMinSize(wxSize(400, 300));
        row->Add(page, 0, wxALL, 4);
        row->Add(world, 1, wxEXPAND | wxALL, 4);
        frame->SetSizer(row);
        frame->Show();
        page->Activate();
        EXPECT_TRUE(PumpEvents(10000, [this] { return page->IsSetUp() && page->IsContextCurrent(); }));
        page->SetAngles(0, 0);
    }
    ~WorldViewPictureTest() override
    {
        wxWeakRef<wxFrame> alive(frame);
        frame->Destroy();
        EXPECT_TRUE(PumpEvents(5000, [&alive] { return !alive; }));
    }
    // The page's record with the red lamp on at p, the green one off at q.
    void Lamps(Vec4 p, Vec4 q)
    {
        ViewState s = page->State();
        s.lamp = {true, false, false};
        s.lampPosition[0] = {float(p.x), float(p.y), float(p.z), float(p.w)};
        s.lampPosition[1] = {float(q.x), float(q.y), float(q.z), float(q.w)};
        page->SetRecord(s, 0);
    }
    // The colour of the outside view's frame where the page's eye point lands.
    Rgb At(const wxImage& frame, Vec3 eye) const
    {
        const Vec3 w = WorldWindowOf(world->Picture(), eye);
        const int x = int(w.x), y = frame.GetHeight() - 1 - int(w.y);
        return {frame.GetRed(x, y), frame.GetGreen(x, y), frame.GetBlue(x, y)};
    }

    wxFrame* frame = new wxFrame(nullptr, wxID_ANY, "world view test", wxPoint(40, 40), wxSize(720, 340));
    CLightWnd* page = nullptr;
    CWorldCanvas* world = nullptr;
};

}

TEST_F(WorldViewPictureTest, TheLampsMarkersStandWhereTheRecordPutsThemInTheirColoursTheOffOneDimmed)
{
    Lamps({-6, 3, -5, 1}, {4, -2, -12, 2});   // the green one at (2, -1, -6)
    for (double yaw : {55.0, 150.0}) {
        WorldCamera c;
        c.yaw = yaw;
        c.target = {0, 0, -6};
        c.distance = 30;
        world->SetCamera(c);
        const wxImage f = world->ReadFrame();
        ASSERT_TRUE(f.IsOk());
        const Rgb red = At(f, {-6, 3, -5}), green = At(f, {2, -1, -6});
        EXPECT_TRUE(Near(red, {255, 0, 0}, 3)) << red << " at yaw " << yaw;
        EXPECT_TRUE(Near(green, {0, 77, 0}, 3)) << green << " at yaw " << yaw;
    }
}

TEST_F(WorldViewPictureTest, TheCubeIsLitByTheLampsWhereTheyStandInThePagesEyeCoordinates)
{
    page->SetProjection(kOrthographic);
    WorldCamera side;   // looking at the face x = +2.5 square on
    side.yaw = 90, side.pitch = 0, side.target = {0, 0, -8}, side.distance = 25;
    world->SetCamera(side);
    const Vec3 face{2.5, 0.4, -8.3};
    // A lamp beside that face lights it; one in front of the page's eye
    // barely reaches it (the ambient light alone).
    Lamps({60, 0, -8, 1}, {0, 0, 0, 1});
    const Rgb beside = At(world->ReadFrame(), face);
    Lamps({0, 0, 60, 1}, {0, 0, 0, 1});
    const Rgb ahead = At(world->ReadFrame(), face);
    EXPECT_GT(beside.r, 200) << beside;
    EXPECT_LT(ahead.r, 90) << ahead;
}

TEST_F(WorldViewPictureTest, ItsFramesLeaveThePagesContextCurrentAndItsRecordAlone)
{
    const ViewState before = page->State();
    world->Follow(true);
    EXPECT_TRUE(PumpEvents(3000, [this] { return world->Frames() >= 3; }));
    EXPECT_TRUE(page->IsContextCurrent());
    EXPECT_EQ(page->State(), before);
    // The page's record changed: the next frame follows it.
    page->SwitchLamp(kLampBlue, 1);
    EXPECT_TRUE(PumpEvents(2000, [this] { return world->Picture().lamps.at(2).on; }));
    world->Follow(false);
}
