// The code window used as a user uses it while the sheet is up: real clicks,
// keys and the wheel through the X server, the clipboard read by another
// program, a saved file read from disk, the text and marks read back from
// the code view itself.
#include "ControlEvents.h"
#include "OtherProgram.h"
#include "ResourceIds.h"
#include "ShownSheet.h"

#include <gtest/gtest.h>
#include <wx/image.h>
#include <wx/uiaction.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <string>

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

// A real click on a switch marks the lines it changed for a while, and only those.
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
// ends in ".c", gets the frame and the code in two files beside it.
TEST_F(CodeWindowInputTest, SaveButtonAsksForANameAndWritesBothFiles)
{
    char name[] = "/tmp/codesave-XXXXXX";
    const fs::path dir = mkdtemp(name), typed = dir / "frame.c", png = dir / "frame.c.png";
    // Another program answers the dialog once it shows.
    EXPECT_EQ(AnswerNewWindow("xdotool windowfocus --sync $w key ctrl+a type --delay 20 '" + typed.string() +
                              "'; xdotool key Return", [this] { ClickOn(Button(w, wxID_SAVE)); }), "");
    PumpEvents(15000, [&] { return fs::exists(png); });
    ASSERT_TRUE(fs::exists(png));
    EXPECT_TRUE(wxImage(png.string(), wxBITMAP_TYPE_PNG).IsOk());
    EXPECT_TRUE(wxString::FromUTF8(ReadFile(dir / "frame.c.c")).StartsWith(wxString::FromUTF8("/* «Линии в пространстве»")));
    std::set<std::string> files;
    for (const auto& entry : fs::directory_iterator(dir))
        files.insert(entry.path().filename().string());
    EXPECT_EQ(files, (std::set<std::string>{"frame.c.c", "frame.c.png"}));
    EXPECT_TRUE(g_boxes.empty());
    fs::remove_all(dir);
}

}
