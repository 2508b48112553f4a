// The text kept in step with the record as a student types: key by key at
// the caret, with the program's changes (the turning, a lamp, the fog)
// coming in between, as they do while the picture runs.
#include "StudentText.h"

namespace {


ViewState Foggy()
{
    ViewState s = LitState(false);
    s.width = s.height = 255;
    s.fog = true, s.fogDensity = 0.2f, s.lamp[0] = true, s.angleX = 10;
    return s;
}

}

TEST(TextSync, AValueAFloatCannotHoldIsKeptAsTypedKeyByKey)
{
    for (const char* typed : {"0.3f", "0.1", ".7f", "0.05f"}) {
        Student st(Foggy());
        st.Select("0.2f", "GL_FOG_DENSITY");
        st.Type(typed);
        EXPECT_TRUE(st.Has(std::string("glFogf(GL_FOG_DENSITY, ") + typed + ");")) << typed;
        EXPECT_EQ(st.reason, "") << typed;
        EXPECT_EQ(st.now.state.fogDensity, float(std::stod(std::string(typed).insert(0, "0")))) << typed;
        // A switch elsewhere, the caret gone: the spelling still stays.
        st.caret = 0;
        st.Program([](ViewState& s) { s.lamp[1] = true; });
        EXPECT_TRUE(st.Has(std::string("glFogf(GL_FOG_DENSITY, ") + typed + ");")) << typed;
    }
}

TEST(TextSync, ACallSplitOverLinesWithItsOwnSpacingHasOnlyItsValueChanged)
{
    Student st(Foggy());
    const std::string call = "glFogf(GL_FOG_DENSITY, 0.2f);";
    const size_t at = st.text.find(call);
    st.text.replace(at, call.size(), "glFogf( GL_FOG_DENSITY,\n            .2f );");
    st.caret = 0;
    st.Read();
    st.Program([](ViewState& s) { s.fogDensity = 0.5f; });
    EXPECT_TRUE(st.Has("glFogf( GL_FOG_DENSITY,\n            0.5f );"));
    // A value the program did not change keeps the student's spelling.
    st.text.replace(st.text.find("0.5f );"), 4, ".5");
    st.Read();
    st.Turn(5);
    EXPECT_TRUE(st.Has("            .5 );"));
}

TEST(TextSync, AnAngleBeingTypedIsNotOverwrittenByTheTurningAndStopsIt)
{
    Student st(Foggy());
    st.Turn(7);
    st.Select("17.0", "glRotated(");
    bool stopped = false;
    for (char c : std::string("30.0")) {
        st.text.insert(size_t(st.caret++), 1, c);
        const TextSync::Reading r = st.sync.Edited(st.text, Span{st.caret, 0}, st.now.state);
        st.Apply(r.edits);
        stopped = stopped || r.anglesTyped;
        st.Turn(3);   // a tick before the window stops
    }
    EXPECT_TRUE(stopped);
    EXPECT_TRUE(st.Has("glRotated(30.0, 1.0, 0.0, 0.0);"));
    // The other angle still follows the record.
    EXPECT_TRUE(st.Has("glRotated(" + Number(AnglesAsDrawn(st.now.state).angleY) + ", 0.0, 1.0, 0.0);"));
    st.caret = 0;   // the caret leaves: the record's angle shows
    st.Turn(2);
    EXPECT_FALSE(st.Has("glRotated(30.0, 1.0"));
}

TEST(TextSync, TextThatDoesNotReadWaitsAndThenCatchesUp)
{
    Student st(Foggy());
    st.Select("0.2f", "GL_FOG_DENSITY");
    st.Type("0.");
    st.Type("\b\b");
    EXPECT_NE(st.reason, "");
    const std::string broken = st.text;
    ViewState s = st.now.state;
    s.lamp[2] = true;
    st.now = InputsOf(SceneKind::LitCube, s);
    EXPECT_EQ(st.sync.Follow(st.text, Span{st.caret, 0}, st.now).kind, TextSync::Update::Waiting);
    EXPECT_EQ(st.text, broken);
    st.Type("1.5f");
    EXPECT_EQ(st.reason, "");
    EXPECT_TRUE(st.Has("glEnable(GL_LIGHT2);"));
    EXPECT_EQ(st.now.state.fogDensity, 1.5f);
    EXPECT_TRUE(st.now.state.lamp[2]);
}

