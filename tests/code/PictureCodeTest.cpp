// The texture's picture in the code, without a display: the size it goes up
// at, the scaling the code then shows, the file's name, and the code window
// printing anew for another picture.
#include "CodeEditSupport.h"
#include "TextSync.h"
#include "TextureSize.h"

#include <string>

namespace {

FragmentInputs Picture(int width, int height, const std::string& name = "quad.bmp", int maxSide = 16384)
{
    FragmentInputs in = InputsOf(SceneKind::TexCube, LitState(true));
    in.pictureWidth = width;
    in.pictureHeight = height;
    in.pictureName = name;
    in.maxTextureSide = maxSide;
    return in;
}

bool Has(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

}

TEST(PictureCodeTest, EachSideGoesUpAtTheNextPowerOfTwoWithinTheMaximum)
{
    struct Case { int width, height, maxSide; TextureSize up; } cases[] = {
        {100, 60, 16384, {128, 64}}, {64, 32, 16384, {64, 32}}, {1, 1, 64, {1, 1}},
        {3, 65, 100, {4, 64}},        // the maximum, not a power of two, taken down to one
        {5000, 3, 4096, {4096, 4}},   // too long: down to the maximum
        {100, 60, 0, {128, 64}},      // no context: no bound known
        {65535, 65535, 0, {65536, 65536}},
    };
    for (const Case& c : cases) {
        const TextureSize up = UploadSize(c.width, c.height, c.maxSide);
        EXPECT_EQ(std::pair(up.width, up.height), std::pair(c.up.width, c.up.height)) << c.width << "x" << c.height;
        EXPECT_EQ(NeedsScaling(c.width, c.height, c.maxSide), c.width != c.up.width || c.height != c.up.height);
    }
}

TEST(PictureCodeTest, APictureOpenGLCannotTakeIsScaledFirstAndTheCodeReadsBack)
{
    const FragmentInputs in = Picture(100, 60);
    const std::string code = CodeFragment(in);
    EXPECT_TRUE(Has(code, "/* Текстура: картинка quad.bmp, 100 x 60 точек,")) << code;
    EXPECT_TRUE(Has(code, "static GLuint texture;\nstatic GLubyte scaled[24576];\n"));
    EXPECT_TRUE(Has(code, "не больше 16384:\n     * картинка приведена к 128 x 64 точек. */\n"
                          "    gluScaleImage(GL_RGB, 100, 60, GL_UNSIGNED_BYTE, picture, 128, 64, GL_UNSIGNED_BYTE, scaled);\n"
                          "    glTexImage2D(GL_TEXTURE_2D, 0, 3, 128, 64, 0, GL_RGB, GL_UNSIGNED_BYTE, scaled);\n"))
        << code;
    ViewState out;
    CodeEditError error;
    EXPECT_TRUE(ReadFragment(code, in, out, error)) << error.reason;
    // The buffer is the picture's: its size is not the student's to change.
    EXPECT_FALSE(ReadFragment(Edited(code, "scaled[24576]", "scaled[100]"), in, out, error));
    FragmentInputs mipmapped = in;
    mipmapped.state.minFilter = 0x2703;   // GL_LINEAR_MIPMAP_LINEAR
    EXPECT_TRUE(Has(CodeFragment(mipmapped), "GL_UNSIGNED_BYTE, scaled);\n"
                                             "    gluBuild2DMipmaps(GL_TEXTURE_2D, 3, 128, 64, GL_RGB, GL_UNSIGNED_BYTE, scaled);"));
}

TEST(PictureCodeTest, APowerOfTwoPictureGoesUpAsItIs)
{
    const std::string code = CodeFragment(Picture(64, 32, "logo.bmp"));
    EXPECT_TRUE(Has(code, "glTexImage2D(GL_TEXTURE_2D, 0, 3, 64, 32, 0, GL_RGB, GL_UNSIGNED_BYTE, picture);")) << code;
    EXPECT_FALSE(Has(code, "gluScaleImage"));
    EXPECT_FALSE(Has(code, "scaled"));
    // Over the maximum, a power of two is brought down to it.
    EXPECT_TRUE(Has(CodeFragment(Picture(8192, 32, "big.bmp", 4096)),
                    "gluScaleImage(GL_RGB, 8192, 32, GL_UNSIGNED_BYTE, picture, 4096, 32, GL_UNSIGNED_BYTE, scaled);"));
}

TEST(PictureCodeTest, ALineBreakInTheFileNameCannotBreakTheComment)
{
    const FragmentInputs in = Picture(64, 64, "a\nb*/c.bmp");
    const std::string code = CodeFragment(in);
    EXPECT_TRUE(Has(code, "картинка a?b* /c.bmp, 64 x 64")) << code;
    ViewState out;
    CodeEditError error;
    EXPECT_TRUE(ReadFragment(code, in, out, error)) << error.reason;
    EXPECT_TRUE(Has(CodeFragment(Picture(0, 0, "нет.bmp")), "Картинку нет.bmp прочесть не удалось"));
}

TEST(PictureCodeTest, AnotherPictureOfTheSameSizeIsPrintedAnew)
{
    TextSync sync;
    const std::string text = sync.Print(Picture(64, 64, "one.bmp"));
    const TextSync::Update up = sync.Follow(text, Span{0, 0}, Picture(64, 64, "two.bmp"));
    ASSERT_EQ(up.kind, TextSync::Update::Whole);
    EXPECT_TRUE(Has(up.whole, "картинка two.bmp, 64 x 64")) << up.whole;
    // A context with another maximum scales the same picture otherwise.
    EXPECT_EQ(sync.Follow(up.whole, Span{0, 0}, Picture(64, 64, "two.bmp", 32)).kind, TextSync::Update::Whole);
}
