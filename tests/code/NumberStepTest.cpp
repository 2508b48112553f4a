// The number and word steps of the code view on lines as the code has them.
#include "NumberStep.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// The line with the number at column stepped, or "" when there is none.
std::string Stepped(const std::string& line, int column, long long steps, bool fine = false)
{
    const std::optional<LineEdit> e = StepNumber(line, column, steps, fine);
    return e ? line.substr(0, e->from) + e->text + line.substr(e->to) : std::string();
}

std::string Literal(const std::string& line, int column)
{
    const std::optional<LineEdit> e = NumberAt(line, column);
    return e ? e->text : std::string("(none)");
}

TEST(NumberStepTest, StepsTheLastPrintedDigitAndKeepsTheForm)
{
    const struct { const char* literal; long long steps; bool fine; const char* expected; } cases[] = {
        {"1.25f", 1, false, "1.26f"},   {"0.0f", -1, false, "-0.1f"},  {"45.0", 1, false, "45.1"},
        {"50.0f", 1, false, "50.1f"},   {"100", 1, false, "101"},      {"1.25f", 1, true, "1.251f"},
        {"1.25f", -3, true, "1.247f"},  {"-0.1f", 1, false, "0.0f"},   {"-0.1f", 2, false, "0.1f"},
        {"0.05f", -10, false, "-0.05f"}, {"9.99", 1, false, "10.00"},   {"1.5e-3f", 2, false, "1.7e-3f"},
        {"2e5", 1, true, "2.1e5"},      {"1.", 1, false, "2."},        {".5f", 1, false, ".6f"},
        {"7", 3, true, "10"},           {"1.25f", 0, true, "1.25f"},   {"128", -200, false, "-72"},
    };
    for (const auto& c : cases) {
        const std::string line = std::string("glFoo(") + c.literal + ");";
        EXPECT_EQ(Stepped(line, 7, c.steps, c.fine), std::string("glFoo(") + c.expected + ");")
            << c.literal << " by " << c.steps << (c.fine ? " fine" : "");
    }
}

TEST(NumberStepTest, FindsTheLiteralTheColumnIsInOrTouches)
{
    const std::string line = "    glLightfv(GL_LIGHT0, GL_POSITION, {-1.5f, 2.0f}); /* 3.0 */";
    const int minus = int(line.find('-')), two = int(line.find("2.0"));
    EXPECT_EQ(Literal(line, minus), "-1.5f");       // on the sign
    EXPECT_EQ(Literal(line, minus + 5), "-1.5f");   // just after it
    EXPECT_EQ(Literal(line, two + 2), "2.0f");
    EXPECT_EQ(Literal(line, int(line.find("0,"))), "(none)");   // the 0 of GL_LIGHT0
    EXPECT_EQ(Literal(line, 8), "(none)");
    EXPECT_EQ(Literal(line, int(line.find("3.0"))), "(none)");  // in a comment
    EXPECT_EQ(Literal("glVertex3f(1, 2, 3); // 4", 24), "(none)");
    EXPECT_EQ(Literal("gluPerspective(45.0, 1.0,  -2.5, 0x1F)", 28), "-2.5");
    EXPECT_EQ(Literal("gluPerspective(0x1F)", 17), "(none)");
    EXPECT_EQ(Literal("int a = 017;", 9), "(none)");     // octal stays untouched
    EXPECT_EQ(Literal("    -1.0f, 0.0f,", 4), "-1.0f");  // a row of an array
    EXPECT_EQ(Literal("x = \"5\" + 6;", 5), "(none)");
    EXPECT_EQ(Literal("x = \"5\" + 6;", 10), "6");
}

// A minus that is an operator stays one: the number does not cross zero.
TEST(NumberStepTest, BinaryMinusIsNotASign)
{
    EXPECT_EQ(Literal("a - 1.0", 5), "1.0");
    EXPECT_EQ(Stepped("a - 1.0", 5, -13), "a - 0.0");
    EXPECT_EQ(Stepped("a -1.0", 4, -1), "a -0.9");
    EXPECT_EQ(Stepped("f(-1.0)", 3, -1), "f(-1.1)");
}

// A sign with a space after it is still the number's own, as C reads it.
TEST(NumberStepTest, ASpacedMinusAfterABracketStepsAsTheNegativeNumber)
{
    EXPECT_EQ(Stepped("f(- 1.0)", 4, 1), "f(- 0.9)");
    EXPECT_EQ(Stepped("f(- 0.1f)", 4, 1), "f(0.0f)");
    EXPECT_EQ(Stepped("f(- 0.1f)", 4, -1), "f(- 0.2f)");
    EXPECT_EQ(Stepped("f(1, -  2.5)", 9, -5), "f(1, -  3.0)");
    EXPECT_EQ(Literal("f(- 0.1f)", 5), "- 0.1f");
}

TEST(NumberStepTest, TooLongOrNoNumberGivesNothing)
{
    EXPECT_FALSE(StepNumber("f(123456789012345678)", 3, 1, false));
    EXPECT_FALSE(StepNumber("f(1.0)", 3, 100000000000000000, false));
    EXPECT_FALSE(StepNumber("glEnable(GL_FOG);", 3, 1, false));
    EXPECT_FALSE(StepNumber("", 0, 1, false));
    EXPECT_TRUE(StepNumber("f(12345678901234567)", 3, 1, false));
}

TEST(NumberStepTest, TogglesEnableAndDisable)
{
    const std::string on = "    glEnable(GL_LIGHT0);", off = "glDisable(GL_FOG); glEnableClientState(x);";
    const std::optional<LineEdit> a = ToggleEnable(on, 6), b = ToggleEnable(off, 9), c = ToggleEnable(on, 4);
    ASSERT_TRUE(a && b && c);
    EXPECT_EQ(on.substr(0, a->from) + a->text + on.substr(a->to), "    glDisable(GL_LIGHT0);");
    EXPECT_EQ(off.substr(0, b->from) + b->text + off.substr(b->to), "glEnable(GL_FOG); glEnableClientState(x);");
    EXPECT_EQ(c->from, 4);
    EXPECT_FALSE(ToggleEnable(on, 15));
    EXPECT_FALSE(ToggleEnable(off, 25));   // a longer word
    EXPECT_FALSE(ToggleEnable(off, 100));
}

}