TEST(TextSync, AProjectionChangeReplacesThatCallAloneAndTheMatricesFollow)
{
    Student st(Foggy());
    st.caret = int(st.text.find("glViewport"));
    st.Type("/* own */ ");
    st.Program([](ViewState& s) { s.perspective = true; });
    EXPECT_TRUE(st.Has("/* own */ glViewport"));
    EXPECT_TRUE(st.Has("gluPerspective(45.0, 1.0, 1.0, 100.0);"));
    EXPECT_FALSE(st.Has("glOrtho("));
    EXPECT_TRUE(st.Has(CodeMatrix("GL_PROJECTION_MATRIX", st.now.projection)));
}

TEST(TextSync, OnlyTheSwitchesChangesAreMarkedNotTheTurnings)
{
    TextSync sync;
    ViewState s = Foggy();
    std::string text = sync.Print(InputsOf(SceneKind::LitCube, s));
    s.angleX += 10;
    s.lamp[1] = true;
    const TextSync::Update up = sync.Follow(text, Span{-10, 0}, InputsOf(SceneKind::LitCube, s));
    ASSERT_EQ(up.kind, TextSync::Update::Edits);
    int marked = 0, turned = 0;
    for (const TextEdit& e : up.edits)
        (e.marked ? marked : turned) += 1;
    EXPECT_EQ(marked, 2);   // glEnable and its comment
    EXPECT_GE(turned, 2);   // the angle and the matrix
}

TEST(CodeLexer, ReadsNumbersAsCDoes)
{
    std::vector<Token> tokens;
    CodeError error;
    for (const char* octal : {"010", "08", "00"}) {
        EXPECT_FALSE(LexCode(octal, tokens, error)) << octal;
        EXPECT_STREQ(error.reason, "Целое число с ведущим нулём в C восьмеричное: уберите ноль");
    }
    for (const char* fine : {"0", "0.5", "00.5", "0e1", "10", "0.0f"})
        EXPECT_TRUE(LexCode(fine, tokens, error)) << fine;
}

TEST(TextSync, AnAngleTypedAfterItsMinusSignIsTakenToo)
{
    ViewState s = Foggy();
    s.angleX = -756;
    Student st(s);
    st.Turn(-4);
    const std::string shown = "glRotated(" + Number(AnglesAsDrawn(st.now.state).angleX);
    ASSERT_TRUE(st.Has(shown)) << shown;
    st.Select(shown.substr(11), "glRotated(");
    st.text.insert(size_t(st.caret++), 1, '3');
    EXPECT_TRUE(st.sync.Edited(st.text, Span{st.caret, 0}, st.now.state).anglesTyped);
}

// What the student writes differently but means the same stays: a fixed
// float without its f, and an angle past 360 while a switch changes another line.
TEST(TextSync, TheStudentsOwnSpellingOfTheSameValueStays)
{
    ViewState s = Foggy();
    s.perspective = true;
    Student st(s);
    st.text.replace(st.text.find("-9.6f"), 5, "-9.6");
    st.text.replace(st.text.find("glRotated(10.0"), 14, "glRotated(370.0");
    st.caret = 0;
    st.Read();
    EXPECT_EQ(st.reason, "");
    st.Program([](ViewState& s) { s.lamp[2] = true; });
    EXPECT_TRUE(st.Has("glTranslatef(0.0f, 0.0f, -9.6);"));
    EXPECT_TRUE(st.Has("glRotated(370.0, 1.0"));
    EXPECT_TRUE(st.Has("glEnable(GL_LIGHT2);"));
}

TEST(TextSync, TheProgramsCommentsFollowAValueTheStudentChanged)
{
    Student st(Foggy());
    st.text.replace(st.text.find("glDisable(GL_LIGHT1)"), 9, "glEnable");
    st.text.replace(st.text.find("0.2f);"), 4, "0.3f");
    st.caret = 0;
    st.Read();
    EXPECT_TRUE(st.Has("Зеленая лампа (2): включена."));
    EXPECT_TRUE(st.Has("Сейчас плотность 0.3:"));
}
