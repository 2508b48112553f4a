// The program's start-up, in process: the assertion handler, and the modal
// run of the sheet that the application object performs.
#include "CAllSheets.h"
#include "CSamplesApp.h"

#include "COpenGLWnd.h"
#include "CPageFrame.h"
#include "DialogColours.h"
#include "WxTestMain.h"

#include <gtest/gtest.h>
#include <wx/debug.h>

#include <string>

namespace {

constexpr int kSetUpBound = 10000;   // ms; only a guard against a hang

bool WaitForSetUp(CPageFrame* page)
{
    return PumpEvents(kSetUpBound, [page] { return page->View() && page->View()->IsSetUp(); });
}

TEST(AssertHandler, ReportsOnStandardErrorAndLetsTheProgramGoOn)
{
    testing::internal::CaptureStderr();
    const wxAssertHandler_t previous = InstallAssertHandler();
    wxFAIL_MSG("checked by the start-up test");   // the fatal handler would abort here
    wxSetAssertHandler(previous);   // back to the test main's fatal handler
    const std::string err = testing::internal::GetCapturedStderr();

    EXPECT_NE(err.find("checked by the start-up test"), std::string::npos) << err;
    EXPECT_NE(err.find("StartUpTest.cpp"), std::string::npos) << err;
}

// What the program's start-up does, run in process: the modal sheet with the
// lines page drawing, until the user closes it (each way of closing is tried
// on the real program in ProgramTest).
TEST(DemoSheetRun, RunsModallyWithTheLinesPageDrawingUntilClosed)
{
    struct Seen
    {
        bool found = false, modal = false, drawing = false, animating = false, closed = false;
        wxColour background, text;
    } seen;

    wxTheApp->CallAfter([&] {
        CAllSheets* sheet = nullptr;
        for (wxWindow* w : wxTopLevelWindows)
            if (auto* s = dynamic_cast<CAllSheets*>(w))
                sheet = s;
        if (!sheet)
            return;
        seen.found = true;
        seen.modal = sheet->IsModal();
        if (WaitForSetUp(sheet->Page(0))) {
            seen.drawing = sheet->Page(0)->View()->IsContextCurrent();
            seen.animating = sheet->Page(0)->View()->IsAnimating();
        }
        seen.background = DialogBackground();
        seen.text = DialogText();
        wxKeyEvent escape(wxEVT_CHAR_HOOK);
        escape.m_keyCode = WXK_ESCAPE;
        escape.SetEventObject(sheet);
        sheet->GetEventHandler()->ProcessEvent(escape);
        seen.closed = !sheet->IsModal();
        if (!seen.closed)
            sheet->EndModal(wxID_ABORT);   // never hang the run
    });

    RunDemoSheet();

    ASSERT_TRUE(seen.found) << "no sheet was shown";
    EXPECT_TRUE(seen.modal);
    EXPECT_TRUE(seen.drawing);
    EXPECT_TRUE(seen.animating);
    EXPECT_TRUE(seen.closed) << "Escape left the sheet open";
    EXPECT_EQ(seen.background, wxColour(168, 189, 216));
    EXPECT_EQ(seen.text, wxColour(61, 96, 126));
    for (wxWindow* w : wxTopLevelWindows)
        EXPECT_EQ(dynamic_cast<CAllSheets*>(w), nullptr) << "the sheet outlived its run";
}

}
