#include "CCubeWnd.h"
#include "GLBinding.h"
#include "ResourceIds.h"
#include "ViewMenu.h"
#include "ViewTestSupport.h"

#include <GL/gl.h>

namespace {

// The frame's fixed parts: clear colour and axes, with no scene in list 1.
using Frame = ShownWindow<COpenGLWnd>;

TEST(FrameTest, ClearColourFillsTheCorners)
{
    Frame f;
    f.wnd->DrawScene();
    const int w = f.Width(), h = f.Height();
    for (const auto& [x, y] : {std::pair{0, 0}, {w - 1, 0}, {0, h - 1}, {w - 1, h - 1}})
        EXPECT_TRUE(Near(ReadBackPixel(x, y), kBackground, 1)) << x << "," << y;
}

TEST(FrameTest, AxesAreRedWhereTheTransformsPutThem)
{
    Frame f;
    const int w = f.Width(), h = f.Height();
    const auto expectAxes = [&](bool perspective) {
        f.wnd->DrawScene();
        for (double t : {1.5, 3.0}) {
            for (const Vec3& a : {Vec3{t, 0, 0}, Vec3{0, t, 0}, Vec3{0, 0, t}}) {
                const Pixel p = ToWindow(AxesPoint(a, perspective), perspective, w, h);
                EXPECT_TRUE(ColourNear(p.x, p.y, 1, kRed))
                    << (perspective ? "perspective " : "ortho ") << a.x << "," << a.y << "," << a.z;
            }
        }
    };
    expectAxes(false);
    // The axes' origin lies off the window's centre only in the box.
    EXPECT_FALSE(ColourNear(w / 2.0, h / 2.0, 1, kRed));

    f.wnd->SetAngles(40.0, 70.0);   // turning the scene leaves the axes alone
    expectAxes(false);

    f.wnd->SetProjection(2);
    EXPECT_TRUE(f.wnd->IsPerspective());
    expectAxes(true);
    EXPECT_TRUE(ColourNear(w / 2.0, h / 2.0, 1, kRed));

    f.wnd->SetProjection(1);
    EXPECT_FALSE(f.wnd->IsPerspective());
    EXPECT_EQ(f.wnd->AngleX(), 40.0);
    EXPECT_EQ(f.wnd->AngleY(), 70.0);
    expectAxes(false);
}

// Fog shows how far from the eye the axes lie, which their picture alone does not.
TEST(FrameTest, FogOfDensityZeroChangesNothingAndDimsTheAxesByTheirDistance)
{
    Frame f;
    f.wnd->SetProjection(2);
    const Vec3 eye = AxesPoint({0, 1.5, 0}, true);
    const Pixel p = ToWindow(eye, true, f.Width(), f.Height());
    f.wnd->SetFog(1, 0);
    f.wnd->DrawScene();
    EXPECT_TRUE(Near(ReadBackPixel(int(p.x), int(p.y)), kRed, 2));

    f.wnd->SetFog(1, 1);
    f.wnd->DrawScene();
    const double k = std::exp(-0.1 * -eye.z), grey = (1 - k) * 0.95 * 255;
    const Rgb fogged{int(std::lround(k * 255 + grey)), int(std::lround(grey)), int(std::lround(grey))};
    EXPECT_TRUE(Near(ReadBackPixel(int(p.x), int(p.y)), fogged, 3))
        << ReadBackPixel(int(p.x), int(p.y)) << " " << fogged;
}

TEST(FrameTest, ZeroHeightGivesTheWidthAsAspect)
{
    Frame f;
    EXPECT_DOUBLE_EQ(f.wnd->Aspect(), double(f.Width()) / f.Height());
    f.wnd->OnSize(200, 0);
    EXPECT_EQ(f.wnd->Aspect(), 200.0);
    f.wnd->OnSize(300, 120);
    EXPECT_EQ(f.wnd->Aspect(), 2.5);
}

TEST(ContextTest, PixelFormatIsDoubleBufferedWithDepthAndStencil)
{
    Frame f;
    ASSERT_TRUE(f.wnd->IsContextCurrent());
    GLboolean doubleBuffer = GL_FALSE;
    GLint depth = 0, stencil = 0;
    glGetBooleanv(GL_DOUBLEBUFFER, &doubleBuffer);
    glGetIntegerv(GL_DEPTH_BITS, &depth);
    glGetIntegerv(GL_STENCIL_BITS, &stencil);
    EXPECT_TRUE(doubleBuffer);
    EXPECT_GE(depth, 24);
    EXPECT_GE(stencil, 8);
}

TEST(ContextTest, HandOverBindsAndReleasesButPaintingBindsNothing)
{
    Frame a;
    Frame b;
    ASSERT_TRUE(a.wnd->HasContext() && b.wnd->HasContext());

    a.wnd->Activate();
    EXPECT_TRUE(a.wnd->IsContextCurrent());
    EXPECT_FALSE(b.wnd->IsContextCurrent());
    b.wnd->Refresh(false);
    PumpEvents(100);
    EXPECT_TRUE(a.wnd->IsContextCurrent());

    a.wnd->Deactivate();
    EXPECT_EQ(glbinding::CurrentContext(), nullptr);
    EXPECT_FALSE(a.wnd->IsAnimating());
    a.wnd->Refresh(false);
    PumpEvents(100);
    EXPECT_EQ(glbinding::CurrentContext(), nullptr);

    b.wnd->Activate();
    EXPECT_TRUE(b.wnd->IsContextCurrent());
    EXPECT_TRUE(b.wnd->IsAnimating());
}

TEST(ContextTest, DestroyingAWindowWhileAnotherIsCurrentLeavesNoneCurrent)
{
    Frame a;
    Frame b;
    a.wnd->Activate();
    ASSERT_TRUE(a.wnd->IsContextCurrent());
    b.wnd->Destroy();
    EXPECT_EQ(glbinding::CurrentContext(), nullptr);
}

// A window that is built but not shown yet.
struct Unshown
{
    wxFrame* frame = new wxFrame(nullptr, wxID_ANY, "view test", wxPoint(40, 40), wxSize(320, 320));
    CCubeWnd* wnd = new CCubeWnd(new wxPanel(frame));
    ~Unshown()
    {
        frame->Destroy();
        PumpEvents(2000, [] { return wxTopLevelWindows.empty(); });
    }
    void Show()
    {
        frame->Show();
        ASSERT_TRUE(PumpEvents(5000, [this] { return wnd->IsSetUp(); }));
    }
};

TEST(SetUpTest, NeverShownWindowIsNotSetUpAndDoesNotTick)
{
    Unshown u;
    u.wnd->Activate();
    wxCommandEvent rotate(wxEVT_MENU, ViewMenuItemId(ID_VIEW_ROTATE));
    u.wnd->ProcessWindowEvent(rotate);
    PumpEvents(150);
    EXPECT_FALSE(u.wnd->IsSetUp());
    EXPECT_FALSE(u.wnd->HasContext());
    EXPECT_FALSE(u.wnd->IsAnimating());
    EXPECT_EQ(u.wnd->AngleY(), 0.0);
}

TEST(SetUpTest, EarlySwitchesTakeEffectAtSetUpInCallOrder)
{
    Unshown u;
    u.wnd->SetLineSmoothing(false);   // after the scene's own "on"
    u.wnd->SetProjection(2);
    u.wnd->SwitchLamp(2, 1);
    u.wnd->Activate();
    EXPECT_FALSE(u.wnd->IsPerspective());
    u.Show();

    ASSERT_TRUE(u.wnd->IsContextCurrent());
    EXPECT_TRUE(u.wnd->IsAnimating());
    EXPECT_TRUE(u.wnd->IsPerspective());
    EXPECT_FALSE(glIsEnabled(GL_BLEND));
    EXPECT_TRUE(glIsEnabled(GL_LIGHT1));
    // The perspective projection is in place, not overwritten by the size.
    u.wnd->SetAngles(0.0, 0.0);
    u.wnd->DrawScene();
    EXPECT_TRUE(ColourNear(u.wnd->GetClientSize().x / 2.0, u.wnd->GetClientSize().y / 2.0, 1, kRed));
}

TEST(SetUpTest, SwitchWhileAnotherContextIsCurrentWaitsForActivation)
{
    Frame other;
    Unshown u;
    u.wnd->Deactivate();
    u.wnd->SetFog(1, 3);
    u.Show();
    EXPECT_EQ(glbinding::CurrentContext(), nullptr);

    other.wnd->Activate();
    u.wnd->SetFog(1, 5);
    EXPECT_FALSE(glIsEnabled(GL_FOG));   // never in the other window's context

    u.wnd->Activate();
    GLfloat density = 0;
    glGetFloatv(GL_FOG_DENSITY, &density);
    EXPECT_TRUE(glIsEnabled(GL_FOG));
    EXPECT_FLOAT_EQ(density, 0.5f);
}

// A platform that gives no context.
class NoContextWnd : public CCubeWnd
{
public:
    using CCubeWnd::CCubeWnd;

protected:
    bool CreateRenderingContext() override { return false; }
};

TEST(SetUpTest, WindowWithoutContextWorksWithoutPicture)
{
    Frame other;
    ShownWindow<NoContextWnd> none;
    EXPECT_FALSE(none.wnd->HasContext());
    EXPECT_TRUE(none.wnd->IsAnimating());
    EXPECT_EQ(glbinding::CurrentContext(), nullptr);

    other.wnd->Activate();
    none.wnd->SetFog(1, 6);
    none.wnd->SwitchLamp(1, 1);
    none.wnd->SetLineSmoothing(true);
    none.wnd->SetProjection(2);
    none.wnd->ScaleBySteps(2, 2);
    none.wnd->Refresh(false);
    PumpEvents(100);
    ASSERT_TRUE(other.wnd->IsContextCurrent());
    EXPECT_FALSE(glIsEnabled(GL_FOG));
    EXPECT_FALSE(glIsEnabled(GL_LIGHT0));
    EXPECT_FALSE(glIsEnabled(GL_BLEND));

    none.wnd->Activate();
    EXPECT_EQ(glbinding::CurrentContext(), nullptr);
    none.wnd->Deactivate();
}

}
