// The student changes the lighting page's code: the picture, the record and
// the page's controls follow, or the edit is refused with a reason.
#include "FragmentText.h"
#include "LightingCode.h"
#include "ViewCode.h"

#include <wx/radiobut.h>
#include <wx/slider.h>

#include <algorithm>
#include <vector>

namespace {

struct CodeEditInputTest : LightingCode
{
    // The picture as the window draws it now.
    wxImage Frame() { return ReadFrame(*glview); }
};

long Differing(const wxImage& a, const wxImage& b)
{
    long n = 0;
    for (int i = 0; i < a.GetWidth() * a.GetHeight() * 3; ++i)
        n += std::abs(a.GetData()[i] - b.GetData()[i]) > 2;
    return n;
}

// The mean x of the brightest pixels: where the highlight is.
double HighlightX(const wxImage& image)
{
    const int w = image.GetWidth(), pixels = w * image.GetHeight();
    std::vector<int> light(size_t(pixels), 0);
    for (int i = 0; i < 3 * pixels; ++i)
        light[size_t(i / 3)] += image.GetData()[i];
    const int most = *std::max_element(light.begin(), light.end());
    double sum = 0;
    int n = 0;
    for (int i = 0; i < pixels; ++i)
        if (light[size_t(i)] >= most - 6)
            sum += i % w, ++n;
    return sum / n;
}

}

// The fog note as the tick shows it; a density typed between two steps
// puts the trackbar on the nearer of them, above or below, the exact value
// kept; Ctrl+Z brings both back.
TEST_F(CodeEditInputTest, TypingOverTheDensityMovesTheTrackbarAndCtrlZBringsBothBack)
{
    ClickOn(Box(IDC_FOG));
    auto* slider = Control<wxSlider>(1, IDC_FOG_DENSITY);
    ASSERT_TRUE(Says("glFogf(GL_FOG_DENSITY, 0.2f)"));
    ExpectFogNoteFromTheCorners(std::string(Text().utf8_str()));
    const wxImage before = Frame();
    SelectAfter("glFogf(GL_FOG_DENSITY, ", 4);
    Input().Text("0.38f");
    Settle();
    PumpEvents(100);
    EXPECT_EQ(glview->State().fogDensity, 0.38f);
    EXPECT_EQ(slider->GetValue(), 4);
    EXPECT_TRUE(w->Reason().empty()) << w->Reason();
    EXPECT_GT(Differing(before, Frame()), 1000) << "the picture did not follow";

    Input().Char('z', wxMOD_CONTROL);
    Settle();
    EXPECT_EQ(glview->State().fogDensity, 0.2f);
    EXPECT_EQ(slider->GetValue(), 2);
    EXPECT_EQ(Differing(before, Frame()), 0);
    EXPECT_NE(Text().Find("glFogf(GL_FOG_DENSITY, 0.2f)"), wxNOT_FOUND);
    // Both redo keys, and Alt+Up on the number, reach the view in the window.
    for (int modifiers : {int(wxMOD_CONTROL | wxMOD_SHIFT), int(wxMOD_CONTROL)}) {
        Input().Char(modifiers == wxMOD_CONTROL ? 'y' : 'z', modifiers);
        Settle();
        EXPECT_EQ(glview->State().fogDensity, 0.38f) << modifiers;
        Input().Char('z', wxMOD_CONTROL);
        Settle();
    }
    SelectAfter("glFogf(GL_FOG_DENSITY, ", 0);
    Input().Char(WXK_UP, wxMOD_ALT);
    Settle();
    EXPECT_EQ(glview->State().fogDensity, 0.3f);
    EXPECT_EQ(slider->GetValue(), 3);
    PumpEvents(800);   // two clicks, not a double-click
    SelectAfter("glFogf(GL_FOG_DENSITY, ");
    Input().Text("0.31f");
    ASSERT_TRUE(Says("glFogf(GL_FOG_DENSITY, 0.31f)"));
    EXPECT_EQ(glview->State().fogDensity, 0.31f);
    EXPECT_EQ(slider->GetValue(), 3);
}

TEST_F(CodeEditInputTest, DraggingTheRedLampsXMovesTheHighlight)
{
    const wxString number = "position[4] = {";
    ASSERT_TRUE(Says(number + "50.0f"));
    const double before = HighlightX(Frame());
    const wxPoint from = code->ClientToScreen(PointOf(PositionOf(number) + int(number.length()) + 1));
    Input().MouseMove(from);
    Input().MouseDown();
    for (int dx = 50; dx <= 450; dx += 50) {
        Input().MouseMove(from - wxPoint(dx, 0));
        Settle();
    }
    Input().MouseUp();
    Settle();
    EXPECT_LT(glview->State().lampPosition[0][0], 50.0f - 10);
    EXPECT_EQ(glview->State().lampPosition[0][1], 50.0f);
    EXPECT_NE(Text().Find(number + "-50.0f"), wxNOT_FOUND) << "the drag reached the green lamp";
    EXPECT_LT(HighlightX(Frame()), before - 5) << "the highlight stayed where it was";
    Input().Char('z', wxMOD_CONTROL);
    Settle();
    EXPECT_EQ(glview->State().lampPosition[0][0], 50.0f) << "the whole drag is one step";
}

