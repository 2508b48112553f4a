// The program started as a child process on an X display, its shown
// windows found, keys typed and the close box pressed through the X server.
#pragma once

#include "XClients.h"

#include <gtest/gtest.h>

#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <thread>

namespace programtest {

const std::string kProgram = SAMPLES_PROGRAM, kProgramDir = kProgram.substr(0, kProgram.rfind('/'));

// Polls until done() holds, for at most a bound that only guards against a hang.
template <class Done> bool WaitUntil(Done done)
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
    for (; !done(); std::this_thread::sleep_for(std::chrono::milliseconds(20)))
        if (std::chrono::steady_clock::now() > deadline)
            return false;
    return true;
}

// The program started in its own directory, where its logo.bmp lies, in
// language lang (empty: the desktop's); killed if it still runs at the end.
struct Program
{
    explicit Program(const std::string& lang) : pid(fork())
    {
        if (pid != 0)
            return;
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
    bool Running() { return !(exited = exited || pid <= 0 || waitpid(pid, &status, WNOHANG) == pid); }

    const std::string outPath = testing::TempDir() + "opengl-samples-" + std::to_string(getpid()) + ".out";
    const pid_t pid;
    bool exited = false;
    int status = 0;
};

// The program's display opened, and its sheet once shown.
struct Session
{
    explicit Session(const std::string& lang = "") : program(lang)
    {
        // A busy or starting display now and then refuses a connection: try again.
        if (!WaitUntil([&] { return (display = XOpenDisplay(nullptr)) != nullptr; }))
            return;
        WaitUntil([&] {
            const std::vector<unsigned long> shown = ShownWindows(program.pid);
            sheet = shown.empty() ? None : shown.front();
            return sheet != None || !program.Running();
        });
    }
    ~Session()
    {
        if (display)
            XCloseDisplay(display);
    }
    // Keys typed into the sheet, given the focus first (no window manager may give it).
    bool Type(const std::string& keys)
    {
        const std::string command = "timeout 10 xdotool windowfocus --sync " + std::to_string(sheet) + " key --delay 100 " + keys;
        return std::system(command.c_str()) == 0;
    }
    // What a window manager sends when the close box of window (the sheet's
    // by default) is clicked.
    void PressCloseBox(Window window = None)
    {
        XEvent e{};
        e.xclient.type = ClientMessage;
        e.xclient.window = window = window == None ? sheet : window;
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
    // Every shown top-level window of the program but the sheet: the code window.
    Window CodeWindow()
    {
        Window found = None;
        for (unsigned long w : ShownWindows(program.pid))
            found = w != sheet ? w : found;
        return found;
    }

    Program program;
    Display* display = nullptr;
    Window sheet = None;
};

}
