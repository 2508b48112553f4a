// The code view edited through the X server, read back from the control's
// text and what it told its listeners.
#include "CCodeView.h"
#include "WxTestMain.h"

#include <gtest/gtest.h>
#include <wx/frame.h>

#include <set>
#include <string>
#include <vector>

namespace {

const char* const kCode = "/* Кубик: освещение и туман */\n"
                          "// Цвет фона — серый\n"
                          "void DrawScene(void)\n"
                          "{\n"
                          "    glClearColor(0.5f, 0.5f, 0.5f, 1.0f);\n"
                          "    glEnable(GL_LIGHTING);\n"
                          "    glDisable(GL_FOG);\n"
                          "    gluPerspective(45.0, 1.0, 1.0, 100.0);\n"
                          "    glLineWidth(2.0f); // толщина линии\n"
                          "    glFogf(GL_FOG_DENSITY, 0.35f);\n"
                          "}\n";

struct CodeViewInputTest : testing::Test
{
    CodeViewInputTest()
    {
        frame->SetSize(frame->FromDIP(wxSize(700, 400)));
        frame->Show();
        view->ShowText(wxString::FromUTF8(kCode));
        view->onEdit = [this](int group) { edits.push_back(group); };
        PumpEvents(3000, [this] { return view->IsShownOnScreen(); });
        PumpEvents(200);
    }
    ~CodeViewInputTest() override
    {
        frame->Destroy();
        PumpEvents(50);
    }

    std::string Text() { return std::string(view->GetText().utf8_str()); }
    std::string Line(int line) { return std::string(view->GetLine(line).Strip(wxString::trailing).utf8_str()); }
    // The byte position of what; the control counts bytes too.
    int Pos(const std::string& what) { return int(Text().find(what)); }
    // Inside the character at pos, on the screen.
    wxPoint ScreenAt(int pos)
    {
        const wxPoint at = view->PointFromPosition(pos);
        return view->ClientToScreen(at + wxPoint(view->FromDIP(2), view->TextHeight(0) / 2));
    }
    void MoveTo(wxPoint to)
    {
        Input().MouseMove(to);
        PumpEvents(2000, [to] { return wxGetMousePosition() == to; });
        Settle();
        PumpEvents(40);   // GTK hands on motion at its frame clock's pace
    }
    // A press at pos, moves right by each of dx, and the release.
    void DragFrom(int pos, std::vector<int> dx)
    {
        const wxPoint at = ScreenAt(pos);
        MoveTo(at);
        Input().MouseDown();
        Settle();
        for (int x : dx)
            MoveTo(at + wxPoint(x, 0));
        Input().MouseUp();
        Settle();
    }
    void DoubleClickAt(int pos)
    {
        MoveTo(ScreenAt(pos));
        Input().MouseDblClick();
        Settle();
    }
    std::set<int> Groups() { return std::set<int>(edits.begin(), edits.end()); }

