// The code window used through the X server while the sheet is up.
#include "OtherProgram.h"
#include "ResourceIds.h"
#include "ShownSheet.h"

#include <wx/image.h>

#include <cstdlib>

namespace {

namespace fs = std::filesystem;

struct CodeWindowInputTest : ShownSheet
{
    CodeWindowInputTest()
    {
        ShowPage(0);
        PumpEvents(100);
        w = sheet.OpenCodeWindow();
        view = w->CodeView();
        PumpEvents(300);
    }
    // A real click into the text, which takes the focus.
    void ClickIntoText() { ClickOn(view, wxPoint(view->GetClientSize().x / 2, 40)); }

    CCodeWindow* w = nullptr;
    CCodeView* view = nullptr;
};

// The wheel scrolls while the cube turns and the text follows it, and the
// place, the caret and the selection stay through the updates.
TEST_F(CodeWindowInputTest, WheelScrollsAndUpdatesKeepThePlaceCaretAndSelection)
{
    ClickIntoText();
    ASSERT_TRUE(sheet.ActivePage()->View()->IsAnimating());
    const wxPoint at = view->GetScreenRect().GetPosition() + wxPoint(view->GetSize().x / 2, view->GetSize().y / 2);
    std::system(("xdotool mousemove " + std::to_string(at.x) + " " + std::to_string(at.y) + " click --repeat 8 5").c_str());
    PumpEvents(300);
    const int top = view->GetFirstVisibleLine();
    EXPECT_GT(top, 5) << "the wheel did not scroll";
    view->SetSelection(view->PositionFromLine(top + 2), view->PositionFromLine(top + 3));
    const wxString fragment = w->Fragment();
    EXPECT_TRUE(PumpEvents(3000, [&] { return w->Fragment() != fragment; })) << "no update while turning";
    PumpEvents(2 * CCodeWindow::kRefreshMs);
    EXPECT_EQ(view->GetFirstVisibleLine(), top);
    EXPECT_EQ(view->GetSelectionStart(), view->PositionFromLine(top + 2));
    EXPECT_EQ(view->GetSelectionEnd(), view->PositionFromLine(top + 3));
}

TEST_F(CodeWindowInputTest, ASwitchMarksTheLinesItChangedForAWhile)
{
    ClickOn(Control<wxWindow>(0, IDC_SMOOTH));
    ASSERT_TRUE(PumpEvents(2000, [&] { return !view->MarkedLines().empty(); })) << "nothing marked";
    std::set<std::string> marked;
    for (int line : view->MarkedLines())
        marked.insert(std::string(view->GetLine(line).Strip(wxString::both).utf8_str()));
    EXPECT_EQ(marked, (std::set<std::string>{"glDisable(GL_LINE_SMOOTH);", "glDisable(GL_BLEND);", "glLineWidth(1.0f);"}));
    EXPECT_TRUE(PumpEvents(CCodeView::kMarkMs + 1000, [&] { return view->MarkedLines().empty(); }));
}

// The Save button opens the file dialog; the name typed there, one that
// ends in ".c", gets the frame and the code as the window shows them in two
// files beside it.
TEST_F(CodeWindowInputTest, SaveButtonAsksForANameAndWritesBothFiles)
{
    COpenGLWnd* shown = sheet.ActivePage()->View();
    shown->SetAngles(30, -40);   // a still fragment to compare with
    const fs::path dir = NewFolder(), typed = dir / "frame.c", png = dir / "frame.c.png";
    // Another program answers the dialog once it shows.
    EXPECT_EQ(AnswerNewWindow("xdotool windowfocus --sync $w key ctrl+a type --delay 20 '" + typed.string() +
                              "'; xdotool key Return", [this] { ClickOn(Button(w, wxID_SAVE)); }), "");
    PumpEvents(15000, [&] { return fs::exists(png); });
    const wxImage frame(png.string(), wxBITMAP_TYPE_PNG);
    ASSERT_TRUE(frame.IsOk());
    EXPECT_EQ(frame.GetSize(), wxSize(shown->State().width, shown->State().height));
    EXPECT_EQ(wxColour(frame.GetRed(2, 2), frame.GetGreen(2, 2), frame.GetBlue(2, 2)), wxColour(61, 94, 125));
    const wxString code = wxString::FromUTF8(ReadFile(dir / "frame.c.c"));
    EXPECT_TRUE(code.StartsWith(wxString::FromUTF8("/* «Линии в пространстве»")));
    EXPECT_EQ(code, w->Fragment());
    EXPECT_EQ(FilesIn(dir), (std::set<std::string>{"frame.c.c", "frame.c.png"}));
    EXPECT_TRUE(g_boxes.empty());
    fs::remove_all(dir);
}

}
