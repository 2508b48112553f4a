// Where the program finds "logo.bmp": the current folder first, then the data
// folder installed beside its bin folder, else the bare name for the notice.
#include "DataFile.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

namespace {

namespace fs = std::filesystem;

// Where the copies lie, the program's path below a scratch root, and what the
// found file holds ("" when only the name comes back). The data folder is
// <root>/usr/share/opengl-samples.
const struct { bool inCurrent, inData; const char* exe; const char* found; } kCases[] = {
    {true, true, "/usr/bin/opengl-samples", "current"},
    {false, true, "/usr/bin/opengl-samples", "data"},
    {false, false, "/usr/bin/opengl-samples", ""},
    {false, true, "/usr/local/bin/opengl-samples", ""},                   // only its own prefix
    {false, true, "/usr/share/opengl-samples/opengl-samples", ""},        // not the program's folder
};

TEST(DataFile, LooksInTheCurrentFolderThenInTheInstalledOne)
{
    char pattern[] = "/tmp/datafile-XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    const fs::path root = pattern, old = fs::current_path();
    for (const auto& c : kCases) {
        const fs::path exe = root.string() + c.exe, work = root / "work", data = root / "usr/share/opengl-samples";
        fs::remove_all(root / "usr");
        fs::remove_all(work);
        for (const fs::path& dir : {work, data, exe.parent_path()})
            fs::create_directories(dir);
        if (c.inCurrent)
            std::ofstream(work / "logo.bmp") << "current";
        if (c.inData)
            std::ofstream(data / "logo.bmp") << "data";
        fs::current_path(work);
        const std::string found = FindDataFile("logo.bmp", exe.string());
        std::string text;
        std::getline(std::ifstream(found), text);
        EXPECT_EQ(*c.found ? text : found, *c.found ? c.found : "logo.bmp") << c.exe << ": " << found;
    }
    fs::current_path(old);
    fs::remove_all(root);
}

}
