// The pages under real input: mouse clicks and keys through the X server,
// each page new, and what its window's record and context then hold.
#include "CCubeDlg.h"
#include "CLightDlg.h"
#include "CTexDlg.h"
#include "COpenGLWnd.h"
#include "GLFrame.h"
#include "ResourceIds.h"
#include "ViewMenu.h"
#include "WxTestMain.h"

#include <gtest/gtest.h>
#include <wx/checkbox.h>
#include <wx/frame.h>
#include <wx/slider.h>
#include <wx/uiaction.h>

#include <cstdlib>
#include <string>

namespace {

// A new page in a frame of its own, shown, set up and active.
template <class Page>
struct ShownPage
{
    wxFrame* frame = new wxFrame(nullptr, wxID_ANY, "page", wxPoint(20, 20));
    Page* page = new Page(frame);
    COpenGLWnd* view = page->View();
    wxUIActionSimulator input;

    ShownPage()
    {
        frame->SetClientSize(page->GetMinSize());
        frame->Show();
        EXPECT_TRUE(PumpEvents(10000, [this] { return view->IsSetUp(); }));
        page->OnSetActive();
        PumpEvents(100);
    }
    ~ShownPage()
    {
        page->OnKillActive();
        frame->Destroy();
        PumpEvents(50);
    }
    template <class T> T* Find(int id) const { return dynamic_cast<T*>(page->FindWindow(id)); }
    // The pointer over w, at (x, y) of its client area, or near its left edge.
    void Point(wxWindow* w, wxPoint at = wxPoint(-1, -1))
    {
        input.MouseMove(w->ClientToScreen(at.x < 0 ? wxPoint(6, w->GetClientSize().y / 2) : at));
        PumpEvents(50);
    }
    void ClickOn(wxWindow* w)
    {
        Point(w);
        input.MouseClick();
        PumpEvents(100);
    }
    void Key(int key)
    {
        input.Char(key);
        PumpEvents(100);
    }
    float Size() const { return view->State().scaleX; }
};

// After a drag on the cube, the arrow keys still move the trackbar that had
// the focus; the first move of a new page is exactly one step of 1.1, and
// the menu's Increase and a move there and back leave 1.1 in all.
TEST(PageInput, AfterADragTheArrowKeysStillMoveTheTrackbar)
{
    ShownPage<CCubeDlg> p;
    auto* size = p.Find<wxSlider>(IDC_SIZE);
    ASSERT_TRUE(size);
    size->SetFocus();
    p.Point(p.view, wxPoint(100, 100));
    p.input.MouseDown();
    p.Point(p.view, wxPoint(130, 110));
    p.input.MouseUp();
    PumpEvents(100);
    EXPECT_EQ(wxWindow::FindFocus(), size) << "the cube took the focus";
    EXPECT_NE(p.view->State().angleY, 0.0) << "no drag";
    p.Key(WXK_RIGHT);
    EXPECT_EQ(size->GetValue(), 6);
    EXPECT_EQ(p.Size(), 1.1f);

    wxCommandEvent increase(wxEVT_MENU, ViewMenuItemId(ID_SIZE_INCREASE));
    p.view->ProcessWindowEvent(increase);
    p.Key(WXK_LEFT);
    EXPECT_EQ(size->GetValue(), 5);
    EXPECT_NEAR(p.Size(), 1.1, 1e-6);
}

// Given the focus by the keyboard, the window opens its menu on the Menu
// key, at the place kept for a menu without a pointer.
TEST(PageInput, MenuKeyAsksTheFocusedWindowForItsMenu)
{
    ShownPage<CCubeDlg> p;
    p.Point(p.view, wxPoint(100, 100));
    p.view->SetFocusFromKbd();
    PumpEvents(100);
    ASSERT_TRUE(p.view->HasFocus());
    int asked = 0;
    wxPoint at;
    // Bound after the window's own handler, it runs first and keeps the menu shut.
    p.view->Bind(wxEVT_CONTEXT_MENU, [&](wxContextMenuEvent& e) { ++asked, at = e.GetPosition(); });
    p.Key(WXK_MENU);
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(at, wxDefaultPosition);
}

template <class Page>
struct LampPageInput : testing::Test
{
};
using LampPages = testing::Types<CLightDlg, CTexDlg>;
TYPED_TEST_SUITE(LampPageInput, LampPages);

const int kLampBoxes[3] = {IDC_LAMP_RED, IDC_LAMP_GREEN, IDC_LAMP_BLUE};
const int kLampLabels[3] = {IDC_LABEL_RED, IDC_LABEL_GREEN, IDC_LABEL_BLUE};

// Each box switches its own lamp from its own state: clicked while the other
// two stand opposite, whichever way round.
TYPED_TEST(LampPageInput, EachBoxSwitchesItsOwnLampWhileTheOthersStandOpposite)
{
    ShownPage<TypeParam> p;
    const auto lamps = [&p] {
        const ViewState s = glframe::ReadContextState(p.view->State());
        return std::string() + "01"[s.lamp[0]] + "01"[s.lamp[1]] + "01"[s.lamp[2]];
    };
    for (int target = 0; target < 3; ++target)
        for (bool othersOn : {true, false}) {
            for (int i = 0; i < 3; ++i) {   // every box as the others should stand
                auto* box = p.template Find<wxCheckBox>(kLampBoxes[i]);
                if (box->IsChecked() != othersOn)
                    p.ClickOn(box);
            }
            p.ClickOn(p.template Find<wxCheckBox>(kLampBoxes[target]));
            std::string expected(3, othersOn ? '1' : '0');
            expected[target] = othersOn ? '0' : '1';
            EXPECT_EQ(lamps(), expected) << "box " << target;
        }
}

// Each lamp box sits level with its coloured label (the templates differ by
// a dialog unit at most), left of it.
TYPED_TEST(LampPageInput, EachLampBoxSitsLevelWithItsLabel)
{
    ShownPage<TypeParam> p;
    const int unit = p.page->ConvertDialogToPixels(wxSize(0, 1)).y;
    for (int i = 0; i < 3; ++i) {
        const wxRect box = p.page->FindWindow(kLampBoxes[i])->GetRect();
        const wxRect label = p.page->FindWindow(kLampLabels[i])->GetRect();
        EXPECT_LE(std::abs(box.y - label.y), unit + 1) << "lamp " << i << ": box at " << box.y << ", label at " << label.y;
        EXPECT_LE(box.GetRight(), label.x) << "lamp " << i;
    }
}

}
