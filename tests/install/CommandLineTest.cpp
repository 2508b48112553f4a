// The command line, read before wx starts: help and version need no display,
// and anything else ends at once with a short usage and status 2.
#include "XClients.h"

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <string>

namespace {

// Each with what its standard output and error hold ("" for nothing at all).
const struct { const char* args; int status; const char* inOut; const char* inErr; } kCases[] = {
    {"--help", 0, "--version", ""},
    {"-h", 0, "show the version and exit", ""},
    {"--version", 0, "opengl-samples " SAMPLES_VERSION "\n", ""},
    {"--verbose", 2, "", "usage: opengl-samples [--help] [--version]"},
    {"-x", 2, "", "usage: opengl-samples"},
    {"logo.bmp", 2, "", "usage: opengl-samples"},
    {"--version --fast", 2, "", "usage: opengl-samples"},
    {"--display=:0", 2, "", "usage: opengl-samples"},
};

TEST(CommandLine, EndsAtOnceWithTheRightStatusAndText)
{
    const std::string base = testing::TempDir() + "cmdline-" + std::to_string(getpid());
    for (const auto& c : kCases) {
        // With no display at all: a program that opened one would fail.
        const int status = std::system(("env -u DISPLAY -u WAYLAND_DISPLAY '" SAMPLES_PROGRAM "' " +
                                        std::string(c.args) + " >" + base + ".out 2>" + base + ".err").c_str());
        const std::string out = ReadFile(base + ".out"), err = ReadFile(base + ".err");
        std::remove((base + ".out").c_str()), std::remove((base + ".err").c_str());
        EXPECT_EQ(WIFEXITED(status) ? WEXITSTATUS(status) : -1, c.status) << c.args << "\nout:\n" << out << "err:\n" << err;
        for (const auto& [text, expected] : {std::pair{out, c.inOut}, {err, c.inErr}})
            EXPECT_TRUE(*expected ? text.find(expected) != std::string::npos : text.empty())
                << c.args << ": \"" << expected << "\" in:\n" << text;
        // The usage for a mistake is short: the complaint and one line.
        if (c.status == 2) {
            EXPECT_LE(std::count(err.begin(), err.end(), '\n'), 3) << err;
        }
    }
}

}
