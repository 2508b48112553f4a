// The program as the user starts it, a child process on the test's display
// that ends with status 0 however the sheet is closed, and its picture.
#include <gtest/gtest.h>

#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <thread>
#include <utility>

namespace {

const std::string kProgram = SAMPLES_PROGRAM, kProgramDir = kProgram.substr(0, kProgram.rfind('/'));

std::string ReadFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Polls until done() holds, for at most a bound that only guards against a hang.
template <class Done> bool WaitUntil(Done done)
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
    for (; !done(); std::this_thread::sleep_for(std::chrono::milliseconds(20)))
        if (std::chrono::steady_clock::now() > deadline)
            return false;
    return true;
}

// A shell command run on display (empty: the test's own).
std::string On(const std::string& display, const std::string& command)
{
    return (display.empty() ? "" : "DISPLAY=" + display + " ") + command;
}

// The shown top-level window of process pid on display, or None.
Window ShownWindow(const std::string& display, pid_t pid)
{
    const std::string command = On(display, "xdotool search --onlyvisible --pid " + std::to_string(pid) + " 2>/dev/null");
    FILE* out = popen(command.c_str(), "r");
    unsigned long window = None;
    if (out && std::fscanf(out, "%lu", &window) != 1)
        window = None;
    if (out)
        pclose(out);
    return window;
}

// The program started in its own directory, where its logo.bmp lies; killed
// if it is still running when the test ends.
struct Program
{
    explicit Program(const std::string& display = "") : pid(fork())
    {
        if (pid != 0)
            return;
        if (!display.empty())
            setenv("DISPLAY", display.c_str(), 1);
        // Both outputs to a file: a child that outlived the test must not
        // hold the test runner's pipe open.
        const int out = open(outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        dup2(out, 1);
        dup2(out, 2);
        if (chdir(kProgramDir.c_str()) == 0)
            execl(SAMPLES_PROGRAM, SAMPLES_PROGRAM, static_cast<char*>(nullptr));
        _exit(127);
    }
    ~Program()
    {
        if (Running() && kill(pid, SIGKILL) == 0)
            waitpid(pid, nullptr, 0);
        std::remove(outPath.c_str());
    }
    bool Running()
    {
        exited = exited || pid <= 0 || waitpid(pid, &status, WNOHANG) == pid;
        return !exited;
    }

    const std::string outPath = testing::TempDir() + "opengl-samples-" + std::to_string(getpid()) + ".out";
    const pid_t pid;
    bool exited = false;
    int status = 0;
};

// A private X server without the GLX extension, ready when made (the
// program must not start before it, or it finds no display and ends at
// once), stopped with the test. It picks a free number itself.
struct ServerWithoutGlx
{
    ServerWithoutGlx()
    {
        int ready[2];
        if (pipe(ready) != 0)
            return;
        if ((pid = fork()) == 0) {
            const int null = open("/dev/null", O_WRONLY);
            dup2(null, 1);
            dup2(null, 2);
            close(ready[0]);
            execlp("Xvfb", "Xvfb", "-displayfd", std::to_string(ready[1]).c_str(), "-extension", "GLX", "-screen",
                   "0", "1024x768x24", "-nolisten", "tcp", static_cast<char*>(nullptr));
            _exit(127);
        }
        close(ready[1]);
        // The server writes its number and a newline once it takes
        // connections; closing the pipe before the newline would end it.
        std::string number;
        for (char c; pid > 0 && read(ready[0], &c, 1) == 1 && c != '\n';)
            number += c;
        if (!number.empty())
            name = ":" + number;
        close(ready[0]);
    }
    ~ServerWithoutGlx()
    {
        kill(pid, SIGTERM);
        waitpid(pid, nullptr, 0);
    }
    std::string name;
    pid_t pid = -1;
};

// The program's display (empty: the test's own) opened, and its sheet once shown.
struct Session
{
    explicit Session(const std::string& displayName = "") : name(displayName), program(displayName)
    {
        // A busy or starting display now and then refuses a connection: try again.
        WaitUntil([&] { return (display = XOpenDisplay(name.empty() ? nullptr : name.c_str())) != nullptr; });
        if (!display)
            return;
        WaitUntil([&] {
            sheet = ShownWindow(name, program.pid);
            return sheet != None || !program.Running();
        });
    }
    ~Session()
    {
        if (display)
            XCloseDisplay(display);
    }
    // Types keys into the sheet, which is given the focus first (there may
    // be no window manager to give it).
    bool Type(const std::string& keys)
    {
        const std::string command = "timeout 10 xdotool windowfocus --sync " + std::to_string(sheet) + " key --delay 100 " + keys;
        return std::system(On(name, command).c_str()) == 0;
    }
    // What a window manager sends when the close box is clicked.
    void PressCloseBox()
    {
        XEvent e{};
        e.xclient.type = ClientMessage;
        e.xclient.window = sheet;
        e.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
        e.xclient.format = 32;
        e.xclient.data.l[0] = long(XInternAtom(display, "WM_DELETE_WINDOW", False));
        e.xclient.data.l[1] = CurrentTime;
        XSendEvent(display, sheet, False, NoEventMask, &e);
        XFlush(display);
    }
    testing::AssertionResult EndsWithStatusZero(const std::string& how)
    {
        if (!WaitUntil([&] { return !program.Running(); }))
            return testing::AssertionFailure() << how << " did not end it";
        if (!WIFEXITED(program.status) || WEXITSTATUS(program.status) != 0)
            return testing::AssertionFailure() << how << " left wait status " << program.status;
        return testing::AssertionSuccess();
    }

