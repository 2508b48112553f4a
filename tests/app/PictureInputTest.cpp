// Another picture on the textured cube, in the program as the user runs it:
// opened through the picture's right-click menu and the file dialog with real
// keys at a person's pace, refused by the loader with a real notice, and
// given on the command line. The cube is judged by the window's pixels; the
// code by the code window's text and the clipboard another program reads.
#include "BmpWriter.h"
#include "CNoticeBox.h"
#include "CTexWnd.h"
#include "OtherProgram.h"
#include "ShownSheet.h"
#include "ViewCode.h"

#include <GL/gl.h>
#include <gtest/gtest.h>
#include <wx/dnd.h>
#include <wx/timer.h>

#include <fstream>
#include <string>

namespace {

struct Rgb { int r, g, b; };
// Plain colour areas, none of them white, so that a plain lit cube shows none.
const Rgb kCorners[2][2] = {{{220, 30, 30}, {30, 200, 40}}, {{40, 60, 230}, {230, 210, 20}}};   // [upper][right]

// A picture of width x height in four plain quadrants, at path.
void WriteQuadrants(const std::string& path, int width, int height)
{
    std::vector<uint32_t> values;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const Rgb& c = kCorners[2 * y >= height][2 * x >= width];
            values.push_back(uint32_t(c.r) << 16 | uint32_t(c.g) << 8 | uint32_t(c.b));
        }
    BmpFields f;
    f.width = width, f.height = height;
    f.bits = PackRows(24, width, height, values);
    const Bytes file = BuildBmp(f);
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(file.data()), std::streamsize(file.size()));
}

// The colour at the middle of each quadrant of the picture on the front face,
// the cube stopped facing the viewer: the picture's (s, t) lies at eye
// (2.5 - 5t, 2.5 - 5s) there, and the white lamp shows each texel as it is.
bool ShowsQuadrants(COpenGLWnd& view, std::string& seen)
{
    view.SetAngles(0, 0);
    const wxImage frame = ReadFrame(view);
    const auto& o = view.State().ortho;
    bool all = frame.IsOk();
    for (int upper : {0, 1})
        for (int right : {0, 1}) {
            const double x = 2.5 - 5 * (0.25 + 0.5 * upper), y = 2.5 - 5 * (0.25 + 0.5 * right);
            const int px = int((x - o[0]) / (o[1] - o[0]) * frame.GetWidth());
            const int py = int((o[3] - y) / (o[3] - o[2]) * frame.GetHeight());
            const Rgb want = kCorners[upper][right];
            const Rgb got{frame.GetRed(px, py), frame.GetGreen(px, py), frame.GetBlue(px, py)};
            all = all && std::abs(got.r - want.r) < 12 && std::abs(got.g - want.g) < 12 && std::abs(got.b - want.b) < 12;
            seen += wxString::Format("(%d %d %d) ", got.r, got.g, got.b).ToStdString();
        }
    return all;
}

// The texture page shown by a real click on its tab, its window set up.
CTexWnd* ShowTexturePage(CAllSheets& sheet)
{
    ClickTab(sheet.GetBookCtrl(), 2);
    EXPECT_TRUE(SetUpAndCurrent(sheet, 2));
    return dynamic_cast<CTexWnd*>(sheet.Page(2)->View());
}

// A right-click on the picture, "Открыть рисунок…" (the menu's last item)
// chosen by keys, the path typed into the file dialog and Enter; then, when
// refused, Enter on the notice after a look. Returns the notice's text, if any.
wxString OpenByMenu(COpenGLWnd& view, const std::string& path, bool refused = false)
{
    const wxPoint at = view.GetScreenPosition() + wxPoint(view.GetSize().x / 2, view.GetSize().y / 3);
    const std::string script = testing::TempDir() + "open-picture.sh";
    std::ofstream(script) << "x() { timeout 10 xdotool \"$@\"; }\n"
                             "waitfor() { for i in $(seq 60); do x search --onlyvisible --name \"$1\" >/dev/null && return 0; sleep 0.2; done; return 1; }\n"
                             "x mousemove " << at.x << " " << at.y << " click 3; sleep 0.8\n"
                             "x key Up; sleep 0.3; x key Return\n"
                             "waitfor '^Открыть рисунок$' || { echo no file dialog; exit 1; }\n"
                             "sleep 0.8; x key ctrl+l; sleep 0.4\n"
                             "x type --delay 120 '" << path << "'; sleep 0.5; x key Return\n"
                          << (refused ? "waitfor '^Ошибка$' && { sleep 1; x key Return; }\n" : "");
    wxString notice;
    wxTimer look;
    look.Bind(wxEVT_TIMER, [&](wxTimerEvent&) {
        auto* box = ModalWindow<CNoticeBox>();
        if (box)
            notice = box->Text();
        if (box && !refused)
            box->EndModal(wxID_OK);   // not waited for: the test is not to hang
    });
    look.Start(100);
    const std::string out = OutputOf("sh " + script);
    EXPECT_EQ(out, "");
    return notice;
}

std::string Code(CCodeWindow* w)
{
    w->Follow();
    return std::string(w->Fragment().utf8_str());
}

}