// Pasted from another program at once, so that no part of it is taken first.
TEST_F(CodeEditInputTest, ANegativeDensityIsRefusedWithAReasonAndThePictureKeepsTheLastGoodState)
{
    ClickOn(Box(IDC_FOG));
    ASSERT_TRUE(Says("glFogf(GL_FOG_DENSITY, 0.2f)"));
    const wxImage before = Frame();
    const ViewState good = glview->State();
    PasteOver("glFogf(GL_FOG_DENSITY, ", 4, "-0.1f");
    ASSERT_NE(Text().Find("glFogf(GL_FOG_DENSITY, -0.1f)"), wxNOT_FOUND) << "the paste did not arrive";
    EXPECT_FALSE(w->Reason().empty());
    EXPECT_TRUE(glview->State() == good);
    EXPECT_EQ(Differing(before, Frame()), 0);
    const int at = PositionOf("-0.1f");
    EXPECT_NE(code->IndicatorValueAt(CCodeView::kErrorIndicator, at + 1), 0) << "no underline under the number";
    EXPECT_TRUE(Box(IDC_FOG)->IsChecked());
}

TEST_F(CodeEditInputTest, ResetReturnsThePageToItsOwnCodeAndControls)
{
    const wxString own = (PumpEvents(300), Text());
    ClickOn(Box(IDC_FOG));
    ClickOn(Box(IDC_LAMP_BLUE));
    ASSERT_TRUE(Says("glEnable(GL_FOG);"));
    ClickOn(Button(w, wxID_REVERT_TO_SAVED));
    Settle();
    EXPECT_FALSE(glview->State().fog);
    EXPECT_FALSE(glview->State().lamp[2]);
    EXPECT_TRUE(glview->State().lamp[0]);
    EXPECT_FALSE(Box(IDC_FOG)->IsChecked());
    EXPECT_FALSE(Box(IDC_LAMP_BLUE)->IsChecked());
    EXPECT_EQ(Text(), own);
}

// The fog box, the size trackbar, the projection buttons and the smoothing box.
TEST_F(CodeEditInputTest, TheControlsFollowTheirEditsAndCopyGivesTheCodeAsEdited)
{
    DoubleClickOn("glDisable(GL_FOG);");
    EXPECT_TRUE(glview->State().fog);
    EXPECT_TRUE(Box(IDC_FOG)->IsChecked());
    EXPECT_TRUE(Control<wxSlider>(1, IDC_FOG_DENSITY)->IsShown());

    PasteOver("glScalef(", int(std::string("1.0f, 1.0f, 1.0f").size()), "1.4641f, 1.4641f, 1.4641f");
    EXPECT_EQ(glview->State().scaleY, 1.4641f);
    EXPECT_EQ(Control<wxSlider>(1, IDC_SIZE)->GetValue(), 9) << "1.1 to the 4th, four steps up from 5";

    const std::string ortho = "glOrtho(-6.0, 6.0, -6.0, 6.0, -20.0, 20.0)";
    PasteOver("glLoadIdentity();\n    ", int(ortho.size()), "gluPerspective(30.0, 1.0, 1.0, 100.0)");
    EXPECT_TRUE(glview->State().perspective);
    EXPECT_EQ(glview->State().frustum[0], 30.0);
    EXPECT_TRUE(Control<wxRadioButton>(1, IDC_PERSPECTIVE)->GetValue());
    EXPECT_TRUE(w->Reason().empty()) << w->Reason();

    COpenGLWnd* lines = ShowPage(0);
    DoubleClickOn("glEnable(GL_LINE_SMOOTH);");
    EXPECT_FALSE(lines->State().lineSmoothing);
    EXPECT_FALSE(Control<wxCheckBox>(0, IDC_SMOOTH)->IsChecked());
    PasteOver("glLineWidth(", 4, "2");   // the student's spelling of 2.0f
    EXPECT_EQ(lines->State().lineWidth * lines->State().pixelScale, 2.0f);
    const std::string copied = Copied();
    EXPECT_EQ(wxString::FromUTF8(copied), Text());
    EXPECT_NE(copied.find("glLineWidth(2);"), std::string::npos);
    EXPECT_NE(copied.find("glDisable(GL_LINE_SMOOTH);"), std::string::npos);
}
