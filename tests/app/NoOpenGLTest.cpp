// The program on a display without OpenGL, read from the screen and the clipboard.
#include "FragmentText.h"
#include "ProgramSession.h"

#include <algorithm>
#include <cstring>

namespace {

using namespace programtest;

struct Box { int x = 0, y = 0, width = 0, height = 0; };

bool WithoutGLX(const Session& s)
{
    int opcode, event, error;
    return s.display && !XQueryExtension(s.display, "GLX", &opcode, &event, &error);
}

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

// The middles of the buttons in the lowest band of controls, left to right:
// runs of columns with something but the window's background in the band.
std::vector<Box> BottomButtons(const Picture& p)
{
    const unsigned long background = p.At(1, p.height - 2);
    const auto plainRow = [&](int y) {
        for (int x = 0; x < p.width; ++x)
            if (p.At(x, y) != background)
                return false;
        return true;
    };
    int bottom = p.height - 1, top = 0;
    while (bottom > 0 && plainRow(bottom))
        --bottom;
    for (top = bottom; top > 0 && !plainRow(top - 1);)
        --top;
    std::vector<Box> buttons;
    for (int x = 0, start = -1; x <= p.width; ++x) {
        bool filled = false;
        for (int y = top; x < p.width && y <= bottom && !filled; ++y)
            filled = p.At(x, y) != background;
        if (filled && start < 0)
            start = x;
        if (!filled && start >= 0 && x - start >= 20)
            buttons.push_back({(start + x) / 2, (top + bottom) / 2, x - start, bottom - top + 1});
        start = filled ? start : -1;
    }
    return buttons;
}

// Rows above the code (the first row nearly all unlike the background, as
// no line of text is) that hold something: the hints' lines of text.
int RowsAboveTheCode(const Picture& p)
{
    const unsigned long background = p.At(1, 1);
    int rows = 0;
    for (int y = 0; y < p.height; ++y) {
        int unlike = 0;
        for (int x = 0; x < p.width; ++x)
            unlike += p.At(x, y) != background;
        if (unlike > p.width * 9 / 10)
            return rows;
        rows += unlike > 0;
    }
    return 0;
}

// "width, height" of the picture beside the program, as its BMP header says.
std::string LogoSize()
{
    const std::string bmp = ReadFile(kProgramDir + "/logo.bmp");
    int32_t size[2] = {};
    if (bmp.size() >= 26)
        std::memcpy(size, bmp.data() + 18, sizeof size);
    return std::to_string(size[0]) + ", " + std::to_string(std::abs(size[1]));
}

struct PageCode
{
    const char* title;
    std::vector<std::string> calls;
};

// The page's notice in its picture's place; the code window's title, hints
// and buttons; what a real click on "Копировать" gives another program: the
// page's own calls and the box's projection as glOrtho makes it.
void ExpectPageWithoutOpenGL(Session& s, Window code, const PageCode& page, Picture& before)
{
    SCOPED_TRACE(page.title);
    const int kReadable = 150;   // the notice's two lines take about 300 pixels of its colour
    Picture shown;
    Box place;
    // Until the page has changed and its notice is drawn; the bound only guards against a hang.
    WaitUntil([&] {
        shown = Grab(s.display, s.sheet);
        place = PicturePlace(shown);
        return shown != before && place.width > 0 && TextPixels(shown, place) >= kReadable;
    });
    EXPECT_TRUE(place.width >= 200 && place.height >= 200) << "no picture's place: " << place.x << "," << place.y << " " << place.width << "x" << place.height;
    EXPECT_GE(TextPixels(shown, place), kReadable) << "no readable notice";
    before = shown;

    const std::string title = std::string("Код OpenGL: ") + page.title;
    EXPECT_TRUE(WaitUntil([&] { return WindowTitle(code) == title; })) << WindowTitle(code);
    std::this_thread::sleep_for(std::chrono::milliseconds(300));   // the hints laid out
    const Picture window = Grab(s.display, code);
    EXPECT_GE(RowsAboveTheCode(window), 24) << "no hints above the code";
    const std::vector<Box> buttons = BottomButtons(window);
    ASSERT_EQ(buttons.size(), 3u) << "not Reset, Copy and Save";
    std::system(kEmptyClipboard);
    const std::string click = "timeout 10 xdotool mousemove --window " + std::to_string(code) + " " +
                              std::to_string(buttons[1].x) + " " + std::to_string(buttons[1].y) + " click 1";
    ASSERT_EQ(std::system(click.c_str()), 0);
    std::string copied;
    EXPECT_TRUE(WaitUntil([&] { return (copied = Output(kReadClipboard)).size() > 1; }));
    EXPECT_EQ(copied.rfind(std::string("/* «") + page.title + "»", 0), 0u) << copied.substr(0, 200);
    for (const std::string& call : page.calls)
        EXPECT_NE(copied.find(call), std::string::npos) << call;
    EXPECT_NE(copied.find("glOrtho(-6.0, 6.0, -6.0, 6.0, -20.0, 20.0);"), std::string::npos);
    const float box[16] = {1 / 6.0f, 0, 0, 0, 0, 1 / 6.0f, 0, 0, 0, 0, -0.05f, 0, 0, 0, 0, 1};
    ExpectPrinted(copied, "GL_PROJECTION_MATRIX:", box);
    const std::array<float, 16> modelView = PrintedMatrix(copied, "GL_MODELVIEW_MATRIX (для куба):");
    for (int c = 0; c < 3; ++c)   // turned, not scaled, and 8 away
        EXPECT_NEAR(std::hypot(modelView[4 * c], modelView[4 * c + 1], modelView[4 * c + 2]), 1, 1e-3) << c;
    EXPECT_NEAR(modelView[14], -8, 1e-4);
}

TEST(NoOpenGL, NoticesInPlaceOfThePicturesTheCodeWindowStillWorksOneLineWhyAndStatusZero)
{
    Session s;
    ASSERT_TRUE(WithoutGLX(s)) << "run on a display without GLX (as ctest runs it)";
    ASSERT_NE(s.sheet, None) << "the sheet never showed; output:\n" << ReadFile(s.program.outPath);
    const PageCode pages[] = {
        {"Линии в пространстве", {"glPolygonMode(GL_FRONT_AND_BACK, GL_LINE);", "glEnable(GL_LINE_SMOOTH);"}},
        {"Освещение", {"glEnable(GL_LIGHTING);", "glLightfv(GL_LIGHT0, GL_POSITION, position);", "glFogf(GL_FOG_DENSITY, "}},
        {"Наложение текстуры", {"glTexImage2D(GL_TEXTURE_2D, 0, 3, " + LogoSize() + ", 0, GL_RGB"}}};
    ASSERT_TRUE(s.Type("F1"));
    Window code = None;
    ASSERT_TRUE(WaitUntil([&] { return (code = s.CodeWindow()) != None; })) << "F1 opened no window";
    Picture before;
    for (const PageCode& page : pages) {
        ASSERT_TRUE(&page == pages || s.Type("ctrl+Next"));
        ExpectPageWithoutOpenGL(s, code, page, before);
        ASSERT_TRUE(s.program.Running()) << ReadFile(s.program.outPath);
    }
    ASSERT_TRUE(s.Type("Escape"));
    EXPECT_TRUE(s.EndsWithStatusZero("Escape"));
    const std::string out = ReadFile(s.program.outPath);
    EXPECT_EQ(std::count(out.begin(), out.end(), '\n'), 1) << out;
    EXPECT_NE(out.find("no OpenGL"), std::string::npos) << out;
}

}
