// The demo sheet in process: its make-up, the context hand-over between the
// pages and the Help button.
#include "CAllSheets.h"
#include "CNoticeBox.h"
#include "CSamplesApp.h"

#include "CCubeDlg.h"
#include "CLightDlg.h"
#include "COpenGLWnd.h"
#include "CPageFrame.h"
#include "CTexDlg.h"
#include "ResourceIds.h"
#include "WxTestMain.h"

#include <gtest/gtest.h>
#include <wx/bookctrl.h>
#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/radiobut.h>

#include <memory>
#include <set>

namespace {

constexpr int kSetUpBound = 10000;   // ms; only a guard against a hang

wxString U(const char* utf8)
{
    return wxString::FromUTF8(utf8);
}

bool WaitForSetUp(CPageFrame* page)
{
    return PumpEvents(kSetUpBound, [page] { return page->View() && page->View()->IsSetUp(); });
}

class SheetTest : public testing::Test
{
protected:
    void SetUp() override { sheet.reset(new CAllSheets(SheetCaption())); }
    void TearDown() override { sheet.reset(); }

    CPageFrame* Page(size_t i) const { return sheet->Page(i); }

    // Selects a tab as a click on it does, with the book control's events.
    void SelectTab(size_t i)
    {
        sheet->GetBookCtrl()->SetSelection(i);
        ASSERT_TRUE(WaitForSetUp(Page(i))) << "page " << i << " never set its window up";
    }

    void ShowAndWait()
    {
        sheet->Show();
        ASSERT_TRUE(WaitForSetUp(Page(0))) << "the first page never set its window up";
    }

