// The demo pages, each shown in a frame of its own as the sheet would show it and
// driven with the events a user's action sends: their controls and the GL state these leave.
#include "CCubeDlg.h"
#include "CLightDlg.h"
#include "CTexDlg.h"
#include "ColourLabel.h"
#include "ControlEvents.h"
#include "ResourceIds.h"
#include "ShownPage.h"

#include <wx/checkbox.h>
#include <wx/dcmemory.h>
#include <wx/image.h>
#include <wx/radiobut.h>
#include <wx/slider.h>
#include <wx/statbox.h>
#include <wx/stattext.h>

#include <GL/gl.h>

#include <cmath>
#include <map>
#include <typeindex>

namespace {

bool Enabled(GLenum cap) { return glIsEnabled(cap) == GL_TRUE; }
float FogDensity() { GLfloat density = -1; glGetFloatv(GL_FOG_DENSITY, &density); return density; }

template <class Page>
struct PageTest : testing::Test, ShownPage<Page>
{
    void SetUp() override
    {
        ASSERT_TRUE(size && ortho && perspective && this->view->IsContextCurrent());   // GL state is read from it
        start = this->view->State().scaleX;
    }
    // The view's size as a multiple of where the test started.
    double Size() const { return this->view->State().scaleX / double(start); }

    std::vector<wxWindow*> all{this->page->GetChildren().begin(), this->page->GetChildren().end()};
    wxSlider* size = this->template Find<wxSlider>(IDC_SIZE);
    wxRadioButton* ortho = this->template Find<wxRadioButton>(IDC_ORTHO);
    wxRadioButton* perspective = this->template Find<wxRadioButton>(IDC_PERSPECTIVE);
    float start = 0;
};

using Pages = testing::Types<CCubeDlg, CLightDlg, CTexDlg>;
TYPED_TEST_SUITE(PageTest, Pages);

// What a user finds on a page, in tab order: each control's identifier, kind
// (S static text, R radio button, G group box, C check box, T trackbar) and text.
using Controls = std::vector<std::string>;
std::string C(int id, char kind, const std::string& text = "") { return std::to_string(id) + ' ' + kind + ' ' + text; }
Controls operator+(Controls a, const Controls& b) { a.insert(a.end(), b.begin(), b.end()); return a; }
// The lamp boxes show only their box; the coloured label beside names the lamp.
const Controls kLamps = {C(IDC_STATIC, 'G', "лампы"), C(IDC_LAMP_RED, 'C'), C(IDC_LAMP_GREEN, 'C'),
                         C(IDC_LAMP_BLUE, 'C'), C(IDC_LABEL_RED, 'S', "красная"),
                         C(IDC_LABEL_GREEN, 'S', "зеленая"), C(IDC_LABEL_BLUE, 'S', "синяя")};
const Controls kProjection = {C(IDC_ORTHO, 'R', "ортографическая"), C(IDC_PERSPECTIVE, 'R', "перспективная"),
                              C(IDC_STATIC, 'G', "проекция")};
const Controls kSize = {C(IDC_SIZE, 'T'), C(IDC_STATIC, 'S', "min"), C(IDC_STATIC, 'S', "max")};
const Controls kFog = {C(IDC_FOG_DENSITY, 'T'), C(IDC_STATIC, 'G', "туман"), C(IDC_FOG, 'C', "туман вкл/выкл")};
const Controls kSizeBox = {C(IDC_STATIC, 'G', "размер")};

// Each page's tab text and controls.
const std::map<std::type_index, std::pair<std::string, Controls>> kExpected = {
    {typeid(CCubeDlg), {"Линии в пространстве",
                        Controls{C(IDC_CAPTION, 'S', "ПОСТРОЕНИЕ ФИГУРЫ ИЗ ЛИНИЙ, АНИМАЦИЯ")} + kProjection + kSize +
                            kSizeBox + Controls{C(IDC_STATIC, 'G', "сглаживание"), C(IDC_SMOOTH, 'C', "сглаживание")}}},
    {typeid(CLightDlg), {"Освещение", Controls{C(IDC_CAPTION, 'S', "ОСВЕЩЕНИЕ ТРЕМЯ ЛАМПАМИ")} + kLamps + kProjection +
                                          kSize + kFog + kSizeBox}},
    {typeid(CTexDlg), {"Наложение текстуры", Controls{C(IDC_CAPTION, 'S', "НАЛОЖЕНИЕ ТЕКСТУРЫ")} + kLamps + kSize + kFog +
                                                 kProjection + kSizeBox}}};

std::string Describe(const wxWindow* w)
{
    const bool slider = dynamic_cast<const wxSlider*>(w);
    const char kind = dynamic_cast<const wxStaticBox*>(w) ? 'G' : dynamic_cast<const wxRadioButton*>(w) ? 'R'
                      : dynamic_cast<const wxCheckBox*>(w) ? 'C' : slider ? 'T'
                      : dynamic_cast<const wxStaticText*>(w) || dynamic_cast<const CColourLabel*>(w) ? 'S' : '?';
    return C(w->GetId() < 0 ? IDC_STATIC : w->GetId(), kind, slider ? "" : w->GetLabel().utf8_string());
}
std::string Where(const wxWindow* w)
{
    const wxRect r = w->GetRect();
    return Describe(w) + wxString::Format(" at %d,%d %dx%d", r.x, r.y, r.width, r.height).ToStdString();
}

TYPED_TEST(PageTest, ShowsTheOpenGLWindowThenEveryControl)
{
    const auto& expected = kExpected.at(typeid(TypeParam));
    EXPECT_EQ(this->page->Caption().utf8_string(), expected.first);
    EXPECT_EQ(this->all.at(0), this->view);
    EXPECT_TRUE(this->view->GetRect() == wxRect(10, 10, 255, 255)) << Where(this->view);
    Controls shown;
    for (std::size_t i = 1; i < this->all.size(); ++i)
        shown.push_back(Describe(this->all[i]));
    EXPECT_EQ(shown, expected.second);
}

// Every control lies inside the page, at least as large as it needs to be and
// clear of the OpenGL window's corner. Two controls overlap only as a group box
// and a member below its title; hidden ones count, as the fog trackbar shows.
TYPED_TEST(PageTest, NoControlsOverlapNorAreClipped)
{
    const wxSize size = this->page->GetSize();
    EXPECT_TRUE(this->page->GetMinSize() == size);
    EXPECT_TRUE(wxRect(size).Contains(wxRect(this->page->ConvertDialogToPixels(wxSize(267, 221)))));
    const wxPoint corner = this->page->ConvertDialogToPixels(wxPoint(185, 163));
    for (wxWindow* a : this->all) {
        const wxRect r = a->GetRect();
        EXPECT_TRUE(wxRect(size).Contains(r)) << Where(a) << " outside the page";
        auto* box = dynamic_cast<wxStaticBox*>(a);
        if (a != this->view) {
            EXPECT_TRUE(r.x >= corner.x || r.y >= corner.y) << Where(a) << " in the OpenGL window's corner";
            EXPECT_TRUE(box || (r.width >= a->GetBestSize().x && r.height >= a->GetBestSize().y)) << Where(a);
        }
        int title = 0, other = 0;
        if (box)
            box->GetBordersForSizer(&title, &other);
        const wxRect inside(r.x, r.y + title, r.width, r.height - title);
        for (wxWindow* b : this->all)
            if (a != b && r.Intersects(b->GetRect()) && (box || !dynamic_cast<wxStaticBox*>(b))) {
                EXPECT_TRUE(box && inside.Contains(b->GetRect())) << Where(a) << " overlaps " << Where(b);
            }
    }
}

// The heading paints white on RGB(64, 97, 128), the lamp labels black on pure
// red, green and blue, the background over their whole rectangle.
TYPED_TEST(PageTest, PaintsHeadingAndLampLabelsInTheirColours)
{
    const wxColour black(0, 0, 0);
    const struct { int id; wxColour text, background; } painted[] = {
        {IDC_CAPTION, wxColour(255, 255, 255), wxColour(64, 97, 128)}, {IDC_LABEL_RED, black, wxColour(255, 0, 0)},
        {IDC_LABEL_GREEN, black, wxColour(0, 255, 0)}, {IDC_LABEL_BLUE, black, wxColour(0, 0, 255)}};
    auto distance = [](const wxColour& a, const wxColour& b) {
        return std::abs(a.Red() - b.Red()) + std::abs(a.Green() - b.Green()) + std::abs(a.Blue() - b.Blue());
    };
    for (const auto& p : painted) {
        if (p.id != IDC_CAPTION && !this->page->FindWindow(IDC_LAMP_RED))
            continue;
        auto* label = this->template Find<CColourLabel>(p.id);
        ASSERT_NE(label, nullptr) << p.id;
        const wxSize size = label->GetClientSize();
        wxBitmap bitmap(size, 24);
        wxMemoryDC dc(bitmap);
        label->Render(dc);
        dc.SelectObject(wxNullBitmap);
        const wxImage image = bitmap.ConvertToImage();
        auto at = [&](int x, int y) { return wxColour(image.GetRed(x, y), image.GetGreen(x, y), image.GetBlue(x, y)); };
        EXPECT_TRUE(at(0, 0) == p.background && at(size.x - 1, size.y - 1) == p.background) << Where(label);
        // Smoothed glyph edges mix the two colours: count pixels nearer the text's.
        int ink = 0;
        for (int y = 0; y < size.y; ++y)
            for (int x = 0; x < size.x; ++x)
                ink += distance(at(x, y), p.text) < distance(at(x, y), p.background);
        EXPECT_GT(ink, 10) << Where(label);
    }
}

// The frame shared by all pages does this: one page shows it.
using LightPage = PageTest<CLightDlg>;
TEST_F(LightPage, ProjectionAndSizeFollowTheirControls)
{
    EXPECT_TRUE(this->ortho->GetValue() && !this->perspective->GetValue());
    EXPECT_FALSE(this->view->State().perspective);
    Click(this->perspective);
    Click(this->perspective);
    EXPECT_TRUE(this->view->State().perspective);
    Click(this->ortho);
    EXPECT_FALSE(this->view->State().perspective);

    // 1.1 to the power of the positions moved, however many notifications come.
    EXPECT_TRUE(this->size->GetMin() == 1 && this->size->GetMax() == 10 && this->size->GetValue() == 5);
    Drag(this->size, {6, 7});
    EXPECT_NEAR(this->Size(), 1.21, 1e-5);
    Drag(this->size, {6, 4, 2, 1});
    EXPECT_NEAR(this->Size(), 1.21 / std::pow(1.1, 6), 1e-5);
    Drag(this->size, {3, 5});
    EXPECT_NEAR(this->Size(), 1.0, 1e-5);
}

// The lamp pages share this code: the texture page shows it.
using TexPage = PageTest<CTexDlg>;

// The fog comes on as dense as its trackbar shows, which hides while fog is
// off; each trackbar keeps to its own work.
TEST_F(TexPage, FogFollowsItsBoxAndTrackbarAndTheSizeTrackbarLeavesIt)
{
    wxCheckBox* fog = this->template Find<wxCheckBox>(IDC_FOG);
    auto* density = this->template Find<wxSlider>(IDC_FOG_DENSITY);
    ASSERT_TRUE(fog && density);
    // The red lamp alone is on at the start; the input tests switch the boxes.
    EXPECT_TRUE(Enabled(GL_LIGHT0) && !Enabled(GL_LIGHT1) && !Enabled(GL_LIGHT2));
    EXPECT_FALSE(fog->IsChecked() || density->IsShown());
    EXPECT_TRUE(density->GetMin() == 1 && density->GetMax() == 6);
    Drag(this->size, {6, 7});
    EXPECT_FALSE(Enabled(GL_FOG));

    Click(fog, true);
    EXPECT_TRUE(density->IsShown() && Enabled(GL_FOG));
    EXPECT_FLOAT_EQ(FogDensity(), 0.2f);
    Drag(density, {3, 1, 6});
    EXPECT_FLOAT_EQ(FogDensity(), 0.6f);
    EXPECT_NEAR(this->Size(), 1.21, 1e-5);

    Click(fog, false);
    EXPECT_FALSE(density->IsShown() || Enabled(GL_FOG));
    // Ticked again, the fog is as dense as the trackbar now shows.
    Click(fog, true);
    EXPECT_TRUE(Enabled(GL_FOG));
    EXPECT_EQ(density->GetValue(), 5);
    EXPECT_FLOAT_EQ(FogDensity(), 0.5f);
}

}
