// The program on a display without OpenGL: a readable notice in place of
// each picture, one line on standard error, and the usual end.
#include "ProgramSession.h"

#include <algorithm>
#include <cstdlib>
#include <vector>

namespace {

using namespace programtest;

struct Box { int x = 0, y = 0, width = 0, height = 0; };

// The sheet as the screen shows it.
struct Picture
{
    int width = 0, height = 0;
    std::vector<unsigned long> pixels;
    unsigned long At(int x, int y) const { return pixels[size_t(y) * width + x]; }
    bool operator!=(const Picture& other) const { return pixels != other.pixels; }
};

Picture Grab(Display* display, Window window)
{
    Picture p;
    XWindowAttributes a;
    if (!XGetWindowAttributes(display, window, &a))
        return p;
    XImage* image = XGetImage(display, window, 0, 0, a.width, a.height, AllPlanes, ZPixmap);
    if (!image)
        return p;
    p.width = a.width, p.height = a.height;
    for (int y = 0; y < a.height; ++y)
        for (int x = 0; x < a.width; ++x)
            p.pixels.push_back(XGetPixel(image, x, y) & 0xffffff);
    XDestroyImage(image);
    return p;
}

// The picture's place: a square window of 200 to 300 pixels whose top and
// bottom edge are one colour that its inside does not have (its corners may
// be rounded); its inside, or an empty box.
Box PicturePlace(const Picture& p)
{
    auto runFrom = [&p](int x, int y) {
        int end = x;
        while (end < p.width && p.At(end, y) == p.At(x, y))
            ++end;
        return end - x;
    };
    for (int y = 0; y < p.height; ++y)
        for (int x = 0, side = 0; x < p.width; x += side) {
            side = runFrom(x, y);
            const unsigned long edge = p.At(x, y);
            for (int bottom = y + side - 16; side >= 200 && side <= 300 && bottom <= y + side + 16; ++bottom)
                if (bottom < p.height && p.At(x, bottom) == edge && runFrom(x, bottom) == side &&
                    p.At(x + side / 2, y + 1) != edge && p.At(x + side / 2, bottom - 1) != edge)
                    return {x, y + 1, side, bottom - y - 1};
        }
    return {};
}

// Pixels of the notice's text in the place: near the dialog's text colour
// RGB(61, 96, 126), as smoothed glyphs give it.
int TextPixels(const Picture& p, const Box& place)
{
    int n = 0;
    for (int y = place.y; y < place.y + place.height; ++y)
        for (int x = place.x; x < place.x + place.width; ++x) {
            const unsigned long c = p.At(x, y);
            n += std::abs(int(c >> 16) - 61) + std::abs(int(c >> 8 & 0xff) - 96) + std::abs(int(c & 0xff) - 126) < 40;
        }
    return n;
}

// Without GLX every OpenGL window shows a readable notice in its place, in
// the dialog's text colour; one line on standard error says why, the tabs
// still change and the program ends as usual.
TEST(NoOpenGL, NoticesInPlaceOfThePicturesOneLineWhyAndStatusZero)
{
    PrivateServer server(false);
    ASSERT_FALSE(server.name.empty()) << "Xvfb did not start";
    Session s(server.name);
    ASSERT_NE(s.sheet, None) << "the sheet never showed on " << server.name << "; output:\n"
                             << ReadFile(s.program.outPath);
    // The two lines of text take about 300 such pixels.
    const int kReadable = 150;
    Picture before;
    for (int page = 0; page < 3; ++page) {
        ASSERT_TRUE(page == 0 || s.Type("ctrl+Next"));
        Picture shown;
        Box place;
        // Until the page has changed and its notice is drawn; the bound only guards against a hang.
        WaitUntil([&] {
            shown = Grab(s.display, s.sheet);
            place = PicturePlace(shown);
            return shown != before && place.width > 0 && TextPixels(shown, place) >= kReadable;
        });
        EXPECT_TRUE(place.width >= 200 && place.height >= 200) << "no picture's place on page " << page << ": " << place.x << "," << place.y << " " << place.width << "x" << place.height;
        EXPECT_GE(TextPixels(shown, place), kReadable) << "no readable notice on page " << page;
        before = shown;
        ASSERT_TRUE(s.program.Running()) << ReadFile(s.program.outPath);
    }
    ASSERT_TRUE(s.Type("Escape"));
    EXPECT_TRUE(s.EndsWithStatusZero("Escape"));
    const std::string out = ReadFile(s.program.outPath);
    EXPECT_EQ(std::count(out.begin(), out.end(), '\n'), 1) << out;
    EXPECT_NE(out.find("no OpenGL"), std::string::npos) << out;
}

}
