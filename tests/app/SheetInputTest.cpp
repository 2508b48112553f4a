// The program's own sheet, shown as the program shows it, under real
// keys through the X server: what each page keeps, and the size keys as a
// keyboard sends them.
#include "ResourceIds.h"
#include "ShownSheet.h"

#include <gtest/gtest.h>
#include <wx/bookctrl.h>

#include <cmath>
#include <functional>

namespace {

// The program's sheet, given the keyboard (a window an earlier test left
// behind must not have it), and its shown page's window once set up.
void WithProgramSheet(const std::function<void(CAllSheets&)>& use)
{
    EXPECT_TRUE(RunProgramSheet([&use](CAllSheets& sheet) {
        sheet.Raise();
        PumpEvents(2000, [&sheet] { return sheet.IsActive(); });
        use(sheet);
    })) << "the program's sheet was not shown";
}
COpenGLWnd* ShownView(CAllSheets& sheet, size_t page)
{
    EXPECT_TRUE(PumpEvents(10000, [&] { return sheet.ActivePage() == sheet.Page(page); })) << "page " << page << " never came";
    EXPECT_TRUE(SetUpAndCurrent(sheet, page));
    return sheet.Page(page)->View();
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
