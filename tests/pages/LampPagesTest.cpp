// The lighting and texture pages: lamps, fog, projection and size.
#include "CCubeDlg.h"
#include "CLightDlg.h"
#include "CTexDlg.h"
#include "PageHarness.h"
#include "ResourceIds.h"

#include <string>

namespace {

template <class Page>
class LampPage : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(page.SetUp());
        red = page.template Find<wxCheckBox>(IDC_LAMP_RED);
        green = page.template Find<wxCheckBox>(IDC_LAMP_GREEN);
        blue = page.template Find<wxCheckBox>(IDC_LAMP_BLUE);
        fog = page.template Find<wxCheckBox>(IDC_FOG);
        density = page.template Find<wxSlider>(IDC_FOG_DENSITY);
        size = page.template Find<wxSlider>(IDC_SIZE);
        ASSERT_TRUE(red && green && blue && fog && density && size);
    }

    ShownPage<Page> page;
    wxCheckBox *red = nullptr, *green = nullptr, *blue = nullptr, *fog = nullptr;
    wxSlider *density = nullptr, *size = nullptr;
};

using Pages = testing::Types<CLightDlg, CTexDlg>;
TYPED_TEST_SUITE(LampPage, Pages);

// Which of lamps 1 to 3 (GL_LIGHT0 to 2) are on, as "100" for the red alone.
std::string Lamps()
{
    std::string on;
    for (GLenum light : {GL_LIGHT0, GL_LIGHT1, GL_LIGHT2})
        on += Enabled(light) ? '1' : '0';
    return on;
}

TYPED_TEST(LampPage, StartsWithTheRedLampOnlyAndNoFog)
{
    EXPECT_TRUE(this->red->IsChecked());
    EXPECT_FALSE(this->green->IsChecked() || this->blue->IsChecked() || this->fog->IsChecked());
    EXPECT_FALSE(this->density->IsShown());
    EXPECT_EQ(this->density->GetMin(), 1);
    EXPECT_EQ(this->density->GetMax(), 6);
    EXPECT_EQ(this->density->GetValue(), 2);
    EXPECT_EQ(this->size->GetMin(), 1);
    EXPECT_EQ(this->size->GetMax(), 10);
    EXPECT_EQ(this->size->GetValue(), 5);
    EXPECT_TRUE(this->page.template Find<wxRadioButton>(IDC_ORTHO)->GetValue());
    EXPECT_FALSE(this->page.View()->IsPerspective());

    ASSERT_TRUE(this->page.View()->IsContextCurrent());   // GL state is read from it
    EXPECT_EQ(Lamps(), "100");
    EXPECT_FALSE(Enabled(GL_FOG));
}

TYPED_TEST(LampPage, EachLampBoxSwitchesItsOwnLamp)
{
    ASSERT_TRUE(this->page.View()->IsContextCurrent());   // GL state is read from it
    Tick(this->red, false);
    EXPECT_EQ(Lamps(), "000");
    Tick(this->green, true);
    EXPECT_EQ(Lamps(), "010");
    Tick(this->blue, true);
    Tick(this->green, false);
    EXPECT_EQ(Lamps(), "001");
    Tick(this->red, true);
    EXPECT_EQ(Lamps(), "101");
}

TYPED_TEST(LampPage, FogBoxShowsTheTrackbarAndAppliesTheDensityItShows)
{
    ASSERT_TRUE(this->page.View()->IsContextCurrent());   // GL state is read from it
    Tick(this->fog, true);
    EXPECT_TRUE(this->density->IsShown());
    EXPECT_TRUE(Enabled(GL_FOG));
    EXPECT_FLOAT_EQ(FogDensity(), 0.2f);

    Drag(this->density, {4, 6});
    EXPECT_FLOAT_EQ(FogDensity(), 0.6f);
    // The trackbar stops at 1: the thinnest fog is 0.1.
    this->density->SetValue(0);
    Notify(this->density, wxEVT_SCROLL_BOTTOM);
    EXPECT_EQ(this->density->GetValue(), 1);
    EXPECT_FLOAT_EQ(FogDensity(), 0.1f);

    Tick(this->fog, false);
    EXPECT_FALSE(this->density->IsShown());
    EXPECT_EQ(this->density->GetValue(), 5);
    EXPECT_FALSE(Enabled(GL_FOG));

    // Ticked again, the fog is as dense as the trackbar now shows.
    Tick(this->fog, true);
    EXPECT_TRUE(this->density->IsShown());
    EXPECT_TRUE(Enabled(GL_FOG));
    EXPECT_FLOAT_EQ(FogDensity(), 0.5f);
    Drag(this->density, {4});
    EXPECT_FLOAT_EQ(FogDensity(), 0.4f);
}

