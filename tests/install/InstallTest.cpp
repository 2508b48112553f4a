// The program as a desktop user gets it: its command line, read before wx
// starts; where it finds "logo.bmp"; its cube icon at every installed size.
#include "DataFile.h"
#include "IconArt.h"
#include "Resources.h"
#include "XClients.h"

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

// Help and version need no display; anything else ends at once with a short
// usage and status 2. Each with what its standard output and error hold ("" for nothing).
TEST(CommandLine, EndsAtOnceWithTheRightStatusAndText)
{
    const struct { const char* args; int status; const char* inOut; const char* inErr; } cases[] = {
        {"--help", 0, "--version", ""}, {"-h", 0, "show the version and exit", ""},
        {"--version", 0, "opengl-samples " SAMPLES_VERSION "\n", ""},
        {"--verbose", 2, "", "usage: opengl-samples [--help] [--version]"}, {"-x", 2, "", "usage: opengl-samples"},
        {"logo.bmp", 2, "", "usage: opengl-samples"}, {"--version --fast", 2, "", "usage: opengl-samples"},
        {"--display=:0", 2, "", "usage: opengl-samples"},
    };
    const std::string base = testing::TempDir() + "cmdline-" + std::to_string(getpid());
    for (const auto& c : cases) {
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
        EXPECT_TRUE(c.status != 2 || std::count(err.begin(), err.end(), '\n') <= 3) << err;
    }
}

// The current folder first, then the data folder <root>/usr/share/opengl-samples
// installed beside the program's bin folder, else the bare name for the notice.
TEST(DataFile, LooksInTheCurrentFolderThenInTheInstalledOne)
{
    // Where the copies lie, the program's path below the root, what the found file holds ("": the name).
    const struct { bool inCurrent, inData; const char* exe; const char* found; } cases[] = {
        {true, true, "/usr/bin/opengl-samples", "current"}, {false, true, "/usr/bin/opengl-samples", "data"},
        {false, false, "/usr/bin/opengl-samples", ""},
        {false, true, "/usr/local/bin/opengl-samples", ""},                   // only its own prefix
        {false, true, "/usr/share/opengl-samples/opengl-samples", ""},        // not the program's folder
    };
    char pattern[] = "/tmp/datafile-XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    const fs::path root = pattern, old = fs::current_path(), work = root / "work", data = root / "usr/share/opengl-samples";
    for (const auto& c : cases) {
        const fs::path exe = root.string() + c.exe;
        fs::remove_all(root / "usr"), fs::remove_all(work);
        for (const fs::path& dir : {work, data, exe.parent_path()})
            fs::create_directories(dir);
        if (c.inCurrent)
            std::ofstream(work / "logo.bmp") << "current";
        if (c.inData)
            std::ofstream(data / "logo.bmp") << "data";
        fs::current_path(work);
        const std::string found = FindDataFile("logo.bmp", exe.string());
        EXPECT_EQ(*c.found ? ReadFile(found) : found, *c.found ? c.found : "logo.bmp") << c.exe << ": " << found;
    }
    fs::current_path(old);
    fs::remove_all(root);
}

enum { kNone, kOutline, kEdge, kTop, kLeft, kRight };

// Where the drawing puts each colour, in units of the side: the top face a
// diamond over the middle, the left and right faces below it, the white front
// edge down the middle; its faces, edges and outline where the cube's corners put them.
using IconSizes = testing::TestWithParam<int>;
TEST_P(IconSizes, FacesEdgesAndOutlineLieWhereTheCornersPutThem)
{
    const struct { double x, y; int colour; } probes[] = {
        {0.02, 0.02, kNone}, {0.98, 0.98, kNone}, {0.5, 0.99, kNone}, {0.05, 0.5, kNone},  {0.5, 0.27, kTop},
        {0.3, 0.27, kTop},   {0.3, 0.6, kLeft},   {0.2, 0.45, kLeft}, {0.7, 0.6, kRight},  {0.8, 0.45, kRight},
        {0.5, 0.75, kEdge},  {0.5, 0.85, kEdge},  {0.1, 0.5, kOutline}, {0.9, 0.5, kOutline},
    };
    const int side = GetParam();
    const std::vector<std::uint8_t> pixels = DrawIconIndexed(side);
    const std::vector<std::uint32_t> smooth = DrawIconSmooth(side);
    for (const auto& p : probes) {
        const int x = static_cast<int>(p.x * side), y = static_cast<int>(p.y * side);
        const size_t i = static_cast<size_t>(y) * side + x;
        EXPECT_EQ(pixels[i], p.colour) << "at (" << x << ", " << y << ") of " << side;
        // Away from the lines the smoothed picture is the face's colour, or clear.
        if (side >= 48 && (p.colour >= kTop || p.colour == kNone)) {
            EXPECT_EQ(p.colour ? smooth[i] : smooth[i] >> 24, p.colour ? 0xFF000000u | kIconPalette[p.colour] : 0u)
                << "at (" << x << ", " << y << ")";
        }
    }
}
INSTANTIATE_TEST_SUITE_P(Hicolor, IconSizes, testing::Values(16, 22, 24, 32, 48, 64, 128, 256));

// The window icon's XPM images hold the same pixels, in colours XPM reads.
TEST(WindowIcon, IsTheCubeAtThirtyTwoAndSixteen)
{
    for (auto [side, xpm] : {std::pair{32, MainIcon32()}, std::pair{16, MainIcon16()}}) {
        int w = 0, h = 0, colours = 0, chars = 0;
        ASSERT_EQ(std::sscanf(xpm[0], "%d %d %d %d", &w, &h, &colours, &chars), 4);
        ASSERT_EQ(std::vector<int>({w, h, colours, chars}), std::vector<int>({side, side, kIconColours, 1}));
        EXPECT_EQ(std::string(xpm[1]), "  c None");
        EXPECT_EQ(std::string(xpm[4]), "t c #D8E8FF");
        const std::vector<std::uint8_t> pixels = DrawIconIndexed(side);
        for (int y = 0; y < side; ++y)
            for (int x = 0; x < side; ++x)
                ASSERT_EQ(xpm[1 + colours + y][x], kIconPaletteKeys[pixels[static_cast<size_t>(y) * side + x]])
                    << "(" << x << ", " << y << ") at " << side;
    }
}

}
