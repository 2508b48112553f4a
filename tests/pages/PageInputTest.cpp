// The pages under real input: mouse clicks and keys through the X server,
// each page new, and what its window's record and context then hold.
#include "CCubeDlg.h"
#include "CLightDlg.h"
#include "CTexDlg.h"
#include "GLFrame.h"
#include "ResourceIds.h"
#include "ShownPage.h"
#include "ViewMenu.h"

#include <wx/checkbox.h>
#include <wx/slider.h>
#include <wx/uiaction.h>

#include <cstdlib>
#include <string>

namespace {

void Key(int key)
{
    wxUIActionSimulator().Char(key);
    PumpEvents(100);
}

// After a drag on the cube, the arrow keys still move the trackbar that had
// the focus; the first move of a new page is exactly one step of 1.1, and
// the menu's Increase and a move there and back leave 1.1 in all.
TEST(PageInput, AfterADragTheArrowKeysStillMoveTheTrackbar)
{
    ShownPage<CCubeDlg> p;
    auto* size = p.Find<wxSlider>(IDC_SIZE);
    ASSERT_TRUE(size);
    size->SetFocus();
    PointAt(p.view, wxPoint(100, 100));
    Input().MouseDown();
    ASSERT_TRUE(PumpEvents(2000, [&p] { return p.view->IsDragging(); })) << "no press";
    // A drag of a few steps, as a hand makes it; GTK hands motion on at its
    // next frame, so each step waits for the turn a while.
    const auto turned = [&p] { return p.view->State().angleY != 0.0; };
    for (int dx = 10; dx <= 50 && !turned(); dx += 10) {
        PointAt(p.view, wxPoint(100 + dx, 100 + dx / 3));
        PumpEvents(400, turned);
    }
    EXPECT_TRUE(turned()) << "no drag";
    Input().MouseUp();
    EXPECT_TRUE(PumpEvents(2000, [&p] { return !p.view->IsDragging(); }));
    EXPECT_EQ(wxWindow::FindFocus(), size) << "the cube took the focus";
    Key(WXK_RIGHT);
    EXPECT_EQ(size->GetValue(), 6);
    EXPECT_EQ(p.view->State().scaleX, 1.1f);

    wxCommandEvent increase(wxEVT_MENU, ViewMenuItemId(ID_SIZE_INCREASE));
    p.view->ProcessWindowEvent(increase);
    Key(WXK_LEFT);
    EXPECT_EQ(size->GetValue(), 5);
    EXPECT_NEAR(p.view->State().scaleX, 1.1, 1e-6);
}

// Given the focus by the keyboard, the window opens its menu on the Menu
// key, at the place kept for a menu without a pointer.
TEST(PageInput, MenuKeyAsksTheFocusedWindowForItsMenu)
{
    ShownPage<CCubeDlg> p;
    PointAt(p.view, wxPoint(100, 100));
    p.view->SetFocusFromKbd();
    PumpEvents(100);
    ASSERT_TRUE(p.view->HasFocus());
    int asked = 0;
    wxPoint at;
    // Bound after the window's own handler, it runs first and keeps the menu shut.
    p.view->Bind(wxEVT_CONTEXT_MENU, [&](wxContextMenuEvent& e) { ++asked, at = e.GetPosition(); });
    Key(WXK_MENU);
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(at, wxDefaultPosition);
}

// The lamp boxes of both lamp pages, under real clicks.
template <class Page>
struct LampInput : testing::Test, ShownPage<Page>
{
    wxWindow* Box(int i) const { return this->page->FindWindow(IDC_LAMP_RED + i); }
    void Toggle(int i) { ClickOn(Box(i)); }
};
using LampPages = testing::Types<CLightDlg, CTexDlg>;
TYPED_TEST_SUITE(LampInput, LampPages);

// Each box switches its own lamp from its own state: clicked while the other
// two stand opposite, whichever way round.
TYPED_TEST(LampInput, EachBoxSwitchesItsOwnLampWhileTheOthersStandOpposite)
{
    for (int target = 0; target < 3; ++target)
        for (bool othersOn : {true, false}) {
            for (int i = 0; i < 3; ++i)   // every box as the others should stand
                if (static_cast<wxCheckBox*>(this->Box(i))->IsChecked() != othersOn)
                    this->Toggle(i);
            this->Toggle(target);
            const ViewState s = glframe::ReadContextState(this->view->State());
            std::string expected(3, "01"[othersOn]), lamps = {"01"[s.lamp[0]], "01"[s.lamp[1]], "01"[s.lamp[2]]};
            expected[target] = "10"[othersOn];
            EXPECT_EQ(lamps, expected) << "box " << target;
        }
}

// Each lamp box sits level with its coloured label (the templates differ by
// a dialog unit at most), left of it.
TYPED_TEST(LampInput, EachLampBoxSitsLevelWithItsLabel)
{
    const int unit = this->page->ConvertDialogToPixels(wxSize(0, 1)).y;
    for (int i = 0; i < 3; ++i) {
        const wxRect box = this->Box(i)->GetRect(), label = this->page->FindWindow(IDC_LABEL_RED + i)->GetRect();
        EXPECT_LE(std::abs(box.y - label.y), unit + 1) << "lamp " << i << ": box at " << box.y << ", label at " << label.y;
        EXPECT_LE(box.GetRight(), label.x) << "lamp " << i;
    }
}

}