TYPED_TEST(LampPage, FogAndSizeTrackbarsKeepToTheirOwnWork)
{
    const float start = SyncSize(this->size, this->page.View());
    ASSERT_TRUE(this->page.View()->IsContextCurrent());   // GL state is read from it

    // With fog off, the size trackbar leaves it off.
    Drag(this->size, {6, 7});
    EXPECT_NEAR(this->page.View()->ScaleX() / start, 1.21, 1e-5);
    EXPECT_FALSE(Enabled(GL_FOG));

    Tick(this->fog, true);
    Drag(this->density, {3});
    Drag(this->size, {6});
    EXPECT_TRUE(Enabled(GL_FOG));
    EXPECT_FLOAT_EQ(FogDensity(), 0.3f);
    EXPECT_NEAR(this->page.View()->ScaleX() / start, 1.1, 1e-5);

    const float before = this->page.View()->ScaleX();
    Drag(this->density, {4, 5, 6});
    Notify(this->density, wxEVT_SCROLL_CHANGED);
    EXPECT_EQ(this->page.View()->ScaleX(), before);
    EXPECT_FLOAT_EQ(FogDensity(), 0.6f);
}

TYPED_TEST(LampPage, ProjectionFollowsTheRadioButtons)
{
    auto* perspective = this->page.template Find<wxRadioButton>(IDC_PERSPECTIVE);
    Choose(perspective);
    Choose(perspective);
    EXPECT_TRUE(this->page.View()->IsPerspective());
    Choose(this->page.template Find<wxRadioButton>(IDC_ORTHO));
    EXPECT_FALSE(this->page.View()->IsPerspective());
}

}

// Each page class remembers its own size position and each page's controls
// act on its own window only, as the sheet hands the context from page to page.
TEST(LampPages, PagesKeepTheirOwnSizeAndLampsApart)
{
    ShownPage<CCubeDlg> cube;
    ShownPage<CLightDlg> light;
    ShownPage<CTexDlg> tex;
    ASSERT_TRUE(cube.SetUp() && light.SetUp() && tex.SetUp());
    auto* cubeSize = cube.Find<wxSlider>(IDC_SIZE);
    auto* lightSize = light.Find<wxSlider>(IDC_SIZE);
    auto* texSize = tex.Find<wxSlider>(IDC_SIZE);
    ASSERT_TRUE(cubeSize && lightSize && texSize);
    const float cubeStart = SyncSize(cubeSize, cube.View());
    const float lightStart = SyncSize(lightSize, light.View());
    const float texStart = SyncSize(texSize, tex.View());

    cube->OnKillActive();
    tex->OnKillActive();
    light->OnSetActive();
    Drag(lightSize, {6, 7});
    Tick(light.Find<wxCheckBox>(IDC_LAMP_GREEN), true);
    EXPECT_NEAR(light.View()->ScaleX() / lightStart, 1.21, 1e-5);

    light->OnKillActive();
    tex->OnSetActive();
    EXPECT_EQ(texSize->GetValue(), 5);
    Drag(texSize, {6});
    EXPECT_NEAR(tex.View()->ScaleX() / texStart, 1.1, 1e-5);
    ASSERT_TRUE(tex.View()->IsContextCurrent());
    EXPECT_FALSE(Enabled(GL_LIGHT1));

    tex->OnKillActive();
    cube->OnSetActive();
    Drag(cubeSize, {4});
    EXPECT_NEAR(cube.View()->ScaleX() / cubeStart, 1 / 1.1, 1e-5);

    cube->OnKillActive();
    light->OnSetActive();
    ASSERT_TRUE(light.View()->IsContextCurrent());
    EXPECT_TRUE(Enabled(GL_LIGHT1));
    EXPECT_NEAR(light.View()->ScaleX() / lightStart, 1.21, 1e-5);
    EXPECT_NEAR(tex.View()->ScaleX() / texStart, 1.1, 1e-5);
}
