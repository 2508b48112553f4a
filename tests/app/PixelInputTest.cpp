// "Почему этот цвет?" as a student uses it, on the program's own sheet with
// real keys and clicks through the X server at a person's pace: the lighting
// page, F1, a Ctrl+click on the cube, the red lamp's box, a click on a step.
// The explanation is read from the pane itself, the marks from the code view.
#include "PixelPane.h"
#include "ResourceIds.h"
#include "ShownSheet.h"
#include "XClients.h"

#include <wx/checkbox.h>

#include <string>

namespace {

constexpr int kPaceMs = 300;

// xdotool, then a person's pause, then what the display made of it handled.
void Xdo(const std::string& args)
{
    Output("xdotool " + args);
    PumpEvents(kPaceMs);
    Settle();
}

std::string PaneText(CCodeWindow* w) { return std::string(w->PixelPane()->GetText().utf8_str()); }

// The worked-out colour as the pane prints it, made of the read-back's bytes.
std::string Worked(const COpenGLWnd::ChosenPixel& p)
{
    return "Рассчитано: " + std::to_string(p.seen[0]) + ", " + std::to_string(p.seen[1]) + ", " +
           std::to_string(p.seen[2]) + ".";
}

}

TEST(PixelInput, CtrlClickOnTheLitCubeExplainsItsColourAndFollowsTheLampBox)
{
    EXPECT_TRUE(RunProgramSheet([](CAllSheets& sheet) {
        sheet.Raise();
        PumpEvents(2000, [&sheet] { return sheet.IsActive(); });
        ClickTab(sheet.GetBookCtrl(), 1);
        ASSERT_TRUE(PumpEvents(10000, [&] { return sheet.ActivePage() == sheet.Page(1); }));
        ASSERT_TRUE(SetUpAndCurrent(sheet, 1));
        COpenGLWnd* view = sheet.Page(1)->View();
        Xdo("key F1");
        ASSERT_TRUE(PumpEvents(5000, [&] { return sheet.CodeWindow() && sheet.CodeWindow()->IsShown(); }));
        CCodeWindow* w = sheet.CodeWindow();
        CPixelPane* pane = w->PixelPane();
        EXPECT_FALSE(pane->IsShown());

        // Clear of the axes, which start near the middle: on the cube at any angle.
        const wxSize size = view->GetClientSize();
        PointAt(view, wxPoint(size.x / 2 - 22, size.y / 2 - 18));
        Xdo("keydown ctrl");
        Xdo("click 1");
        Xdo("keyup ctrl");
        ASSERT_TRUE(PumpEvents(3000, [&] { return pane->IsShown() && view->Pixel().read; }));
        EXPECT_FALSE(view->IsAnimating());
        PumpEvents(kPaceMs);
        const std::string first = PaneText(w);
        EXPECT_NE(first.find("Грань "), std::string::npos) << first;
        EXPECT_NE(first.find(Worked(view->Pixel())), std::string::npos) << Worked(view->Pixel()) << "\n" << first;

        // Followed in the frame the box brings, not at the code window's
        // next look twice a second: no event is handled between the frame
        // and the check, so that look cannot come in between.
        // The focus stayed on the picture: an arrow key moves the pixel.
        const int x = view->Pixel().x;
        Xdo("key Right");
        EXPECT_EQ(view->Pixel().x, x + 1);
        EXPECT_TRUE(PumpEvents(2000, [&] { return PaneText(w).find(Worked(view->Pixel())) != std::string::npos; }))
            << Worked(view->Pixel()) << "\n" << PaneText(w);
        const std::string moved = PaneText(w);
        EXPECT_TRUE(moved != first) << "the pane did not follow the move";

        ClickOn(sheet.Page(1)->FindWindow(IDC_LAMP_RED));
        view->Update();
        EXPECT_TRUE(PaneText(w) != moved) << "the pane kept\n" << moved;
        PumpEvents(kPaceMs);
        EXPECT_NE(PaneText(w).find(Worked(view->Pixel())), std::string::npos) << PaneText(w);

        // The step that comes from the lamps' calls, clicked on its title.
        int step = -1;
        for (size_t i = 0; i < pane->Steps().size() && step < 0; ++i)
            for (const CodeCall& call : pane->Steps()[i].calls)
                if (call.name == "glLightfv")
                    step = int(i);
        ASSERT_GE(step, 0) << PaneText(w);
        pane->ScrollToLine(pane->TitleLine(step));
        PumpEvents(100);
        const int at = pane->PositionFromLine(pane->TitleLine(step));
        ClickOn(pane, pane->PointFromPosition(at) + wxPoint(4, pane->TextHeight(0) / 2));
        ASSERT_TRUE(PumpEvents(2000, [&] { return pane->ChosenStep() == step; }));
        CCodeView* code = w->CodeView();
        bool lamp = false;
        for (int line : pane->MarkedCodeLines())
            lamp = lamp || code->GetLine(line).Contains("glLightfv");
        EXPECT_TRUE(lamp) << "no glLightfv line marked";
        const int firstMarked = pane->MarkedCodeLines().empty() ? -1 : pane->MarkedCodeLines().front();
        EXPECT_GE(firstMarked, code->GetFirstVisibleLine());
        EXPECT_LT(firstMarked, code->GetFirstVisibleLine() + code->LinesOnScreen());
    })) << "the program's sheet was not shown";
}