    wxFrame* frame = new wxFrame(nullptr, wxID_ANY, "code", wxPoint(40, 40));
    CCodeView* view = new CCodeView(frame);
    std::vector<int> edits;
};

// Sideways by three pixels a step of the last digit, to both sides, on past
// the window's edge while the button is held; one gesture throughout.
TEST_F(CodeViewInputTest, DraggingANumberStepsItsLastDigitAndWithShiftFinerAcrossZero)
{
    const int step = view->FromDIP(CCodeView::kPixelsPerStep);
    const int at = Pos("45.0") + 1;
    DragFrom(at, {step * 4, step * 10 + 1, -step * 2});
    EXPECT_EQ(Line(7), "    gluPerspective(44.8, 1.0, 1.0, 100.0);");
    EXPECT_FALSE(view->IsDraggingNumber());
    ASSERT_FALSE(edits.empty());
    EXPECT_EQ(Groups().size(), 1u) << "one drag, one group";
    EXPECT_GE(view->GetCurrentPos(), Pos("44.8"));
    EXPECT_LE(view->GetCurrentPos(), Pos("44.8") + 4);
    MoveTo(ScreenAt(Pos("DrawScene")));   // the button is up: the pointer selects nothing
    EXPECT_EQ(view->GetSelectionStart(), view->GetSelectionEnd()) << "a drag is no selection";

    const int screenRight = wxGetDisplaySize().x - 2, x = ScreenAt(at).x;
    DragFrom(at, {screenRight - x});
    const int steps = (screenRight - x) / step;
    char expected[64];
    std::snprintf(expected, sizeof expected, "    gluPerspective(%.1f, 1.0, 1.0, 100.0);", 44.8 + steps * 0.1);
    EXPECT_EQ(Line(7), expected) << "the drag stopped at the window's edge";
    EXPECT_EQ(Groups().size(), 2u);

    // Shift makes the steps a digit finer; 0 crossed gives a minus, never "-0.0".
    Input().KeyDown(WXK_SHIFT);
    DragFrom(Pos("0.35f"), {step * 5});
    Input().KeyUp(WXK_SHIFT);
    Settle();
    EXPECT_EQ(Line(9), "    glFogf(GL_FOG_DENSITY, 0.355f);");
    DragFrom(Pos("2.0f") + 3, {-step * 25});
    EXPECT_EQ(Line(8), "    glLineWidth(-0.5f); // толщина линии");
    DragFrom(Pos("-0.5f"), {step * 5});
    EXPECT_EQ(Line(8), "    glLineWidth(0.0f); // толщина линии");
}

// With the caret in a number, Alt+Up and Alt+Down step it, Shift finer;
// presses on one number are one gesture. Elsewhere they do nothing.
TEST_F(CodeViewInputTest, AltUpAndDownStepTheNumberAtTheCaret)
{
    DragFrom(Pos("2.0f") + 1, {});   // a click: the caret into the number
    Input().Char(WXK_UP, wxMOD_ALT);
    Input().Char(WXK_UP, wxMOD_ALT);
    Input().Char(WXK_DOWN, wxMOD_ALT);
    Settle();
    EXPECT_EQ(Line(8), "    glLineWidth(2.1f); // толщина линии");
    EXPECT_EQ(Groups().size(), 1u);
    Input().Char(WXK_UP, wxMOD_ALT | wxMOD_SHIFT);
    Input().Char(WXK_UP, wxMOD_ALT | wxMOD_SHIFT);
    Settle();
    EXPECT_EQ(Line(8), "    glLineWidth(2.12f); // толщина линии");
    EXPECT_EQ(Groups().size(), 2u);

    const std::string before = Text();
    DragFrom(Pos("GL_FOG);") + 2, {});
    Input().Char(WXK_UP, wxMOD_ALT);
    Settle();
    EXPECT_EQ(Text(), before);
    EXPECT_EQ(Groups().size(), 2u);
}

// Each toggle a gesture of its own; elsewhere a word is selected as ever.
TEST_F(CodeViewInputTest, DoubleClickTogglesEnableAndDisable)
{
    DoubleClickAt(Pos("glEnable") + 3);
    EXPECT_EQ(Line(5), "    glDisable(GL_LIGHTING);");
    DoubleClickAt(Pos("glDisable(GL_FOG") + 5);
    EXPECT_EQ(Line(6), "    glEnable(GL_FOG);");
    DoubleClickAt(Pos("DrawScene") + 2);
    EXPECT_EQ(view->GetSelectedText(), "DrawScene");
    DoubleClickAt(Pos("100.0") + 2);
    EXPECT_EQ(view->GetSelectedText(), "100.0");
    EXPECT_EQ(Groups().size(), 2u);
}

// One group until the caret goes elsewhere; the caret kept at its column in
// a line the update replaced, below a line whose length it changed.
TEST_F(CodeViewInputTest, TypingIsToldInRunsAndUpdatesAreNotAndKeepTheCaret)
{
    MoveTo(ScreenAt(Pos("Scene") + 1));
    Input().MouseClick();
    Input().Char(WXK_END);
    Input().Text("xy");
    Input().Char(WXK_BACK);
    PumpEvents(100);
    EXPECT_EQ(Line(2), "void DrawScene(void)x");
    ASSERT_GE(edits.size(), 1u);
    EXPECT_EQ(Groups().size(), 1u) << "one run";
    Input().Char(WXK_HOME);
    Input().Text("z");
    Input().Char(WXK_DOWN);
    Input().Text("w");
    PumpEvents(100);
    EXPECT_EQ(Line(2), "zvoid DrawScene(void)x");
    EXPECT_EQ(Groups().size(), 3u) << "the caret moved: new runs";

    const size_t told = edits.size();
    const int line = view->GetCurrentLine(), column = view->GetColumn(view->GetCurrentPos());
    ASSERT_EQ(line, 3);
    std::string changed = Text();
    changed.replace(changed.find("серый"), 10, "светло-серый");
    const std::string typedIn = Line(3);
    changed.replace(changed.find("\n" + typedIn + "\n") + 1, typedIn.size(), typedIn + " /* начало */");
    view->ShowText(wxString::FromUTF8(changed));
    PumpEvents(100);
    EXPECT_EQ(Text(), changed);
    EXPECT_EQ(edits.size(), told) << "an update is no user's edit";
    EXPECT_EQ(view->GetCurrentLine(), line);
    EXPECT_EQ(view->GetColumn(view->GetCurrentPos()), column);
}

// While a number is dragged an update keeps the drag's line and brings the
// others; one with other lines waits for the release.
TEST_F(CodeViewInputTest, UpdatesDuringADragLeaveTheDraggedLine)
{
    const int step = view->FromDIP(CCodeView::kPixelsPerStep);
    const wxPoint at = ScreenAt(Pos("0.35f") + 3);
    MoveTo(at);
    Input().MouseDown();
    MoveTo(at + wxPoint(step * 2, 0));
    ASSERT_TRUE(view->IsDraggingNumber());
    EXPECT_EQ(wxWindow::GetCapture(), view);
    std::string update = kCode;
    update.replace(update.find("45.0"), 4, "30.0");
    view->ShowText(wxString::FromUTF8(update));
    EXPECT_EQ(Line(7), "    gluPerspective(30.0, 1.0, 1.0, 100.0);");
    EXPECT_EQ(Line(9), "    glFogf(GL_FOG_DENSITY, 0.37f);");
    view->ShowText(wxString::FromUTF8(update + "/* end */\n"));
    EXPECT_EQ(view->GetLineCount(), 12);
    MoveTo(at + wxPoint(step * 3, 0));
    EXPECT_EQ(Line(9), "    glFogf(GL_FOG_DENSITY, 0.38f);");
    Input().MouseUp();
    Settle();
    EXPECT_EQ(Text(), update + "/* end */\n");
}

// Bytes, after lines of Cyrillic.
TEST_F(CodeViewInputTest, ErrorUnderlinesItsBytesUntilTheNextUpdate)
{
    const int from = Pos("100.0"), length = 5;
    ASSERT_GT(from, int(wxString::FromUTF8(kCode).Find("100.0")));   // bytes, not characters
    view->ShowError(from, length);
    for (int pos = 0; pos < view->GetLength(); ++pos)
        ASSERT_EQ(view->IndicatorValueAt(CCodeView::kErrorIndicator, pos), pos >= from && pos < from + length)
            << "at " << pos;
    EXPECT_TRUE(view->IndicatorAllOnFor(from) & (1 << CCodeView::kErrorIndicator));
    view->ShowText(wxString::FromUTF8(kCode));
    EXPECT_FALSE(view->IndicatorAllOnFor(from) & (1 << CCodeView::kErrorIndicator));
    view->ShowError(view->GetLength(), 0);   // at the very end: the last character
    EXPECT_EQ(view->IndicatorValueAt(CCodeView::kErrorIndicator, view->GetLength() - 1), 1);
    view->ClearError();
    EXPECT_EQ(view->IndicatorValueAt(CCodeView::kErrorIndicator, view->GetLength() - 1), 0);
}

}
