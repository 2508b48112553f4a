// The student types in the lighting page's code at a person's pace, while
// the cube turns.
#include "LightingCode.h"

#include <wx/slider.h>

namespace {

constexpr int kKeyPaceMs = 150;

struct CodeTypingInputTest : LightingCode
{
    CodeTypingInputTest()
    {
        ClickOn(Box(IDC_FOG));
        PumpEvents(300);
    }
    void Type(const std::string& keys)
    {
        for (char c : keys) {
            Input().Char(c == '\n' ? int(WXK_RETURN) : int(c));
            PumpEvents(kKeyPaceMs);
        }
        Settle();
    }
    void Key(int key, int mods = wxMOD_NONE)
    {
        Input().Char(key, mods);
        PumpEvents(kKeyPaceMs);
    }
    void StartTurning()
    {
        ClickOn(glview, wxPoint(glview->GetClientSize().x / 2, glview->GetClientSize().y / 2), wxMOUSE_BTN_LEFT, true);
        EXPECT_TRUE(PumpEvents(2000, [this] { return glview->IsAnimating(); }));
    }
};

}

TEST_F(CodeTypingInputTest, AFloatItCannotHoldTypedKeyByKeyOverTheDensityStaysAsTyped)
{
    StartTurning();
    SelectAfter("glFogf(GL_FOG_DENSITY, ");
    Type("0.3f");
    PumpEvents(2 * CCodeWindow::kRefreshMs);
    EXPECT_TRUE(w->Reason().empty()) << w->Reason();
    EXPECT_EQ(glview->State().fogDensity, 0.3f);
    EXPECT_NE(Copied().find("glFogf(GL_FOG_DENSITY, 0.3f);"), std::string::npos) << Text();
    EXPECT_EQ(Control<wxSlider>(1, IDC_FOG_DENSITY)->GetValue(), 3);
    // The program's note above the call says the density typed.
    EXPECT_NE(Text().Find("Сейчас плотность 0.3:"), wxNOT_FOUND);
}

// An empty line and a comment line the student adds stay when a box and the
// trackbar (a real click on its trough) change the code; the angles still
// follow the turning.
TEST_F(CodeTypingInputTest, LinesAddedStayWhenTheGreenLampBoxAndTheFogTrackbarChangeTheCode)
{
    ClickAfter("glClearColor(");
    Key(WXK_END);
    Type("\n");
    ClickAfter("    glViewport(");
    Key(WXK_HOME);
    Type("// mine\n");
    ClickOn(Box(IDC_LAMP_GREEN));
    ASSERT_TRUE(Says("glEnable(GL_LIGHT1);")) << w->Reason();
    auto* slider = Control<wxSlider>(1, IDC_FOG_DENSITY);
    // GTK moves the handle to where the trough is clicked.
    ClickOn(slider, wxPoint(slider->GetClientSize().x * 3 / 4, slider->GetClientSize().y / 2));
    PumpEvents(kKeyPaceMs);
    const int steps = slider->GetValue();
    ASSERT_NE(steps, 2);
    EXPECT_TRUE(Says(wxString::Format("glFogf(GL_FOG_DENSITY, %s);", FloatLiteral(steps * 0.1f))));
    EXPECT_TRUE(w->Reason().empty()) << w->Reason();
    const std::string copied = Copied();
    EXPECT_NE(copied.find("glEnable(GL_LIGHT1);"), std::string::npos);
    EXPECT_NE(copied.find(");\n\n\n    /*"), std::string::npos) << "the added line is gone";
    EXPECT_NE(copied.find("    // mine\nglViewport("), std::string::npos) << "the line typed is gone";
    EXPECT_NE(copied.find("Зеленая лампа (2): включена."), std::string::npos);
    StartTurning();
    const wxString before = Text();
    EXPECT_TRUE(PumpEvents(3000, [&] { return Text() != before; })) << "the code stopped following";
}

TEST_F(CodeTypingInputTest, EachClickOnALampBoxIsAnUndoStepOfItsOwnAndANewEditDropsTheUndone)
{
    ClickOn(Box(IDC_LAMP_BLUE));
    ClickOn(Box(IDC_LAMP_GREEN));
    ASSERT_TRUE(Says("glEnable(GL_LIGHT1);"));
    ClickAfter("glFogf(");
    Key('z', wxMOD_CONTROL);
    ASSERT_TRUE(Says("glDisable(GL_LIGHT1);"));
    EXPECT_NE(Text().Find("glEnable(GL_LIGHT2);"), wxNOT_FOUND);
    EXPECT_TRUE(Box(IDC_LAMP_BLUE)->GetValue());
    EXPECT_FALSE(Box(IDC_LAMP_GREEN)->GetValue());
    Key('z', wxMOD_CONTROL);
    ASSERT_TRUE(Says("glDisable(GL_LIGHT2);"));
    EXPECT_FALSE(Box(IDC_LAMP_BLUE)->GetValue());

    SelectAfter("glFogf(GL_FOG_DENSITY, ");
    Type("0.7f");
    Key('y', wxMOD_CONTROL);
    PumpEvents(CCodeWindow::kRefreshMs);
    EXPECT_FALSE(Box(IDC_LAMP_BLUE)->GetValue());
    EXPECT_NE(Text().Find("glDisable(GL_LIGHT2);"), wxNOT_FOUND);
    EXPECT_EQ(glview->State().fogDensity, 0.7f);
}

TEST_F(CodeTypingInputTest, ASelectionInTheTurningAngleStaysAndThirtyTypedOverItStopsTheTurning)
{
    StartTurning();
    ClickAfter("glRotated(");
    Key(WXK_END);
    for (int i = 0; i < 5; ++i)
        Key(WXK_LEFT, wxMOD_SHIFT);
    ASSERT_EQ(code->GetSelectedText(), "0.0);");
    const wxString before = Text();
    ASSERT_TRUE(PumpEvents(3000, [&] { return Text() != before; }));
    EXPECT_EQ(code->GetSelectedText(), "0.0);");

    SelectAfter("glRotated(");
    Type("30.0");
    PumpEvents(3 * CCodeWindow::kRefreshMs);
    EXPECT_FALSE(glview->IsAnimating());
    EXPECT_EQ(glview->State().angleX, 30.0);
    EXPECT_NE(Text().Find("glRotated(30.0, 1.0, 0.0, 0.0);"), wxNOT_FOUND) << Text();
}

TEST_F(CodeTypingInputTest, EachLampBoxFollowsItsOwnLampFromTheCode)
{
    ClickOn(Box(IDC_LAMP_BLUE));
    ASSERT_TRUE(Says("glEnable(GL_LIGHT2);"));
    DoubleClickOn("glDisable(GL_LIGHT1)");
    ASSERT_TRUE(Says("glEnable(GL_LIGHT1);"));
    EXPECT_TRUE(Says("Зеленая лампа (2): включена."));
    EXPECT_TRUE(PumpEvents(2000, [this] { return Box(IDC_LAMP_GREEN)->GetValue(); }));
    EXPECT_TRUE(Box(IDC_LAMP_BLUE)->GetValue());
    PumpEvents(800);   // two double-clicks, not a triple one
    DoubleClickOn("glEnable(GL_LIGHT2)");
    ASSERT_TRUE(Says("glDisable(GL_LIGHT2);"));
    EXPECT_TRUE(PumpEvents(2000, [this] { return !Box(IDC_LAMP_BLUE)->GetValue(); }));
    EXPECT_TRUE(Box(IDC_LAMP_GREEN)->GetValue());
}
