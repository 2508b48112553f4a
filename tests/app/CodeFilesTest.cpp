// Saving the frame and its code into two files.
#include "CodeFiles.h"
#include "XClients.h"

#include <gtest/gtest.h>

namespace {

namespace fs = std::filesystem;

TEST(CodeFiles, EveryChosenNameGivesAPictureAndItsCodeInTwoFiles)
{
    struct Case { const char* chosen; const char* png; const char* code; };
    const Case cases[] = {{"frame.png", "frame.png", "frame.c"}, {"frame.c", "frame.c.png", "frame.c.c"},
                          {"frame", "frame.png", "frame.c"},     {"Frame.PNG", "Frame.PNG", "Frame.c"},
                          {"frame.C", "frame.C.png", "frame.C.c"}, {"frame.Png.c", "frame.Png.c.png", "frame.Png.c.c"}};
    const std::string pngSignature = "\x89PNG\r\n\x1a\n";
    wxImage frame(8, 8);
    frame.SetRGB(wxRect(0, 0, 8, 8), 10, 20, 30);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.chosen);
        const fs::path dir = NewFolder();
        // A file of the user's at a chosen name that is not the picture's stays as it was.
        std::set<std::string> expected = {c.png, c.code};
        if (expected.insert(c.chosen).second)
            std::ofstream(dir / c.chosen, std::ios::binary) << "the user's own\n";
        const wxString failure = SaveFrameAndFragment(frame, "void DrawScene(void);\n", (dir / c.chosen).string());
        EXPECT_EQ(std::string(failure.utf8_str()), "");
        EXPECT_EQ(FilesIn(dir), expected);
        if (c.chosen != std::string(c.png)) {
            EXPECT_EQ(ReadFile(dir / c.chosen), "the user's own\n");
        }
        EXPECT_EQ(ReadFile(dir / c.png).substr(0, pngSignature.size()), pngSignature) << "not a PNG";
        EXPECT_EQ(ReadFile(dir / c.code), "void DrawScene(void);\n");
        fs::remove_all(dir);
    }
}

TEST(CodeFiles, AFailedSaveLeavesTheOlderPictureAndCodeIntact)
{
    const fs::path dir = NewFolder(), png = dir / "cube.png", code = dir / "cube.c";
    wxImage older(8, 8), newer(16, 16);
    older.SetRGB(wxRect(0, 0, 8, 8), 10, 20, 30);
    ASSERT_EQ(SaveFrameAndFragment(older, "older code\n", png.string()), "");
    const std::string olderPng = ReadFile(png);
    ASSERT_EQ(ReadFile(code), "older code\n");

    // Each half of the new save failing in turn: the place its part is
    // written to is taken by a folder.
    for (const char* blocked : {".cube.png.part", ".cube.c.part"}) {
        fs::create_directory(dir / blocked);
        EXPECT_NE(SaveFrameAndFragment(newer, "newer code\n", png.string()), "") << blocked;
        EXPECT_EQ(ReadFile(png), olderPng) << "the older picture changed, " << blocked << " taken";
        EXPECT_EQ(ReadFile(code), "older code\n") << blocked << " taken";
        fs::remove(dir / blocked);
        EXPECT_EQ(FilesIn(dir), (std::set<std::string>{"cube.c", "cube.png"})) << "a part was left";
    }
    // The picture in place and then the code's name taken by a folder: the
    // older picture comes back.
    fs::remove(code);
    fs::create_directories(code / "inside");
    EXPECT_NE(SaveFrameAndFragment(newer, "newer code\n", png.string()), "");
    EXPECT_EQ(ReadFile(png), olderPng) << "the older picture was lost";
    EXPECT_EQ(FilesIn(dir), (std::set<std::string>{"cube.c", "cube.png"})) << "a part was left";
    fs::remove_all(dir);
}

}
