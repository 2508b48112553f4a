// The program started as a child process on an X display, its shown
// windows found, keys typed and the close box pressed through the X server.
#pragma once

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
#include <vector>

namespace programtest {

const std::string kProgram = SAMPLES_PROGRAM, kProgramDir = kProgram.substr(0, kProgram.rfind('/'));

inline std::string ReadFile(const std::string& path)
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
inline std::string On(const std::string& display, const std::string& command)
{
    return (display.empty() ? "" : "DISPLAY=" + display + " ") + command;
}

// What another program finds on the clipboard of display.
inline std::string OtherProgramsClipboard(const std::string& display)
{
    std::string text;
    if (FILE* out = popen(On(display, "timeout 5 xclip -o -selection clipboard 2>/dev/null").c_str(), "r")) {
        char buffer[4096];
        for (size_t n; (n = std::fread(buffer, 1, sizeof buffer, out)) > 0;)
            text.append(buffer, n);
        pclose(out);
    }
    return text;
}

// The shown top-level window of process pid on display, or None.
inline Window ShownWindow(const std::string& display, pid_t pid)
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

// The program started in its own directory, where its logo.bmp lies, in
// language lang (empty: the desktop's); killed if it is still running when
// the test ends.
struct Program
{
    explicit Program(const std::string& display = "", const std::string& lang = "") : pid(fork())
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
            execl(SAMPLES_PROGRAM, SAMPLES_PROGRAM, lang.empty() ? nullptr : "--lang", lang.c_str(),
                  static_cast<char*>(nullptr));
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

// A private X server of the given screen size, with or without the GLX
// extension, ready when made (a program started before it would find no
// display and end at once), stopped with the test. It picks a free number.
struct PrivateServer
{
    explicit PrivateServer(bool glx, const char* screen = "1024x768x24")
    {
        int ready[2];
        if (pipe(ready) != 0)
            return;
        if ((pid = fork()) == 0) {
            const int null = open("/dev/null", O_WRONLY);
            dup2(null, 1);
            dup2(null, 2);
            close(ready[0]);
            const std::string fd = std::to_string(ready[1]);
            std::vector<const char*> args{"Xvfb", "-displayfd", fd.c_str(), "-screen", "0", screen, "-nolisten", "tcp"};
            if (!glx)
                args.insert(args.end(), {"-extension", "GLX"});
            args.push_back(nullptr);
            execvp("Xvfb", const_cast<char* const*>(args.data()));
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
    ~PrivateServer()
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
    explicit Session(const std::string& displayName = "", const std::string& lang = "")
        : name(displayName), program(displayName, lang)
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
    // What a window manager sends when the close box of window (the sheet's
    // by default) is clicked.
    void PressCloseBox(Window window = None)
    {
        window = window == None ? sheet : window;
        XEvent e{};
        e.xclient.type = ClientMessage;
        e.xclient.window = window;
        e.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
        e.xclient.format = 32;
        e.xclient.data.l[0] = long(XInternAtom(display, "WM_DELETE_WINDOW", False));
        e.xclient.data.l[1] = CurrentTime;
        XSendEvent(display, window, False, NoEventMask, &e);
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

// Every shown top-level window of the program but the sheet: the code window.
inline Window CodeWindowOf(Session& s)
{
    const std::string command =
        On(s.name, "xdotool search --onlyvisible --pid " + std::to_string(s.program.pid) + " 2>/dev/null");
    Window found = None;
    if (FILE* out = popen(command.c_str(), "r")) {
        for (unsigned long w; std::fscanf(out, "%lu", &w) == 1;)
            found = w != s.sheet ? w : found;
        pclose(out);
    }
    return found;
}

}