TEST(PictureInputTest, APictureOpenedFromTheMenuCoversTheCubeAndTheCodeNamesIt)
{
    const std::string path = testing::TempDir() + "quadrants.bmp";
    WriteQuadrants(path, 12, 10);
    ASSERT_TRUE(RunProgramSheet([&](CAllSheets& sheet) {
        CTexWnd* view = ShowTexturePage(sheet);
        ASSERT_TRUE(view);
        CCodeWindow* w = sheet.OpenCodeWindow();
        std::string seen;
        ASSERT_FALSE(ShowsQuadrants(*view, seen)) << "logo.bmp shows the test's colours: " << seen;
        EXPECT_EQ(OpenByMenu(*view, path), "");
        seen.clear();
        EXPECT_TRUE(ShowsQuadrants(*view, seen)) << seen;
        // 12 x 10 is no size for OpenGL 1.1: scaled to 16 x 16, with its mipmaps down to 1 x 1, as the code says.
        GLint side[3] = {};
        for (int level : {0, 1, 4})
            glGetTexLevelParameteriv(GL_TEXTURE_2D, level, GL_TEXTURE_WIDTH, &side[level ? level / 4 + 1 : 0]);
        EXPECT_EQ(std::vector<GLint>(side, side + 3), (std::vector<GLint>{16, 8, 1}));
        EXPECT_TRUE(PumpEvents(3000, [&] { return Code(w).find("картинка quadrants.bmp, 12 x 10 точек") != std::string::npos; }))
            << Code(w);
        EXPECT_NE(Code(w).find("gluScaleImage(GL_RGB, 12, 10, GL_UNSIGNED_BYTE, picture, 16, 16, GL_UNSIGNED_BYTE, scaled);\n"
                               "    glTexImage2D(GL_TEXTURE_2D, 0, 3, 16, 16, 0, GL_RGB, GL_UNSIGNED_BYTE, scaled);"),
                  std::string::npos);
    }));
}

TEST(PictureInputTest, AFileTheLoaderRefusesGivesItsReasonAndTheCubeKeepsItsPicture)
{
    const std::string path = testing::TempDir() + "cut.bmp";
    std::ofstream(path, std::ios::binary) << "BM and no more";
    ASSERT_TRUE(RunProgramSheet([&](CAllSheets& sheet) {
        CTexWnd* view = ShowTexturePage(sheet);
        ASSERT_TRUE(view);
        view->SetAngles(20, 30);
        const wxImage before = ReadFrame(*view);
        EXPECT_EQ(std::string(OpenByMenu(*view, path, true).utf8_str()), "Файл картинки обрывается после 14 байт, а его заголовкам нужно 18.");
        view->SetAngles(20, 30);
        const wxImage after = ReadFrame(*view);
        ASSERT_TRUE(before.IsOk() && after.IsOk());
        long differing = 0;
        for (int i = 0; i < before.GetWidth() * before.GetHeight() * 3; ++i)
            differing += std::abs(before.GetData()[i] - after.GetData()[i]) > 2;
        EXPECT_EQ(differing, 0) << "the cube lost its picture";
        EXPECT_EQ(view->PictureName(), "logo.bmp");
    }));
}

TEST(PictureInputTest, APictureGivenOnTheCommandLineIsOnTheCubeAndInTheCopiedCode)
{
    const std::string path = testing::TempDir() + "given.bmp";
    WriteQuadrants(path, 16, 8);
    const char* argv[] = {"opengl-samples", "--picture", path.c_str(), nullptr};
    ASSERT_EQ(HandleCommandLine(3, const_cast<char**>(argv)), -1);
    const bool shown = RunProgramSheet([&](CAllSheets& sheet) {
        CTexWnd* view = ShowTexturePage(sheet);
        ASSERT_TRUE(view);
        std::string seen;
        EXPECT_TRUE(ShowsQuadrants(*view, seen)) << seen;
        Input().Char(WXK_F1);
        ASSERT_TRUE(PumpEvents(3000, [&] { return sheet.CodeWindow() && sheet.CodeWindow()->IsShown(); }));
        OutputOf(kEmptyClipboard);
        ClickOn(sheet.CodeWindow()->FindWindow(wxID_COPY));
        const std::string copied = OtherProgramsClipboard();
        EXPECT_NE(copied.find("картинка given.bmp, 16 x 8 точек"), std::string::npos) << copied.substr(0, 300);
        EXPECT_NE(copied.find("glTexImage2D(GL_TEXTURE_2D, 0, 3, 16, 8, 0, GL_RGB, GL_UNSIGNED_BYTE, picture);"),
                  std::string::npos);
    });
    CTexWnd::StartWith(wxString());
    EXPECT_TRUE(shown);
}

// The drop itself is GTK's (no drag source here): what the window's drop target does with it.
TEST(PictureInputTest, ABitmapDroppedOnThePictureCoversTheCube)
{
    const std::string path = testing::TempDir() + "dropped.bmp";
    WriteQuadrants(path, 8, 8);
    ASSERT_TRUE(RunProgramSheet([&](CAllSheets& sheet) {
        CTexWnd* view = ShowTexturePage(sheet);
        ASSERT_TRUE(view);
        CCodeWindow* w = sheet.OpenCodeWindow();
        auto* drop = dynamic_cast<wxFileDropTarget*>(view->GetDropTarget());
        ASSERT_TRUE(drop);
        wxArrayString files;
        files.push_back(path);
        EXPECT_TRUE(drop->OnDropFiles(10, 10, files));
        std::string seen;
        EXPECT_TRUE(PumpEvents(2000, [&] { return seen.clear(), ShowsQuadrants(*view, seen); })) << seen;
        EXPECT_TRUE(PumpEvents(3000, [&] { return Code(w).find("картинка dropped.bmp, 8 x 8 точек") != std::string::npos; }));
    }));
}
