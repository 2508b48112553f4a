// The textured cube, judged by the pixels of real frames. Each test writes
// its own "logo.bmp" into a fresh working directory before the window reads it.
#include "CTexWnd.h"
#include "LitScenes.h"
#include "Notice.h"
#include "RgbImage.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <memory>
#include <string>

#include <unistd.h>

namespace {

using namespace litscenes;

const Rgb kRedTexel{255, 0, 0};
const Rgb kGreenTexel{0, 255, 0};
const Rgb kBlueTexel{0, 0, 255};
const Rgb kYellowTexel{255, 255, 0};

void WriteBytes(const std::string& path, const std::string& bytes)
{
    std::FILE* f = std::fopen(path.c_str(), "wb");
    ASSERT_NE(f, nullptr) << path;
    std::fwrite(bytes.data(), 1, bytes.size(), f);
    std::fclose(f);
}

// A 24-bit Windows bitmap with its file header; colour(x, y) with y = 0 the
// bottom row, which the file stores first. Rows are padded to 4 bytes.
void WriteBmp(const std::string& path, int width, int height,
              const std::function<Rgb(int x, int y)>& colour)
{
    const uint32_t stride = (width * 3 + 3) & ~3u, dataSize = stride * height;
    std::string file = "BM";
    auto put = [&file](uint32_t v, int bytes) {
        for (int i = 0; i < bytes; ++i)
            file += static_cast<char>((v >> (8 * i)) & 0xFF);
    };
    // File header, then the 40-byte header: no compression, 2835 pixels a metre.
    put(14 + 40 + dataSize, 4), put(0, 4), put(14 + 40, 4);
    put(40, 4), put(width, 4), put(height, 4), put(1, 2), put(24, 2);
    put(0, 4), put(dataSize, 4), put(2835, 4), put(2835, 4), put(0, 4), put(0, 4);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const Rgb c = colour(x, y);
            put(c.b, 1), put(c.g, 1), put(c.r, 1);
        }
        file.append(stride - width * 3, '\0');
    }
    WriteBytes(path, file);
}

int g_notices = 0;
void CountNotice(const char*, const char*) { ++g_notices; }

// A face as the picture sees it: its vertices 1, 2 and 4, which take the
// picture's lower left, lower right and upper left corners, and a pose that
// shows the face square on to the viewer.
struct PictureFace
{
    const char* name;
    Pose frontOn;
    Vec3 v1, v2, v4;

    Vec3 At(double s, double t) const { return v1 + s * (v2 - v1) + t * (v4 - v1); }
};

constexpr double h = kHalf;
const PictureFace kPictureFaces[] = {
    {"face 1", {0, 0}, {h, h, h}, {h, -h, h}, {-h, h, h}},
    {"face 2", {0, 180}, {-h, h, -h}, {-h, -h, -h}, {h, h, -h}},
    {"face 3", {0, -90}, {h, h, h}, {h, h, -h}, {h, -h, h}},
    {"face 4", {0, 90}, {-h, h, h}, {-h, h, -h}, {-h, -h, h}},
    {"face 5", {-90, 0}, {-h, -h, h}, {h, -h, h}, {-h, -h, -h}},
    {"face 6", {90, 0}, {-h, h, h}, {h, h, h}, {-h, h, -h}},
};

class TexCubeTest : public testing::Test
{
protected:
    void SetUp() override
    {
        char dir[] = "/tmp/texcube-XXXXXX";
        ASSERT_NE(mkdtemp(dir), nullptr);
        m_dir = dir;
        char* cwd = getcwd(nullptr, 0);
        ASSERT_NE(cwd, nullptr);
        m_oldDir = cwd;
        std::free(cwd);
        ASSERT_EQ(chdir(m_dir.c_str()), 0);
        g_notices = 0;
        m_oldHandler = SetNoticeHandler(CountNotice);
    }

    void TearDown() override
    {
        m_wnd.reset();
        SetNoticeHandler(m_oldHandler);
        if (!m_oldDir.empty()) {
            EXPECT_EQ(chdir(m_oldDir.c_str()), 0);
        }
        std::remove((m_dir + "/logo.bmp").c_str());
        rmdir(m_dir.c_str());
    }

