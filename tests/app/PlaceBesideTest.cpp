// Where the code window goes beside the sheet, on the screens users have:
// wholly inside the work area, never over the sheet while there is room.
#include "PlaceBeside.h"

#include <gtest/gtest.h>

namespace {

const wxSize kWanted(640, 620), kSmallest(360, 300);
const wxSize kSheet(550, 563);   // the sheet as it opens at 96 dpi

// Every sheet position a pixel apart, hanging off either edge, at two
// heights: the window at its full height and at least its smallest width.
TEST(PlaceBeside, InsideTheWorkAreaAndBesideTheSheetWhereverItIs)
{
    const wxRect areas[] = {{0, 0, 1280, 720},    {0, 0, 1280, 1024},    {0, 0, 1366, 768},
                            {0, 27, 1366, 741},   {0, 0, 1920, 1080},    {1920, 0, 1280, 800},
                            {0, 0, 1024, 768},    {1920, 27, 1280, 773}, {0, 0, 800, 600}};
    for (const wxRect& area : areas) {
        const bool roomForBoth = area.width >= kSheet.x + 8 + kSmallest.x;
        for (int y : {area.y + 40, area.y + (area.height - kSheet.y) / 2})
            for (int x = area.x - 200; x <= area.GetRight() + 200; ++x) {
                const Placement p = PlaceBeside(wxRect(wxPoint(x, y), kSheet), kWanted, kSmallest, area, 8);
                const wxRect& w = p.second;
                ASSERT_TRUE(area.Contains(p.first) && area.Contains(w) && p.first.GetSize() == kSheet &&
                            (!roomForBoth || !p.first.Intersects(w)) && w.width >= kSmallest.x &&
                            w.height == std::min(kWanted.y, area.height))
                    << "area " << area.x << "," << area.y << " " << area.width << "x" << area.height << ", sheet at "
                    << x << "," << y << ": moved to " << p.first.x << "," << p.first.y << ", window at " << w.x
                    << "," << w.y << " " << w.width << "x" << w.height;
            }
    }
}

TEST(PlaceBeside, TheSheetStaysWhereItIsWhenThereIsRoomElseTheWindowNarrows)
{
    // Room to the right: nothing moves.
    Placement p = PlaceBeside({100, 100, 550, 563}, kWanted, kSmallest, {0, 0, 1920, 1080}, 8);
    EXPECT_EQ(p.first, wxRect(100, 100, 550, 563));
    EXPECT_EQ(p.second, wxRect(658, 100, 640, 620));
    // Room to the left only.
    p = PlaceBeside({1200, 100, 550, 563}, kWanted, kSmallest, {0, 0, 1920, 1080}, 8);
    EXPECT_EQ(p.second, wxRect(552, 100, 640, 620));
    EXPECT_EQ(p.first.GetPosition(), wxPoint(1200, 100));
    // Too little room for the whole width beside the sheet: narrower, the sheet at the left.
    p = PlaceBeside({237, 100, 550, 563}, kWanted, kSmallest, {0, 0, 1024, 768}, 8);
    EXPECT_EQ(p.first.x, 0);
    EXPECT_EQ(p.second, wxRect(558, 100, 466, 620));
    // A screen too small for both: the window keeps its smallest size, over the sheet.
    p = PlaceBeside({0, 0, 550, 563}, kWanted, kSmallest, {0, 0, 800, 600}, 8);
    EXPECT_EQ(p.second, wxRect(440, 0, 360, 600));
}

}
