// The command line, read before wx starts: help and version need no display,
// and anything else ends at once with a short usage and status 2.
#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>

namespace {

struct Outcome
{
    int status = -1;
    std::string out, err;
};

std::string ReadFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// With no display at all: a program that opened one would fail.
Outcome RunProgram(const std::string& args)
{
    const std::string base = testing::TempDir() + "cmdline-" + std::to_string(getpid());
    const std::string command = "env -u DISPLAY -u WAYLAND_DISPLAY '" SAMPLES_PROGRAM "' " + args + " >" + base +
                                ".out 2>" + base + ".err";
    Outcome run;
    const int status = std::system(command.c_str());
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    run.out = ReadFile(base + ".out");
    run.err = ReadFile(base + ".err");
    std::remove((base + ".out").c_str());
    std::remove((base + ".err").c_str());
    return run;
}

struct Case
{
    const char* name;
    const char* args;
    int status;
    const char* inOut;   // expected in standard output ("" for none at all)
    const char* inErr;   // expected in standard error ("" for none at all)
};

const Case kCases[] = {
    {"Help", "--help", 0, "--version", ""},
    {"ShortHelp", "-h", 0, "show the version and exit", ""},
    {"Version", "--version", 0, "opengl-samples " SAMPLES_VERSION "\n", ""},
    {"UnknownLong", "--verbose", 2, "", "usage: opengl-samples [--help] [--version]"},
    {"UnknownShort", "-x", 2, "", "usage: opengl-samples"},
    {"FileName", "logo.bmp", 2, "", "usage: opengl-samples"},
    {"VersionAndUnknown", "--version --fast", 2, "", "usage: opengl-samples"},
    {"ToolkitOption", "--display=:0", 2, "", "usage: opengl-samples"},
};

void PrintTo(const Case& c, std::ostream* os)
{
    *os << c.args;
}

class CommandLine : public testing::TestWithParam<Case>
{
};

TEST_P(CommandLine, EndsAtOnceWithTheRightStatusAndText)
{
    const Case& c = GetParam();
    const Outcome run = RunProgram(c.args);
    EXPECT_EQ(run.status, c.status) << "out:\n" << run.out << "err:\n" << run.err;
    for (auto [text, expected] : {std::pair{run.out, c.inOut}, std::pair{run.err, c.inErr}}) {
        if (*expected)
            EXPECT_NE(text.find(expected), std::string::npos) << "missing \"" << expected << "\" in:\n" << text;
        else
            EXPECT_EQ(text, "") << "for " << c.args;
    }
    // The usage for a mistake is short: the complaint and one line.
    if (c.status == 2) {
        std::istringstream lines(run.err);
        int count = 0;
        for (std::string line; std::getline(lines, line);)
            count += !line.empty();
        EXPECT_LE(count, 3) << run.err;
    }
}

INSTANTIATE_TEST_SUITE_P(Arguments, CommandLine, testing::ValuesIn(kCases),
                         [](const testing::TestParamInfo<Case>& info) { return info.param.name; });

}
