// The program's own sheet, shown as the program shows it, under real
// keys through the X server: what each page keeps, and the size keys as a
// keyboard sends them.
#include "CAllSheets.h"
#include "CSamplesApp.h"

#include "COpenGLWnd.h"
#include "CPageFrame.h"
#include "ResourceIds.h"
#include "WxTestMain.h"

#include <gtest/gtest.h>
#include <wx/bookctrl.h>

#include <cmath>
#include <functional>

namespace {

// Runs the program's sheet and, once it is up, use(sheet) within its event
// loop; then a real Escape closes it.
void WithProgramSheet(const std::function<void(CAllSheets&)>& use)
{
    bool used = false;
    wxTheApp->CallAfter([&] {
        auto* sheet = dynamic_cast<CAllSheets*>(wxTheApp->GetTopWindow());
        if (sheet && sheet->IsShown()) {
            used = true;
            // The keys go to the focused window: a window an earlier test
            // left behind must not have the keyboard.
            sheet->Raise();
            PumpEvents(2000, [sheet] { return sheet->IsActive(); });
            use(*sheet);
            Input().Char(WXK_ESCAPE);
        }
        // No test hangs: the program's loop ends when its sheet hides.
        if (!PumpEvents(3000, [] { return !wxTheApp->GetTopWindow() || !wxTheApp->GetTopWindow()->IsShown(); }))
            wxTheApp->GetTopWindow()->Hide();
    });
    RunDemoSheet();
    EXPECT_TRUE(used) << "the program's sheet was not shown";
}

// The shown page's window once it is set up and current.
COpenGLWnd* ShownView(CAllSheets& sheet, size_t page)
{
    COpenGLWnd* view = sheet.Page(page)->View();
    EXPECT_TRUE(PumpEvents(10000, [&] { return sheet.ActivePage() == sheet.Page(page) && view->IsSetUp(); }))
        << "page " << page << " never came";
    return view;
}

// A real click on the tab of page.
void ClickTab(wxBookCtrlBase* book, int page)
{
    for (int y = 2; y < 60; y += 4)
        for (int x = 2; x < book->GetClientSize().x; x += 4)
            if (book->HitTest(wxPoint(x, y)) == page)
                return ClickOn(book, wxPoint(x + 8, y + 4));
    ADD_FAILURE() << "no tab for page " << page;
}

// Each page's trackbar moves from where that page's own trackbar stood.
TEST(SheetInput, EachPageKeepsItsOwnSizePosition)
{
    WithProgramSheet([](CAllSheets& sheet) {
        COpenGLWnd* lines = ShownView(sheet, 0);
        sheet.Page(0)->FindWindow(IDC_SIZE)->SetFocus();
        for (int i = 0; i < 2; ++i)
            Input().Char(WXK_RIGHT);
        EXPECT_TRUE(PumpEvents(2000, [lines] { return std::fabs(lines->State().scaleX - 1.21f) < 1e-5; }))
            << lines->State().scaleX;

        ClickTab(sheet.GetBookCtrl(), 1);
        COpenGLWnd* lamps = ShownView(sheet, 1);
        const float start = lamps->State().scaleX;
        sheet.Page(1)->FindWindow(IDC_SIZE)->SetFocus();
        Input().Char(WXK_RIGHT);
        EXPECT_TRUE(PumpEvents(2000, [&] { return lamps->State().scaleX != start; }));
        EXPECT_NEAR(lamps->State().scaleX, start * 1.1, 1e-5) << "from " << start;
    });
}

// Ctrl and plus as a US keyboard types it: Ctrl, Shift and the '=' key.
TEST(SheetInput, CtrlShiftEqualsScalesTheCubeUpAsTheMenuDoes)
{
    WithProgramSheet([](CAllSheets& sheet) {
        COpenGLWnd* view = ShownView(sheet, 0);
        sheet.Page(0)->FindWindow(IDC_SMOOTH)->SetFocus();
        const float start = view->State().scaleX;
        Input().Char('=', wxMOD_CONTROL | wxMOD_SHIFT);
        EXPECT_TRUE(PumpEvents(2000, [&] { return view->State().scaleX == start * 1.1f; }))
            << view->State().scaleX << " from " << start;
    });
}

}
