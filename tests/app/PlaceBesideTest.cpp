// Where the code window goes beside the sheet, on the screens users have:
// wholly inside the work area, never over the sheet while there is room.
#include "PlaceBeside.h"

#include <gtest/gtest.h>

namespace {

const wxSize kWanted(640, 620), kSmallest(360, 300);
const wxSize kSheet(550, 563);   // the sheet as it opens at 96 dpi

wxRect Centred(const wxRect& area, const wxSize& size)
{
    return wxRect(area.x + (area.width - size.x) / 2, area.y + (area.height - size.y) / 2, size.x, size.y);
}

TEST(PlaceBeside, InsideTheWorkAreaAndBesideTheSheetOnEveryCommonScreen)
{
    const wxRect areas[] = {{0, 0, 1280, 720},  {0, 0, 1280, 1024}, {0, 0, 1366, 768}, {0, 27, 1366, 741},
                            {0, 0, 1920, 1080}, {1920, 0, 1280, 800}, {0, 0, 1024, 768}};
    for (const wxRect& area : areas) {
        for (const wxRect& sheet : {Centred(area, kSheet), wxRect(area.GetRight() - 300, area.y + 40, kSheet.x, kSheet.y)}) {
            const Placement p = PlaceBeside(sheet, kWanted, kSmallest, area, 8);
            SCOPED_TRACE(testing::Message() << "area " << area.x << "," << area.y << " " << area.width << "x"
                                            << area.height << ", sheet at " << sheet.x << "," << sheet.y);
            EXPECT_TRUE(area.Contains(p.second)) << p.second.x << "," << p.second.y << " " << p.second.width << "x" << p.second.height;
            EXPECT_TRUE(area.Contains(p.first)) << p.first.x << "," << p.first.y;
            EXPECT_FALSE(p.first.Intersects(p.second));
            EXPECT_EQ(p.first.GetSize(), sheet.GetSize());
            EXPECT_GE(p.second.width, kSmallest.x);
            EXPECT_EQ(p.second.height, std::min(kWanted.y, area.height));
        }
    }
}

// Every sheet position a pixel apart, from hanging off the left edge to
// hanging off the right: the window's every edge, the right one too, stays
// inside, up to the last pixel.
TEST(PlaceBeside, InsideToTheLastPixelWhereverTheSheetIs)
{
    for (const wxRect& area : {wxRect(0, 0, 1366, 768), wxRect(1920, 27, 1280, 773), wxRect(0, 0, 800, 600)}) {
        const bool roomForBoth = area.width >= kSheet.x + 8 + kSmallest.x;
        for (int x = area.x - 200; x <= area.GetRight() + 200; ++x) {
            const wxRect sheet(x, area.y + 40, kSheet.x, kSheet.y);
            const Placement p = PlaceBeside(sheet, kWanted, kSmallest, area, 8);
            ASSERT_TRUE(area.Contains(p.second)) << "sheet at " << x << " in " << area.x << " " << area.width
                                                 << ": window at " << p.second.x << " " << p.second.width;
            ASSERT_TRUE(area.Contains(p.first)) << "sheet at " << x << ": moved to " << p.first.x;
            ASSERT_TRUE(!roomForBoth || !p.first.Intersects(p.second)) << "sheet at " << x;
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
