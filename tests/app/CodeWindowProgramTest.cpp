// The code window in the program as the user starts it, on a 1366 x 768
// screen: opened by F1 wholly on the screen beside the sheet; a real click,
// the wheel and keys reach it while the sheet is up; Ctrl+A, Ctrl+C give the
// whole fragment to another program; Escape and its close box hide it and
// leave the program running; F1 brings it back.
#include "ProgramSession.h"

#include <gtest/gtest.h>

#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <cstdio>
#include <string>
#include <thread>

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

// How many pixels of window w differ between two moments.
struct Picture
{
    Picture(Display* d, Window w) : rect(OnScreen(d, w)), image(XGetImage(d, w, 0, 0, rect.width, rect.height, AllPlanes, ZPixmap)) {}
    ~Picture() { if (image) XDestroyImage(image); }
    long Changed(const Picture& o) const
    {
        long n = 0;
        for (int y = 0; y < rect.height; ++y)
            for (int x = 0; x < rect.width; ++x)
                n += XGetPixel(image, x, y) != XGetPixel(o.image, x, y);
        return n;
    }
    Rect rect;
    XImage* image;
};

TEST(CodeWindowInTheProgram, OnTheScreenBesideTheSheetAndTakesRealInput)
{
    PrivateServer server(true, "1366x768x24");
    Session s(server.name);
    ASSERT_NE(s.sheet, None) << ReadFile(s.program.outPath);
    const auto xdotool = [&s](const std::string& args) {
        return std::system(On(s.name, "timeout 10 xdotool " + args).c_str()) == 0;
    };
    ASSERT_TRUE(s.Type("F1"));
    Window code = None;
    ASSERT_TRUE(WaitUntil([&] { return (code = CodeWindowOf(s)) != None; })) << "F1 opened no window";
    std::this_thread::sleep_for(std::chrono::milliseconds(500));

    const Rect c = OnScreen(s.display, code), sheet = OnScreen(s.display, s.sheet);
    EXPECT_TRUE(c.x >= 0 && c.y >= 0 && c.x + c.width <= 1366 && c.y + c.height <= 768)
        << c.x << "," << c.y << " " << c.width << "x" << c.height;
    EXPECT_TRUE(c.x >= sheet.x + sheet.width || c.x + c.width <= sheet.x) << "over the sheet";

    // A click into the text, then the wheel, while the cube turns.
    const std::string middle = std::to_string(c.width / 2) + " " + std::to_string(c.height / 2);
    ASSERT_TRUE(xdotool("mousemove --window " + std::to_string(code) + " " + middle + " click 1"));
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    const Picture top(s.display, code);
    ASSERT_TRUE(xdotool("click --repeat 10 --delay 30 5"));
    std::this_thread::sleep_for(std::chrono::milliseconds(1500));   // three updates of the text
    EXPECT_GT(Picture(s.display, code).Changed(top), 5000) << "the wheel did not scroll the text";

    ASSERT_TRUE(xdotool("windowfocus --sync " + std::to_string(code) + " key --delay 100 ctrl+a ctrl+c"));
    const std::string copied = OtherProgramsClipboard(s.name);
    EXPECT_EQ(copied.rfind("/* «Линии в пространстве»", 0), 0u) << copied.substr(0, 200);
    EXPECT_NE(copied.find("void DrawScene(void)"), std::string::npos);
    EXPECT_TRUE(copied.size() > 2 && copied.substr(copied.size() - 2) == "}\n");

    ASSERT_TRUE(xdotool("key Escape"));
    EXPECT_TRUE(WaitUntil([&] { return !Viewable(s.display, code); })) << "Escape left it open";
    ASSERT_TRUE(s.program.Running()) << "Escape in the code window ended the program";
    ASSERT_TRUE(s.Type("F1"));
    EXPECT_TRUE(WaitUntil([&] { return Viewable(s.display, code); })) << "F1 did not bring it back";
    s.PressCloseBox(code);
    EXPECT_TRUE(WaitUntil([&] { return !Viewable(s.display, code); })) << "the close box left it open";
    ASSERT_TRUE(s.program.Running()) << "the code window's close box ended the program";

    ASSERT_TRUE(s.Type("Escape"));
    EXPECT_TRUE(s.EndsWithStatusZero("Escape on the sheet"));
}

}