    // Creates and shows the window, which reads "logo.bmp" as it sets up.
    void Show()
    {
        m_wnd = std::make_unique<SceneWindow<CTexWnd>>();
        ASSERT_TRUE(m_wnd->WaitForSetUp());
    }

    void ShowPicture(int width, int height, const std::function<Rgb(int x, int y)>& colour)
    {
        WriteBmp("logo.bmp", width, height, colour);
        Show();
        ASSERT_NE((*m_wnd)->Image(), nullptr);
        EXPECT_EQ((*m_wnd)->Image()->width, width);
        EXPECT_EQ((*m_wnd)->Image()->height, height);
        EXPECT_EQ(g_notices, 0);
    }

    // The picture at (s, t) of face, drawn square on; the white lamp and the
    // ambient light saturate it, so what shows is the texel itself.
    Rgb PictureAt(const PictureFace& face, double s, double t)
    {
        m_wnd->Draw(face.frontOn);
        return m_wnd->AtPoint(face.frontOn, face.At(s, t));
    }

    bool ClearAt(const PictureFace& face, double s, double t) const
    {
        return ClearOfAxes(ToEye(face.frontOn, face.At(s, t)));
    }

    std::string m_dir, m_oldDir;
    NoticeHandler m_oldHandler = nullptr;
    std::unique_ptr<SceneWindow<CTexWnd>> m_wnd;
};

TEST_F(TexCubeTest, PictureLowerLeftCornerSitsAtVertexOneOfEveryFace)
{
    // 4 x 4 texels, one colour to a quadrant, so that linear filtering leaves
    // the middle of each quadrant pure.
    ShowPicture(4, 4, [](int x, int y) {
        if (y < 2)
            return x < 2 ? kRedTexel : kGreenTexel;
        return x < 2 ? kBlueTexel : kYellowTexel;
    });

    const struct
    {
        double s, t;
        Rgb colour;
        const char* corner;
    } quadrants[] = {
        {0.25, 0.25, kRedTexel, "lower left"},
        {0.75, 0.25, kGreenTexel, "lower right"},
        {0.25, 0.75, kBlueTexel, "upper left"},
        {0.75, 0.75, kYellowTexel, "upper right"},
    };
    for (const PictureFace& face : kPictureFaces) {
        for (const auto& q : quadrants) {
            // Within a quadrant's pure middle, move off any axis that crosses it.
            double s = q.s, t = q.t;
            for (double d : {0.0, 0.08, -0.08}) {
                if (ClearAt(face, q.s + d, q.t)) {
                    s = q.s + d;
                    break;
                }
                if (ClearAt(face, q.s, q.t + d)) {
                    t = q.t + d;
                    break;
                }
            }
            const Rgb seen = PictureAt(face, s, t);
            EXPECT_TRUE(Near(seen, q.colour, 3))
                << face.name << ", " << q.corner << " quadrant: " << seen << ", expected " << q.colour;
        }
    }
}

TEST_F(TexCubeTest, RowsOfAnOddWidthPictureAreNotSkewed)
{
    // Rows of 5 pixels of 3 bytes: read with padding, each row would start
    // one byte later than the last, turning the colours from row 1 on. The
    // left and right halves differ, so that the picture's shape shows too.
    const Rgb orange{255, 128, 0}, violet{128, 0, 255};
    ShowPicture(5, 4, [&](int x, int) { return x < 2 ? orange : x > 2 ? violet : kGreenTexel; });

    const PictureFace& face = kPictureFaces[0];
    int probed = 0;
    for (double t : {0.125, 0.375, 0.625, 0.875}) {   // the middles of the rows
        for (double s : {0.1, 0.3, 0.7, 0.9}) {       // and of columns 0, 1, 3, 4
            if (!ClearAt(face, s, t))
                continue;
            const Rgb seen = PictureAt(face, s, t);
            const Rgb& expected = s < 0.5 ? orange : violet;
            EXPECT_TRUE(Near(seen, expected, 3))
                << "(" << s << ", " << t << "): " << seen << ", expected " << expected;
            ++probed;
        }
    }
    EXPECT_GE(probed, 10);
}

