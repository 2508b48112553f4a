// The number and word steps of the code view on lines as the code has them.
#include "NumberStep.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string Applied(const std::string& line, const std::optional<LineEdit>& e)
{
    return e ? line.substr(0, e->from) + e->text + line.substr(e->to) : std::string("(none)");
}

// The last printed digit steps and the form stays; a minus that is an operator
// stays one (the number does not cross zero), a sign with spaces after it is
// still the number's own, as C reads it.
TEST(NumberStepTest, StepsTheLastPrintedDigitAndKeepsTheForm)
{
    const struct { const char* line; int column; long long steps; bool fine; const char* expected; } cases[] = {
        {"f(1.25f)", 3, 1, false, "f(1.26f)"},   {"f(0.0f)", 3, -1, false, "f(-0.1f)"}, {"f(45.0)", 3, 1, false, "f(45.1)"},
        {"f(50.0f)", 3, 1, false, "f(50.1f)"},   {"f(100)", 3, 1, false, "f(101)"},     {"f(1.25f)", 3, 1, true, "f(1.251f)"},
        {"f(1.25f)", 3, -3, true, "f(1.247f)"},  {"f(-0.1f)", 3, 1, false, "f(0.0f)"},  {"f(-0.1f)", 3, 2, false, "f(0.1f)"},
        {"f(0.05f)", 3, -10, false, "f(-0.05f)"}, {"f(9.99)", 3, 1, false, "f(10.00)"}, {"f(1.5e-3f)", 3, 2, false, "f(1.7e-3f)"},
        {"f(2e5)", 3, 1, true, "f(2.1e5)"},      {"f(1.)", 3, 1, false, "f(2.)"},       {"f(.5f)", 3, 1, false, "f(.6f)"},
        {"f(7)", 3, 3, true, "f(10)"},           {"f(1.25f)", 3, 0, true, "f(1.25f)"},  {"f(128)", 3, -200, false, "f(-72)"},
        {"a - 1.0", 5, -13, false, "a - 0.0"},   {"a -1.0", 4, -1, false, "a -0.9"},    {"f(-1.0)", 3, -1, false, "f(-1.1)"},
        {"f(- 1.0)", 4, 1, false, "f(- 0.9)"},   {"f(- 0.1f)", 4, 1, false, "f(0.0f)"}, {"f(- 0.1f)", 4, -1, false, "f(- 0.2f)"},
        {"f(1, -  2.5)", 9, -5, false, "f(1, -  3.0)"},
        // Too long, too far, or no number: nothing.
        {"f(123456789012345678)", 3, 1, false, "(none)"}, {"f(12345678901234567)", 3, 1, false, "f(12345678901234568)"},
        {"f(1.0)", 3, 100000000000000000, false, "(none)"}, {"glEnable(GL_FOG);", 3, 1, false, "(none)"}, {"", 0, 1, false, "(none)"},
        // A constant steps through the ones its call takes, round and round.
        {"glTexParameterf(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);", 55, 1, false,
         "glTexParameterf(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);"},
        {"glTexParameterf(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);", 63, -2, false,
         "glTexParameterf(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR_MIPMAP_LINEAR);"},
        {"glTexEnvf(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);", 50, 3, false,
         "glTexEnvf(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_BLEND);"},
        {"glPolygonMode(GL_FRONT_AND_BACK, GL_LINE);", 36, 1, false, "glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);"},
        {"glTexParameterf(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_REPEAT);", 20, 1, false, "(none)"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Applied(c.line, StepNumber(c.line, c.column, c.steps, c.fine)), c.expected)
            << c.line << " by " << c.steps << (c.fine ? " fine" : "");
}

TEST(NumberStepTest, FindsTheLiteralTheColumnIsInOrTouches)
{
    const std::string lamp = "    glLightfv(GL_LIGHT0, GL_POSITION, {-1.5f, 2.0f}); /* 3.0 */";
    const int minus = int(lamp.find('-')), two = int(lamp.find("2.0"));
    const struct { std::string line; int column; const char* literal; } cases[] = {
        {lamp, minus, "-1.5f"}, {lamp, minus + 5, "-1.5f"},   // on the sign, just after the number
        {lamp, two + 2, "2.0f"}, {lamp, int(lamp.find("0,")), "(none)"}, {lamp, 8, "(none)"},   // the 0 of GL_LIGHT0
        {lamp, int(lamp.find("3.0")), "(none)"}, {"glVertex3f(1, 2, 3); // 4", 24, "(none)"},  // in comments
        {"gluPerspective(45.0, 1.0,  -2.5, 0x1F)", 28, "-2.5"}, {"gluPerspective(0x1F)", 17, "(none)"},
        {"int a = 017;", 9, "(none)"},                       // octal stays untouched
        {"    -1.0f, 0.0f,", 4, "-1.0f"},                    // a row of an array
        {"x = \"5\" + 6;", 5, "(none)"}, {"x = \"5\" + 6;", 10, "6"}, {"a - 1.0", 5, "1.0"}, {"f(- 0.1f)", 5, "- 0.1f"},
    };
    for (const auto& c : cases) {
        const std::optional<LineEdit> e = NumberAt(c.line, c.column);
        EXPECT_EQ(e ? e->text : "(none)", c.literal) << c.line << " at " << c.column;
    }
}

TEST(NumberStepTest, TogglesEnableAndDisable)
{
    const std::string on = "    glEnable(GL_LIGHT0);", off = "glDisable(GL_FOG); glEnableClientState(x);";
    EXPECT_EQ(Applied(on, ToggleEnable(on, 6)), "    glDisable(GL_LIGHT0);");
    EXPECT_EQ(Applied(off, ToggleEnable(off, 9)), "glEnable(GL_FOG); glEnableClientState(x);");
    EXPECT_EQ(Applied(on, ToggleEnable(on, 4)), "    glDisable(GL_LIGHT0);");   // from the word's first letter
    EXPECT_EQ(ToggleEnable(on, 4)->from, 4);
    for (const auto& [line, column] : {std::pair{on, 15}, {off, 25}, {off, 100}})   // a longer word, none
        EXPECT_FALSE(ToggleEnable(line, column)) << column;
}

}