    const std::string name;
    Program program;
    Display* display = nullptr;
    Window sheet = None;
};

using Closing = std::pair<std::string, std::string>;   // name, keys
using ProgramExit = testing::TestWithParam<Closing>;

// The stock buttons' mnemonics are Alt+O for OK and Alt+C for Cancel.
TEST_P(ProgramExit, ClosingTheSheetEndsTheProgramWithStatusZero)
{
    Session s;
    ASSERT_NE(s.display, nullptr) << "no X display (run under scripts/with-display)";
    ASSERT_NE(s.sheet, None) << "the sheet never showed (wait status " << s.program.status << "); output:\n"
                             << ReadFile(s.program.outPath);
    if (GetParam().second.empty()) {
        s.PressCloseBox();
    } else {
        ASSERT_TRUE(s.Type(GetParam().second)) << GetParam().second;
    }
    EXPECT_TRUE(s.EndsWithStatusZero(GetParam().first));
    EXPECT_EQ(ReadFile(s.program.outPath).find("assertion"), std::string::npos) << ReadFile(s.program.outPath);
}

// Without GLX every OpenGL window shows a notice in its place (no black
// square), one line on standard error says why, the tabs still change and
// the program ends as usual.
TEST(NoOpenGL, NoticesInPlaceOfThePicturesOneLineWhyAndStatusZero)
{
    ServerWithoutGlx server;
    ASSERT_FALSE(server.name.empty()) << "Xvfb did not start";
    Session s(server.name);
    ASSERT_NE(s.sheet, None) << "the sheet never showed on " << server.name << "; output:\n"
                             << ReadFile(s.program.outPath);
    for (int page = 0; page < 3; ++page) {
        ASSERT_TRUE(page == 0 || s.Type("ctrl+Next"));
        std::this_thread::sleep_for(std::chrono::milliseconds(500));
        XWindowAttributes a;
        ASSERT_TRUE(XGetWindowAttributes(s.display, s.sheet, &a));
        XImage* image = XGetImage(s.display, s.sheet, 0, 0, a.width, a.height, AllPlanes, ZPixmap);
        ASSERT_NE(image, nullptr);
        int black = 0;
        for (int y = 0; y < a.height; ++y)
            for (int x = 0; x < a.width; ++x)
                black += (XGetPixel(image, x, y) & 0xffffff) == 0;
        XDestroyImage(image);
        EXPECT_LT(black, 2000) << "a black square on page " << page;
        ASSERT_TRUE(s.program.Running()) << ReadFile(s.program.outPath);
    }
    ASSERT_TRUE(s.Type("Escape"));
    EXPECT_TRUE(s.EndsWithStatusZero("Escape"));
    const std::string out = ReadFile(s.program.outPath);
    EXPECT_EQ(std::count(out.begin(), out.end(), '\n'), 1) << out;
    EXPECT_NE(out.find("no OpenGL"), std::string::npos) << out;
}

INSTANTIATE_TEST_SUITE_P(EveryWayOut, ProgramExit,
                         testing::Values(Closing{"Ok", "alt+o"}, Closing{"Cancel", "alt+c"},
                                         Closing{"Escape", "Escape"}, Closing{"CloseBox", ""}),
                         [](const testing::TestParamInfo<Closing>& info) { return info.param.first; });

// The texture picture: copied beside the program, committed as its generator
// draws it, and shaped so that a mirrored or upside-down mapping shows.
TEST(Logo, BesideTheProgramIsA24BitPowerOfTwoPictureThatShowsWhichWayIsUp)
{
    const std::string file = ReadFile(SAMPLES_SOURCE_LOGO), drawn = testing::TempDir() + "logo-redrawn.bmp";
    EXPECT_TRUE(ReadFile(kProgramDir + "/logo.bmp") == file) << "no copy of res/logo.bmp beside the program";
    ASSERT_EQ(std::system(("'" SAMPLES_MAKE_LOGO "' '" + drawn + "'").c_str()), 0);
    EXPECT_TRUE(ReadFile(drawn) == file) << "res/logo.bmp differs from its generator's output";
    std::remove(drawn.c_str());

    auto u32 = [&file](size_t at) {
        auto byte = [&](size_t i) { return std::uint32_t{static_cast<unsigned char>(file[at + i])}; };
        return byte(0) | byte(1) << 8 | byte(2) << 16 | byte(3) << 24;
    };
    ASSERT_TRUE(file.size() >= 54 && file[0] == 'B' && file[1] == 'M');
    EXPECT_TRUE(u32(14) == 40 && u32(26) == (1u | 24u << 16) && u32(30) == 0) << "not a plain 24-bit Windows bitmap";
    const int width = static_cast<int>(u32(18)), height = static_cast<int>(u32(22));
    for (int side : {width, height})
        EXPECT_TRUE(side >= 64 && side <= 1024 && (side & (side - 1)) == 0) << side;
    const size_t offset = u32(10), stride = (width * 3u + 3) & ~3u;
    ASSERT_EQ(file.size(), offset + stride * height);

    // Each wrong mapping moves a good part of the picture.
    auto at = [&](int x, int y) { return &file[offset + y * stride + x * 3]; };
    for (auto [mirror, flip] : {std::pair{true, false}, std::pair{false, true}, std::pair{true, true}}) {
        int changed = 0;
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x)
                changed +=
                    std::memcmp(at(x, y), at(mirror ? width - 1 - x : x, flip ? height - 1 - y : y), 3) != 0;
        EXPECT_GT(changed, width * height / 20) << "alike mirrored " << mirror << ", flipped " << flip;
    }
}

}