TEST_F(TexCubeTest, LightingModulatesThePicture)
{
    const Rgb teal{64, 192, 160};
    ShowPicture(2, 2, [teal](int, int) { return teal; });
    for (signed char lamp = 1; lamp <= 3; ++lamp)
        (*m_wnd)->SwitchLamp(lamp, 1);

    // The front face half turned from the white lamp, the right face nearly facing it.
    const Pose pose{0, -60};
    m_wnd->Draw(pose);
    const auto lamps = {kWhiteFromViewer, kRed, kGreen, kBlue};
    const struct
    {
        const Face* face;
        double u, v;
    } probes[] = {{&kFront, 0.0, 0.3}, {&kFront, -0.6, -0.6}, {&kRight, -0.6, 0.6}, {&kRight, 0.6, -0.6}};
    for (const auto& p : probes) {
        const Vec3 light = Clamp(ExpectedLit(pose, *p.face, p.u, p.v, lamps));
        const Rgb expected = ToRgb({light.x * teal.r / 255, light.y * teal.g / 255, light.z * teal.b / 255});
        const Rgb seen = m_wnd->At(pose, *p.face, p.u, p.v);
        EXPECT_TRUE(Near(seen, expected, 4)) << "(" << p.u << ", " << p.v << "): " << seen
                                             << ", expected " << expected;
    }
}

TEST_F(TexCubeTest, AxesStayRedAndUntextured)
{
    // A picture with no red in it: red axes drawn through it would turn black.
    const Rgb cyan{0, 255, 255};
    ShowPicture(2, 2, [cyan](int, int) { return cyan; });

    const Pose pose{0, 0};
    m_wnd->Draw(pose);
    EXPECT_FALSE(glIsEnabled(GL_TEXTURE_2D));
    EXPECT_TRUE(Near(m_wnd->At(pose, kFront, -0.5, 0.5), cyan, 3))
        << "the faces are textured";

    // The y axis above the cube: the reddest pixel across it.
    const Vec3 up = Turn(Pose{20, -30}, {0, 1, 0});
    const Pixel onAxis = ToPixel(Vec3{0.5, -0.5, 0} + 4.5 * up);
    Rgb reddest{0, 0, 0};
    for (int dx = -4; dx <= 4; ++dx) {
        const Rgb c = ReadBackPixel(onAxis.x + dx, onAxis.y);
        if (c.r - c.g - c.b > reddest.r - reddest.g - reddest.b)
            reddest = c;
    }
    EXPECT_GT(reddest.r, 80) << reddest;
    EXPECT_LT(reddest.g, 10) << reddest;
    EXPECT_LT(reddest.b, 10) << reddest;
}

// No usable picture: the loader's one notice, then a live window with a plain
// white cube that is lit as usual.
class TexCubeWithoutPictureTest : public TexCubeTest,
                                  public testing::WithParamInterface<const char*>
{
};

TEST_P(TexCubeWithoutPictureTest, GivesOneNoticeAndAPlainLitCube)
{
    const std::string content = GetParam();
    if (content != "none")
        WriteBytes("logo.bmp", content);
    Show();

    EXPECT_EQ(g_notices, 1);
    CTexWnd& wnd = **m_wnd;
    EXPECT_EQ(wnd.Image(), nullptr);
    EXPECT_TRUE(wnd.HasContext());
    EXPECT_TRUE(m_wnd->TurningAtSetUp());
    // List 1 exists and is closed, so every frame can call it.
    EXPECT_TRUE(glIsList(1));
    GLint compiling = -1;
    glGetIntegerv(GL_LIST_INDEX, &compiling);
    EXPECT_EQ(compiling, 0);

    const Pose pose{0, -40};
    m_wnd->Draw(pose);
    EXPECT_FALSE(glIsEnabled(GL_TEXTURE_2D));
    for (const Face* face : {&kFront, &kRight}) {
        const Rgb expected = ToRgb(ExpectedLit(pose, *face, -0.3, 0.6, {kWhiteFromViewer}));
        const Rgb seen = m_wnd->At(pose, *face, -0.3, 0.6);
        EXPECT_TRUE(Near(seen, expected, 3)) << seen << ", expected " << expected;
    }
}

INSTANTIATE_TEST_SUITE_P(MissingEmptyOrBad, TexCubeWithoutPictureTest,
                         testing::Values("none", "", "BM not a bitmap at all"));

}
