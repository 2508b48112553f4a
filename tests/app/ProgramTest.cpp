// The program as the user starts it, a child process on the test's display
// that ends with status 0 however the sheet is closed, and its picture.
#include <gtest/gtest.h>

#include <X11/Xatom.h>
#include <X11/Xlib.h>

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

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

// A shown top-level window of process pid: the root's child, or its
// grandchild under a window manager's frame.
Window FindShownWindow(Display* display, Window parent, pid_t pid, int depth = 0)
{
    Window root = None, up = None, *children = nullptr, found = None;
    unsigned count = 0;
    if (!XQueryTree(display, parent, &root, &up, &children, &count))
        return None;
    for (unsigned i = 0; i < count && found == None; ++i) {
        XWindowAttributes attributes;
        Atom type = None;
        int format = 0;
        unsigned long items = 0, after = 0;
        unsigned char* data = nullptr;
        if (!XGetWindowAttributes(display, children[i], &attributes) || attributes.map_state != IsViewable)
            continue;
        if (XGetWindowProperty(display, children[i], XInternAtom(display, "_NET_WM_PID", False), 0, 1, False,
                               XA_CARDINAL, &type, &format, &items, &after, &data) == Success && data) {
            if (format == 32 && items == 1 && *reinterpret_cast<unsigned long*>(data) == unsigned(pid))
                found = children[i];
            XFree(data);
        }
        if (found == None && depth < 2)
            found = FindShownWindow(display, children[i], pid, depth + 1);
    }
    if (children)
        XFree(children);
    return found;
}

// The program started in its own directory, where its logo.bmp lies; killed
// if it is still running when the test ends.
struct Program
{
    Program() : pid(fork())
    {
        if (pid != 0)
            return;
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

using Closing = std::pair<std::string, std::string>;   // name, keys
using ProgramExit = testing::TestWithParam<Closing>;

// The keys go to the sheet after it is given the focus (there may be no
// window manager to give it); the stock buttons' mnemonics are Alt+O for OK
// and Alt+C for Cancel.
TEST_P(ProgramExit, ClosingTheSheetEndsTheProgramWithStatusZero)
{
    Program program;
    // Other clients' windows may vanish while the tree is walked; the default
    // handler would end the test process over that.
    XSetErrorHandler([](Display*, XErrorEvent*) { return 0; });
    Display* display = nullptr;   // a busy display now and then refuses a connection: try again
    ASSERT_TRUE(WaitUntil([&] { return (display = XOpenDisplay(nullptr)) != nullptr; }))
        << "no X display (run under scripts/with-display)";
    Window sheet = None;
    WaitUntil([&] {
        sheet = FindShownWindow(display, DefaultRootWindow(display), program.pid);
        return sheet != None || !program.Running();
    });
    XCloseDisplay(display);
    ASSERT_NE(sheet, None) << "the sheet never showed (wait status " << program.status << "); output:\n"
                           << ReadFile(program.outPath);

    const std::string type = "timeout 10 xdotool windowfocus --sync " + std::to_string(sheet) + " key " +
                             GetParam().second;
    ASSERT_EQ(std::system(type.c_str()), 0) << type;
    ASSERT_TRUE(WaitUntil([&] { return !program.Running(); })) << GetParam().first << " did not end it";
    EXPECT_TRUE(WIFEXITED(program.status) && WEXITSTATUS(program.status) == 0)
        << GetParam().first << " left wait status " << program.status;
    EXPECT_EQ(ReadFile(program.outPath).find("assertion"), std::string::npos) << ReadFile(program.outPath);
}

INSTANTIATE_TEST_SUITE_P(EveryWayOut, ProgramExit,
                         testing::Values(Closing{"Ok", "alt+o"}, Closing{"Cancel", "alt+c"},
                                         Closing{"Escape", "Escape"}),
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
    EXPECT_EQ(u32(14), 40u) << "not a Windows bitmap header";
    EXPECT_EQ(u32(26), 1u | 24u << 16) << "not one plane of 24 bits";
    EXPECT_EQ(u32(30), 0u) << "compressed";
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