    std::unique_ptr<CAllSheets> sheet;
};

TEST_F(SheetTest, HasItsCaptionTabsInOrderAndButtons)
{
    EXPECT_EQ(sheet->GetTitle(), U("OpenGL: фрагменты кода с примерами"));

    ASSERT_EQ(sheet->PageCount(), 3u);
    wxBookCtrlBase* book = sheet->GetBookCtrl();
    EXPECT_EQ(book->GetPageText(0), U("Линии в пространстве"));
    EXPECT_EQ(book->GetPageText(1), U("Освещение"));
    EXPECT_EQ(book->GetPageText(2), U("Наложение текстуры"));
    EXPECT_NE(dynamic_cast<CCubeDlg*>(Page(0)), nullptr);
    EXPECT_NE(dynamic_cast<CLightDlg*>(Page(1)), nullptr);
    EXPECT_NE(dynamic_cast<CTexDlg*>(Page(2)), nullptr);
    EXPECT_EQ(Page(0)->TemplateId(), IDD_CUBE_PAGE);
    EXPECT_EQ(Page(1)->TemplateId(), IDD_LIGHT_PAGE);
    EXPECT_EQ(Page(2)->TemplateId(), IDD_TEX_PAGE);

    EXPECT_EQ(book->GetSelection(), 0);

    for (int id : {wxID_OK, wxID_CANCEL, wxID_HELP})
        EXPECT_NE(wxDynamicCast(sheet->FindWindow(id), wxButton), nullptr) << "button " << id;
    EXPECT_EQ(sheet->FindWindow(wxID_APPLY), nullptr);
}

TEST_F(SheetTest, CarriesBothIconImages)
{
    const wxIconBundle icons = sheet->GetIcons();
    ASSERT_EQ(icons.GetIconCount(), 2u);
    std::set<int> sizes;
    for (size_t i = 0; i < icons.GetIconCount(); ++i) {
        const wxIcon icon = icons.GetIconByIndex(i);
        EXPECT_EQ(icon.GetWidth(), icon.GetHeight());
        sizes.insert(icon.GetWidth());
    }
    EXPECT_EQ(sizes, (std::set<int>{16, 32}));
}

TEST_F(SheetTest, SelectingAStartPageOpensThere)
{
    CAllSheets second(SheetCaption(), nullptr, 1);
    EXPECT_EQ(second.GetBookCtrl()->GetSelection(), 1);
    second.Show();
    ASSERT_TRUE(WaitForSetUp(second.Page(1)));
    EXPECT_EQ(second.ActivePage(), second.Page(1));
    EXPECT_TRUE(second.Page(1)->View()->IsContextCurrent());
    EXPECT_FALSE(second.Page(0)->View()->IsAnimating());
}

TEST_F(SheetTest, OpeningActivatesOnlyTheFirstPage)
{
    EXPECT_EQ(sheet->ActivePage(), nullptr) << "nothing is active before the sheet shows";
    ShowAndWait();
    EXPECT_EQ(sheet->ActivePage(), Page(0));
    EXPECT_TRUE(Page(0)->View()->IsContextCurrent());
    EXPECT_TRUE(Page(0)->View()->IsAnimating());
    for (size_t i : {1u, 2u}) {
        EXPECT_FALSE(Page(i)->View()->IsContextCurrent()) << "page " << i;
        EXPECT_FALSE(Page(i)->View()->IsAnimating()) << "page " << i;
    }
}

TEST_F(SheetTest, SwitchingTabsHandsTheContextToTheVisiblePage)
{
    ShowAndWait();
    // Around the tabs and back: each time only the shown page draws and turns.
    for (size_t shown : {1u, 2u, 0u, 2u, 1u}) {
        SelectTab(shown);
        ASSERT_EQ(sheet->ActivePage(), Page(shown));
        EXPECT_TRUE(Page(shown)->View()->IsContextCurrent()) << "page " << shown;
        EXPECT_TRUE(Page(shown)->View()->IsAnimating()) << "page " << shown;
        for (size_t hidden = 0; hidden < 3; ++hidden) {
            if (hidden == shown)
                continue;
            EXPECT_FALSE(Page(hidden)->View()->IsContextCurrent())
                << "page " << hidden << " hidden behind " << shown;
            EXPECT_FALSE(Page(hidden)->View()->IsAnimating())
                << "page " << hidden << " hidden behind " << shown;
        }
    }
}

TEST_F(SheetTest, ReturningToATabKeepsItsSettings)
{
    ShowAndWait();
    CPageFrame* lines = Page(0);
    COpenGLWnd* view = lines->View();
    auto* perspective = wxDynamicCast(lines->FindWindow(IDC_PERSPECTIVE), wxRadioButton);
    auto* smooth = wxDynamicCast(lines->FindWindow(IDC_SMOOTH), wxCheckBox);
    ASSERT_NE(perspective, nullptr);
    ASSERT_NE(smooth, nullptr);

    perspective->SetValue(true);
    smooth->SetValue(!smooth->GetValue());
    const bool smoothSet = smooth->GetValue();
    view->SetProjection(2);
    view->ScaleBySteps(3, 2);
    view->SetAngles(30.0, 60.0);
    const float scale = view->ScaleX();

    SelectTab(1);
    SelectTab(0);

    EXPECT_EQ(lines->View(), view) << "the page's window was made anew";
    EXPECT_TRUE(perspective->GetValue());
    EXPECT_EQ(smooth->GetValue(), smoothSet);
    EXPECT_TRUE(view->IsPerspective());
    EXPECT_FLOAT_EQ(view->ScaleX(), scale);
    EXPECT_NE(view->ScaleX(), 1.0f);
}

TEST_F(SheetTest, HidingTheSheetStopsTheShownPage)
{
    ShowAndWait();
    SelectTab(1);
    sheet->Show(false);
    EXPECT_EQ(sheet->ActivePage(), nullptr);
    for (size_t i = 0; i < 3; ++i) {
        EXPECT_FALSE(Page(i)->View()->IsAnimating()) << "page " << i;
        EXPECT_FALSE(Page(i)->View()->IsContextCurrent()) << "page " << i;
    }
    // Shown again, it picks up on the tab it was left on.
    sheet->Show();
    EXPECT_EQ(sheet->ActivePage(), Page(1));
    EXPECT_TRUE(Page(1)->View()->IsAnimating());
}

TEST_F(SheetTest, HelpShowsANoteAndReturns)
{
    wxString caption;
    int buttons = -1;
    bool shown = false;
    sheet->CallAfter([&] {
        for (wxWindow* w : wxTopLevelWindows) {
            auto* note = dynamic_cast<CNoticeBox*>(w);
            if (!note || !note->IsModal())
                continue;
            shown = true;
            caption = note->GetTitle();
            buttons = 0;
            for (wxWindow* child : note->GetChildren())
                buttons += wxDynamicCast(child, wxButton) != nullptr;
            note->EndModal(wxID_OK);
        }
    });
    auto* help = wxDynamicCast(sheet->FindWindow(wxID_HELP), wxButton);
    ASSERT_NE(help, nullptr);
    wxCommandEvent click(wxEVT_BUTTON, wxID_HELP);
    click.SetEventObject(help);
    help->GetEventHandler()->ProcessEvent(click);
    PumpEvents(20);   // a call left over when no note came must not outlive the locals

    EXPECT_TRUE(shown);
    EXPECT_EQ(caption, U("Справка"));
    EXPECT_EQ(buttons, 1);
}

}
