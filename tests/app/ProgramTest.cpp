// The program as the user starts it: a child process on the test's display,
// closed the ways a user closes the sheet, must end with status 0.
#include <gtest/gtest.h>

#include <X11/Xatom.h>
#include <X11/Xlib.h>

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <thread>

namespace {

// Bounds against a hang only; a healthy run takes a fraction of them.
constexpr int kAppearSeconds = 30;
constexpr int kExitSeconds = 30;

std::string ProgramDir()
{
    const std::string program = SAMPLES_PROGRAM;
    return program.substr(0, program.rfind('/'));
}

// Other clients' windows may vanish while the tree is walked; the default
// handler would end the test process over that.
int IgnoreXError(Display*, XErrorEvent*)
{
    return 0;
}

// A busy display now and then refuses a connection: try again for a while.
Display* OpenDisplay()
{
    XSetErrorHandler(IgnoreXError);
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(kAppearSeconds);
    Display* display = XOpenDisplay(nullptr);
    while (!display && std::chrono::steady_clock::now() < deadline) {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        display = XOpenDisplay(nullptr);
    }
    return display;
}

bool Run(const std::string& command)
{
    return std::system(command.c_str()) == 0;
}

class Program
{
public:
    explicit Program(const std::string& workDir)
        : m_stderrPath(testing::TempDir() + "opengl-samples-" + std::to_string(getpid()) + ".err")
    {
        m_pid = fork();
        if (m_pid == 0) {
            // Both outputs to the file: a child that outlived the test must
            // not hold the test runner's pipe open.
            const int err = open(m_stderrPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
            if (err >= 0) {
                dup2(err, 1);
                dup2(err, 2);
            }
            if (chdir(workDir.c_str()) == 0)
                execl(SAMPLES_PROGRAM, SAMPLES_PROGRAM, static_cast<char*>(nullptr));
            _exit(127);
        }
    }

    ~Program()
    {
        if (Running()) {
            kill(m_pid, SIGKILL);
            waitpid(m_pid, nullptr, 0);
        }
        std::remove(m_stderrPath.c_str());
    }

    bool Started() const { return m_pid > 0; }

    bool Running()
    {
        if (m_pid <= 0 || m_exited)
            return false;
        int status = 0;
        if (waitpid(m_pid, &status, WNOHANG) == m_pid) {
            m_exited = true;
            m_status = status;
        }
        return !m_exited;
    }

    // The id of the program's shown window titled title, or "" when none
    // appears within the bound.
    std::string WaitForWindow(const std::string& title)
    {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(kAppearSeconds);
        Display* display = OpenDisplay();
        if (!display)
            return {};
        std::string found;
        while (found.empty() && Running() && std::chrono::steady_clock::now() < deadline) {
            const Window w = FindShownWindow(display, DefaultRootWindow(display), title, 0);
            if (w != None)
                found = std::to_string(w);
            else
                std::this_thread::sleep_for(std::chrono::milliseconds(50));
        }
        XCloseDisplay(display);
        return found;
    }

    // Waits for the end; a process still running after the bound is killed.
    bool WaitForExit()
    {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(kExitSeconds);
        while (Running()) {
            if (std::chrono::steady_clock::now() >= deadline)
                return false;
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
        return true;
    }

    int WaitStatus() const { return m_status; }

    std::string Stderr() const
    {
        std::ifstream in(m_stderrPath);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }

private:
    // Top-level windows are the root's children, or its grandchildren under
    // a window manager's frames. The title is read from _NET_WM_NAME, as a
    // Cyrillic title has no WM_NAME.
    Window FindShownWindow(Display* display, Window parent, const std::string& title, int depth)
    {
        Window root = None, up = None, *children = nullptr;
        unsigned count = 0;
        if (!XQueryTree(display, parent, &root, &up, &children, &count))
            return None;
        Window found = None;
        for (unsigned i = 0; i < count && found == None; ++i) {
            XWindowAttributes attributes;
            if (!XGetWindowAttributes(display, children[i], &attributes) ||
                attributes.map_state != IsViewable)
                continue;
            if (Property(display, children[i], "_NET_WM_PID", XA_CARDINAL) ==
                    std::to_string(m_pid) &&
                Property(display, children[i], "_NET_WM_NAME", 0) == title)
                found = children[i];
            else if (depth < 2)
                found = FindShownWindow(display, children[i], title, depth + 1);
        }
        if (children)
            XFree(children);
        return found;
    }

    // A text property as UTF-8, or a cardinal as decimal digits.
    static std::string Property(Display* display, Window w, const char* name, Atom cardinal)
    {
        Atom type = None;
        int format = 0;
        unsigned long items = 0, after = 0;
        unsigned char* data = nullptr;
        std::string value;
        if (XGetWindowProperty(display, w, XInternAtom(display, name, False), 0, 1024, False,
                               AnyPropertyType, &type, &format, &items, &after,
                               &data) == Success &&
            data) {
            if (cardinal != 0 && type == cardinal && format == 32 && items > 0)
                value = std::to_string(*reinterpret_cast<unsigned long*>(data));
            else if (cardinal == 0 && format == 8)
                value.assign(reinterpret_cast<char*>(data), items);
            XFree(data);
        }
        return value;
    }

    std::string m_stderrPath;
    pid_t m_pid = -1;
    bool m_exited = false;
    int m_status = 0;
};

const char kSheetTitle[] = "OpenGL: фрагменты кода с примерами";

// Gives the window the keyboard focus (there may be no window manager to do
// it) and types keys into it.
bool Type(const std::string& window, const std::string& keys)
{
    return Run("timeout 10 xdotool windowfocus --sync " + window + " key " + keys);
}

// What a window manager sends when its close box is clicked.
bool SendDeleteWindow(const std::string& window)
{
    Display* display = OpenDisplay();
    if (!display)
        return false;
    const Window id = std::stoul(window);
    const Atom protocols = XInternAtom(display, "WM_PROTOCOLS", False);
    const Atom deleteWindow = XInternAtom(display, "WM_DELETE_WINDOW", False);

    bool offered = false;
    Atom* list = nullptr;
    int count = 0;
    if (XGetWMProtocols(display, id, &list, &count)) {
        for (int i = 0; i < count; ++i)
            offered = offered || list[i] == deleteWindow;
        XFree(list);
    }
    if (offered) {
        XEvent event{};
        event.xclient.type = ClientMessage;
        event.xclient.window = id;
        event.xclient.message_type = protocols;
        event.xclient.format = 32;
        event.xclient.data.l[0] = static_cast<long>(deleteWindow);
        event.xclient.data.l[1] = CurrentTime;
        XSendEvent(display, id, False, NoEventMask, &event);
        XFlush(display);
    }
    XCloseDisplay(display);
    return offered;
}

struct Closing
{
    const char* name;
    bool (*close)(const std::string& window);
};

const Closing kClosings[] = {
    // The stock buttons carry mnemonics: Alt+O presses OK, Alt+C Cancel.
    {"Ok", [](const std::string& w) { return Type(w, "alt+o"); }},
    {"Cancel", [](const std::string& w) { return Type(w, "alt+c"); }},
    {"Escape", [](const std::string& w) { return Type(w, "Escape"); }},
    {"CloseBox", SendDeleteWindow},
};

class ProgramExit : public testing::TestWithParam<int>
{
protected:
    void SetUp() override
    {
        if (!std::getenv("DISPLAY"))
            GTEST_FAIL() << "needs an X display (run under scripts/with-display)";
    }
};

TEST_P(ProgramExit, ClosingTheSheetEndsTheProgramWithStatusZero)
{
    const Closing& how = kClosings[GetParam()];
    Program program(ProgramDir());
    ASSERT_TRUE(program.Started());
    const std::string sheet = program.WaitForWindow(kSheetTitle);
    ASSERT_FALSE(sheet.empty()) << "the sheet never appeared"
                                << (program.Running() ? "" : " (the program ended with wait status " +
                                                                 std::to_string(program.WaitStatus()) + ")")
                                << "; stderr:\n" << program.Stderr();
    ASSERT_TRUE(program.Running()) << "ended before it was closed";

    ASSERT_TRUE(how.close(sheet)) << how.name;
    ASSERT_TRUE(program.WaitForExit()) << how.name << " did not end the program";
    ASSERT_TRUE(WIFEXITED(program.WaitStatus())) << "ended by signal " << WTERMSIG(program.WaitStatus());
    EXPECT_EQ(WEXITSTATUS(program.WaitStatus()), 0) << how.name;
    EXPECT_EQ(program.Stderr().find("assertion"), std::string::npos) << program.Stderr();
}

INSTANTIATE_TEST_SUITE_P(EveryWayOut, ProgramExit, testing::Range(0, 4),
                         [](const testing::TestParamInfo<int>& info) {
                             return std::string(kClosings[info.param].name);
                         });

// Without its picture the program says so in its own box and carries on.
TEST(ProgramNotice, MissingPictureIsReportedInABoxAndTheProgramStillEndsWell)
{
    if (!std::getenv("DISPLAY"))
        GTEST_FAIL() << "needs an X display (run under scripts/with-display)";
    char dir[] = "/tmp/samples-nologo-XXXXXX";
    ASSERT_NE(mkdtemp(dir), nullptr);
    {
        Program program(dir);
        const std::string sheet = program.WaitForWindow(kSheetTitle);
        ASSERT_FALSE(sheet.empty()) << program.Stderr();

        // The texture page, two tabs on, reads the picture when first shown.
        ASSERT_TRUE(Type(sheet, "ctrl+Page_Down ctrl+Page_Down"));
        const std::string notice = program.WaitForWindow("Error");
        ASSERT_FALSE(notice.empty()) << "no box titled Error; stderr:\n" << program.Stderr();
        EXPECT_EQ(program.Stderr().find("Failed to open DIB file"), std::string::npos)
            << "the notice went to standard error instead of a box";

        ASSERT_TRUE(Type(notice, "Return"));
        ASSERT_TRUE(Type(sheet, "Escape"));
        ASSERT_TRUE(program.WaitForExit()) << program.Stderr();
        ASSERT_TRUE(WIFEXITED(program.WaitStatus()));
        EXPECT_EQ(WEXITSTATUS(program.WaitStatus()), 0);
        EXPECT_EQ(program.Stderr().find("assertion"), std::string::npos) << program.Stderr();
    }
    rmdir(dir);
}

}
