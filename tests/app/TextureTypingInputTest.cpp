// The student changes the texture page's own calls in its code window, with
// real keys at a person's pace while the cube turns: a constant typed over
// (half-typed on the way), undone with Ctrl+Z, stepped with Alt+Down, and a
// corner's coordinate typed, which the other corners then follow.
#include "LightingCode.h"
#include "TextureTables.h"

#include <GL/gl.h>

namespace {

constexpr int kKeyPaceMs = 150;

struct TextureTypingInputTest : LightingCode
{
    TextureTypingInputTest() : LightingCode(2) {}
    void Type(const std::string& keys)
    {
        for (char c : keys) {
            Input().Text(std::string(1, c).c_str());
            PumpEvents(kKeyPaceMs);
        }
        Settle();
    }
    void StartTurning()
    {
        ClickOn(glview, wxPoint(glview->GetClientSize().x / 2, glview->GetClientSize().y / 2), wxMOUSE_BTN_LEFT, true);
        EXPECT_TRUE(PumpEvents(2000, [this] { return glview->IsAnimating(); }));
    }
    // The picture at fixed angles, as the window draws it now.
    std::vector<unsigned char> Frame()
    {
        glview->SetAngles(20, 30);
        glview->DrawScene();
        GLint v[4] = {};
        glGetIntegerv(GL_VIEWPORT, v);
        std::vector<unsigned char> rgb(size_t(v[2]) * size_t(v[3]) * 3);
        glPixelStorei(GL_PACK_ALIGNMENT, 1);
        glReadBuffer(GL_BACK);
        glReadPixels(0, 0, v[2], v[3], GL_RGB, GL_UNSIGNED_BYTE, rgb.data());
        return rgb;
    }
};

}

TEST_F(TextureTypingInputTest, NearestTypedWhileTurningChangesThePictureCtrlZBringsItBackAltDownStepsIt)
{
    // The picture's 256 texels over fewer pixels: the minification filter decides.
    const std::vector<unsigned char> linear = Frame();
    StartTurning();
    SelectAfter("GL_TEXTURE_MIN_FILTER, ", 9);
    bool refusedOnTheWay = false;
    for (char c : std::string("GL_NEAREST")) {
        Input().Text(std::string(1, c).c_str());   // with Shift, as a person types capitals
        PumpEvents(kKeyPaceMs);
        refusedOnTheWay = refusedOnTheWay || !w->Reason().empty();
    }
    Settle();
    PumpEvents(2 * CCodeWindow::kRefreshMs);
    EXPECT_TRUE(refusedOnTheWay) << "GL_NEA is no constant glTexParameterf takes";
    EXPECT_TRUE(w->Reason().empty()) << w->Reason();
    EXPECT_EQ(glview->State().minFilter, kNearest.glEnum);
    EXPECT_NE(Copied().find("GL_TEXTURE_MIN_FILTER, GL_NEAREST);"), std::string::npos) << Text();
    EXPECT_NE(Frame(), linear) << "GL_NEAREST takes one texel where GL_LINEAR mixes four";

    code->SetFocus();
    Input().Char('z', wxMOD_CONTROL);
    EXPECT_TRUE(Says("GL_TEXTURE_MIN_FILTER, GL_LINEAR);")) << Text();
    EXPECT_EQ(glview->State().minFilter, kLinear.glEnum);
    EXPECT_EQ(Frame(), linear);

    ClickAfter("GL_TEXTURE_MIN_FILTER, GL_LI");
    Input().Char(WXK_DOWN, wxMOD_ALT);
    EXPECT_TRUE(Says("GL_TEXTURE_MIN_FILTER, GL_NEAREST);")) << Text();
    EXPECT_TRUE(PumpEvents(2000, [this] { return glview->State().minFilter == kNearest.glEnum; }));
}

TEST_F(TextureTypingInputTest, ACornersCoordinateTypedWhileTurningIsFollowedByTheOtherCorners)
{
    StartTurning();
    // The third corner of the first face: (1, 1); its s typed as 2.
    SelectAfter("glTexCoord2f(1.0f, 0.0f);\n    glVertex3d(2.5, -2.5, 2.5);\n    glTexCoord2f(", 4);
    Type("2.0f");
    PumpEvents(2 * CCodeWindow::kRefreshMs);
    EXPECT_TRUE(w->Reason().empty()) << w->Reason();
    EXPECT_EQ(glview->State().texTo[0], 2.0f);
    EXPECT_TRUE(PumpEvents(3000, [&] { return Text().Find("glTexCoord2f(1.0f") == wxNOT_FOUND; })) << Text();
    const std::string copied = Copied();
    EXPECT_NE(copied.find("glTexCoord2f(2.0f, 1.0f);"), std::string::npos);
    EXPECT_NE(copied.find("glTexCoord2f(0.0f, 1.0f);"), std::string::npos);
}
