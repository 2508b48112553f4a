// The shell in process: the sheet, the program's start-up and run, its notices.
#include "CNoticeBox.h"
#include "ContextAgreement.h"
#include "GLBinding.h"
#include "LoadBmpImage.h"
#include "ResourceIds.h"
#include "ShownSheet.h"
#include "Texts.h"

#include <wx/button.h>
#include <wx/dcscreen.h>
#include <wx/stattext.h>

#include <cstdio>
#include <set>
#include <utility>

namespace {

// Presses key, or OK when key is 0: whether that closed the dialog. One left
// open is ended anyway, so that no test hangs.
bool Close(wxDialog* dialog, int key)
{
    wxKeyEvent press(wxEVT_CHAR_HOOK);
    press.m_keyCode = key;
    wxCommandEvent click(wxEVT_BUTTON, wxID_OK);
    dialog->ProcessWindowEvent(key ? static_cast<wxEvent&>(press) : click);
    const bool closed = !dialog->IsModal();
    if (!closed)
        dialog->EndModal(wxID_ABORT);
    return closed;
}

// As the screen shows it: right of the last tab, and between Help and Cancel.
TEST(Sheet, TabStripAndButtonRowHaveTheDialogBackground)
{
    CAllSheets sheet(SheetCaption());
    sheet.SetPosition(wxPoint(0, 0));
    sheet.Show();
    PumpEvents(300);
    const wxRect book = sheet.GetBookCtrl()->GetScreenRect();
    const wxRect help = sheet.FindWindow(wxID_HELP)->GetScreenRect();
    const wxPoint probes[] = {{book.GetRight() - 4, book.y + 4}, {help.GetRight() + 12, help.y + help.height / 2}};
    for (const wxPoint& at : probes) {
        wxScreenDC screen;
        wxColour seen;
        screen.GetPixel(at, &seen);
        EXPECT_EQ(seen.GetAsString(wxC2S_HTML_SYNTAX), "#A8BDD8") << "at " << at.x << "," << at.y;
    }
    sheet.Show(false);
}

// Only the shown page's window has its context current and its timer running.
testing::AssertionResult OnlyShownIsLive(CAllSheets& sheet, size_t shown)
{
    for (size_t i = 0; i < 3; ++i) {
        const COpenGLWnd* view = sheet.Page(i)->View();
        if (view->IsContextCurrent() != (i == shown) || view->IsAnimating() != (i == shown))
            return testing::AssertionFailure() << "page " << i << " with page " << shown << " shown: current "
                                               << view->IsContextCurrent() << ", animating " << view->IsAnimating();
    }
    return testing::AssertionSuccess();
}

TEST(Sheet, TourOfTheTabsHandsOverContextAndTimerAndKeepsSettings)
{
    CAllSheets sheet(SheetCaption());
    sheet.Show();
    COpenGLWnd* lines = sheet.Page(0)->View();
    ASSERT_TRUE(SetUpAndCurrent(sheet, 0));
    for (int id : {IDC_PERSPECTIVE, IDC_SMOOTH})
        ClickOn(sheet.Page(0)->FindWindow(id));
    const ViewState set = lines->State();
    EXPECT_TRUE(set.perspective && !set.lineSmoothing) << "the clicks did not reach the window";

    for (size_t shown : {0u, 1u, 2u, 0u}) {
        sheet.GetBookCtrl()->SetSelection(shown);   // as a click on the tab does
        ASSERT_TRUE(SetUpAndCurrent(sheet, shown)) << shown;
        EXPECT_TRUE(OnlyShownIsLive(sheet, shown));
    }
    lines->SetAngles(set.angleX, set.angleY);
    EXPECT_TRUE(lines->State() == set);
    EXPECT_TRUE(AgreesWithContext(set)) << "the context lost a setting";
}

TEST(Sheet, ClosingItWhileAPageTurnsLeavesNoTimerAndNoContext)
{
    for (size_t shown : {0u, 2u}) {
        CAllSheets sheet(SheetCaption());
        sheet.GetBookCtrl()->SetSelection(shown);
        sheet.Show();
        COpenGLWnd* view = sheet.Page(shown)->View();
        ASSERT_TRUE(SetUpAndCurrent(sheet, shown));
        const double angle = view->State().angleY;
        ASSERT_TRUE(PumpEvents(3000, [&] { return view->State().angleY != angle; })) << "page " << shown << " stands";
        PointAt(sheet.GetBookCtrl());
        Input().Char(WXK_ESCAPE);
        ASSERT_TRUE(PumpEvents(3000, [&sheet] { return !sheet.IsShown(); })) << "Escape left the sheet open";
        for (size_t i = 0; i < 3; ++i)
            EXPECT_FALSE(sheet.Page(i)->View()->IsAnimating()) << "page " << i << " with page " << shown << " shown";
        EXPECT_EQ(glbinding::CurrentContext(), nullptr) << "page " << shown << " shown";
    }
}

// After a new page's first paint, several changes in one turn of the event
// loop, before its set-up runs; the picture shown at the end moves.
TEST(Sheet, TabChangesBeforeASetUpLeaveOnlyTheShownPageLive)
{
    const struct { size_t first; std::vector<size_t> burst; } kCases[] = {
        {1, {0}}, {1, {2, 0}}, {2, {0, 1}}, {2, {1, 0, 2}}, {1, {0, 1}}};
    for (const auto& c : kCases) {
        CAllSheets sheet(SheetCaption());
        sheet.Show();
        wxBookCtrlBase* book = sheet.GetBookCtrl();
        COpenGLWnd* fresh = sheet.Page(c.first)->View();
        // Bound after the window's own handler, it runs before it: the burst
        // is queued ahead of the set-up that the window's paint queues.
        bool burst = false;
        fresh->Bind(wxEVT_PAINT, [&](wxPaintEvent& e) {
            e.Skip();
            if (!std::exchange(burst, true))
                wxTheApp->CallAfter([&] { for (size_t page : c.burst) book->SetSelection(page); });
        });
        book->SetSelection(c.first);
        const size_t shown = c.burst.back();
        COpenGLWnd* view = sheet.Page(shown)->View();
        ASSERT_TRUE(PumpEvents(10000, [&] { return fresh->IsSetUp() && view->IsSetUp(); })) << c.first;
        PumpEvents(50);
        EXPECT_TRUE(OnlyShownIsLive(sheet, shown)) << "first " << c.first;
        int frames = 0;
        COpenGLWnd::ObserveFrames([&](COpenGLWnd& w) { frames += &w == view; });
        const double angle = view->State().angleY;
        EXPECT_TRUE(PumpEvents(3000, [&] { return frames >= 3 && view->State().angleY != angle; }))
            << "the shown picture froze after first " << c.first;
        COpenGLWnd::ObserveFrames(nullptr);
    }
}

// The value found (hex for a mask), else the byte at fault or the file's name.
TEST(NoticeBox, EveryRefusalIsToldInItsOwnSentenceWithItsNumbers)
{
    DibFailure failure;
    failure.found = 257;
    failure.limit = 202;
    failure.at = 303;
    std::snprintf(failure.name, sizeof failure.name, "R&D.bmp");
    std::set<wxString> sentences;
    for (int r = int(DibReason::CannotOpen); r <= int(DibReason::OutOfMemory); ++r) {
        failure.reason = DibReason(r);
        const wxString text = RefusalText(failure);
        EXPECT_TRUE(text.Contains(r == int(DibReason::CannotOpen) ? "R&D.bmp"
                                  : r == int(DibReason::RleMalformed) ? "303"
                                  : r == int(DibReason::Masks) ? "0x101" : "257"))
            << DibReasonName(failure.reason) << ": " << text;
        EXPECT_TRUE(sentences.insert(text).second) << DibReasonName(failure.reason) << " repeats: " << text;
    }
}

TEST(StartUp, AssertionsAreReportedOnStandardErrorAndTheProgramGoesOn)
{
    std::string reported;
    EXPECT_TRUE(RunProgramSheet([&reported](CAllSheets&) {
        testing::internal::CaptureStderr();
        wxFAIL_MSG("reported, not fatal");   // the test's own handler would abort here
        reported = testing::internal::GetCapturedStderr();
    }));
    EXPECT_NE(reported.find("reported, not fatal"), std::string::npos);
}

// Modeless, so that the code window beside it gets input too; the box is
// modal, in the dialog colours, closed by OK or Escape; Escape ends the run.
TEST(StartUp, RunShowsTheSheetAndTellsLoadFailuresInNoticeBoxes)
{
    bool sheetClosed = false;
    int boxes = 0;
    ASSERT_TRUE(RunProgramSheet([&](CAllSheets& sheet) {
        for (int key : {0, int(WXK_ESCAPE)}) {
            wxTheApp->CallAfter([&boxes, key] {
                CNoticeBox* box = ModalWindow<CNoticeBox>();
                if (!box)
                    return;
                ++boxes;
                // Its words in each language: tests/i18n; here the name, its "&" kept.
                EXPECT_EQ(box->GetTitle(), Tr("Ошибка"));
                EXPECT_TRUE(box->Text().EndsWith(" R&D missing.bmp.")) << box->Text();
                EXPECT_EQ(box->GetBackgroundColour(), wxColour(168, 189, 216));
                EXPECT_EQ(box->GetChildren().size(), 2u) << "more than a text and a button";
                EXPECT_NE(dynamic_cast<wxButton*>(box->FindWindow(wxID_OK)), nullptr);
                for (wxWindow* child : box->GetChildren())
                    EXPECT_TRUE(dynamic_cast<wxButton*>(child) || (dynamic_cast<wxStaticText*>(child) &&
                                child->GetForegroundColour() == wxColour(61, 96, 126)));
                EXPECT_TRUE(Close(box, key)) << (key ? "Escape" : "OK") << " left the box open";
            });
            EXPECT_EQ(LoadBmpImage("R&D missing.bmp"), nullptr);
        }
        wxKeyEvent escape(wxEVT_CHAR_HOOK);
        escape.m_keyCode = WXK_ESCAPE;
        sheet.ProcessWindowEvent(escape);
        sheetClosed = !sheet.IsShown();
    })) << "no modeless sheet was shown";
    EXPECT_EQ(boxes, 2) << "a load failure showed no box";
    EXPECT_TRUE(sheetClosed) << "Escape left the sheet open";
}

}
