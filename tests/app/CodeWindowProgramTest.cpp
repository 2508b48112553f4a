// The code window in the program as the user starts it, on a 1366 x 768
// screen; Escape and its close box hide it, F1 brings it back.
#include "ProgramSession.h"

namespace {

using namespace programtest;

bool Viewable(Display* d, Window w)
{
    XWindowAttributes a;
    return XGetWindowAttributes(d, w, &a) && a.map_state == IsViewable;
}

struct Rect { int x, y, width, height; };

Rect OnScreen(Display* d, Window w)
{
    XWindowAttributes a{};
    XGetWindowAttributes(d, w, &a);
    Window child;
    int x = 0, y = 0;
    XTranslateCoordinates(d, w, DefaultRootWindow(d), 0, 0, &x, &y, &child);
    return {x, y, a.width, a.height};
}

TEST(CodeWindowInTheProgram, OnTheScreenBesideTheSheetAndTakesRealInput)
{
    Session s;
    ASSERT_NE(s.sheet, None) << ReadFile(s.program.outPath);
    const auto xdotool = [](const std::string& args) { return std::system(("timeout 10 xdotool " + args).c_str()) == 0; };
    ASSERT_TRUE(s.Type("F1"));
    Window code = None;
    ASSERT_TRUE(WaitUntil([&] { return (code = s.CodeWindow()) != None; })) << "F1 opened no window";
    std::this_thread::sleep_for(std::chrono::milliseconds(500));

    const Rect c = OnScreen(s.display, code), sheet = OnScreen(s.display, s.sheet);
    EXPECT_TRUE(c.x >= 0 && c.y >= 0 && c.x + c.width <= 1366 && c.y + c.height <= 768)
        << c.x << "," << c.y << " " << c.width << "x" << c.height;
    EXPECT_TRUE(c.x >= sheet.x + sheet.width || c.x + c.width <= sheet.x) << "over the sheet";

    // A click into the text: the keys then go there while the sheet is up.
    ASSERT_TRUE(xdotool("mousemove --window " + std::to_string(code) + " " + std::to_string(c.width / 2) + " " +
                        std::to_string(c.height / 2) + " click 1"));
    ASSERT_TRUE(xdotool("windowfocus --sync " + std::to_string(code) + " key --delay 100 ctrl+a ctrl+c"));
    const std::string copied = Output(kReadClipboard);
    EXPECT_EQ(copied.rfind("/* «Линии в пространстве»", 0), 0u) << copied.substr(0, 200);
    EXPECT_NE(copied.find("void DrawScene(void)"), std::string::npos);
    EXPECT_TRUE(copied.size() > 2 && copied.substr(copied.size() - 2) == "}\n");

    ASSERT_TRUE(xdotool("key Escape"));
    EXPECT_TRUE(WaitUntil([&] { return !Viewable(s.display, code); })) << "Escape left it open";
    ASSERT_TRUE(s.program.Running()) << "Escape in the code window ended the program";
    EXPECT_TRUE(Viewable(s.display, s.sheet)) << "Escape in the code window closed the sheet";
    ASSERT_TRUE(s.Type("F1"));
    EXPECT_TRUE(WaitUntil([&] { return Viewable(s.display, code); })) << "F1 did not bring it back";
    const Rect back = OnScreen(s.display, code);
    EXPECT_TRUE(back.x == c.x && back.y == c.y && back.width == c.width && back.height == c.height) << "moved";
    s.PressCloseBox(code);
    EXPECT_TRUE(WaitUntil([&] { return !Viewable(s.display, code); })) << "the close box left it open";
    ASSERT_TRUE(s.program.Running()) << "the code window's close box ended the program";

    ASSERT_TRUE(s.Type("Escape"));
    EXPECT_TRUE(s.EndsWithStatusZero("Escape on the sheet"));
}

}
