// Saving the frame and its code: a save that fails leaves the files that an
// earlier save of the same name wrote as they were.
#include "CodeFiles.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace {

namespace fs = std::filesystem;

std::string Bytes(const fs::path& file)
{
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(CodeFiles, AFailedSaveLeavesTheOlderPictureAndCodeIntact)
{
    char name[] = "/tmp/codefiles-XXXXXX";
    const fs::path dir = mkdtemp(name), png = dir / "cube.png", code = dir / "cube.c";
    wxImage older(8, 8), newer(16, 16);
    older.SetRGB(wxRect(0, 0, 8, 8), 10, 20, 30);
    ASSERT_EQ(SaveFrameAndFragment(older, "older code\n", png.string()), "");
    const std::string olderPng = Bytes(png);
    ASSERT_EQ(Bytes(code), "older code\n");

    // Each half of the new save failing in turn: the place its part is
    // written to is taken by a folder.
    for (const char* blocked : {".cube.png.part", ".cube.c.part"}) {
        fs::create_directory(dir / blocked);
        EXPECT_NE(SaveFrameAndFragment(newer, "newer code\n", png.string()), "") << blocked;
        EXPECT_EQ(Bytes(png), olderPng) << "the older picture changed, " << blocked << " taken";
        EXPECT_EQ(Bytes(code), "older code\n") << blocked << " taken";
        fs::remove(dir / blocked);
        EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 2) << "a part was left";
    }
    // The picture in place and then the code's name taken by a folder: the
    // older picture comes back.
    fs::remove(code);
    fs::create_directories(code / "inside");
    EXPECT_NE(SaveFrameAndFragment(newer, "newer code\n", png.string()), "");
    EXPECT_EQ(Bytes(png), olderPng) << "the older picture was lost";
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 2) << "a part was left";
    fs::remove_all(dir);
}

}
