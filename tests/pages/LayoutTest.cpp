// The three pages as the builder lays them out from their templates.
#include "CCubeDlg.h"
#include "CLightDlg.h"
#include "CTexDlg.h"
#include "ColourLabel.h"
#include "DialogColours.h"
#include "PageHarness.h"
#include "ResourceIds.h"
#include "Resources.h"

#include <wx/dcmemory.h>
#include <wx/font.h>
#include <wx/image.h>
#include <wx/statbox.h>
#include <wx/stattext.h>

#include <cstdlib>
#include <map>
#include <string>
#include <vector>

namespace {

// What a user reads on each page, besides the texts that all pages share.
template <class Page> struct Expected;
template <> struct Expected<CCubeDlg>
{
    static constexpr int id = IDD_CUBE_PAGE;
    static constexpr const char* caption = "Линии в пространстве";
    static constexpr const char* heading = "ПОСТРОЕНИЕ ФИГУРЫ ИЗ ЛИНИЙ, АНИМАЦИЯ";
    static std::vector<std::string> Boxes() { return {"проекция", "размер", "сглаживание"}; }
};
template <> struct Expected<CLightDlg>
{
    static constexpr int id = IDD_LIGHT_PAGE;
    static constexpr const char* caption = "Освещение";
    static constexpr const char* heading = "ОСВЕЩЕНИЕ ТРЕМЯ ЛАМПАМИ";
    static std::vector<std::string> Boxes() { return {"лампы", "проекция", "туман", "размер"}; }
};
template <> struct Expected<CTexDlg>
{
    static constexpr int id = IDD_TEX_PAGE;
    static constexpr const char* caption = "Наложение текстуры";
    static constexpr const char* heading = "НАЛОЖЕНИЕ ТЕКСТУРЫ";
    static std::vector<std::string> Boxes() { return {"лампы", "туман", "проекция", "размер"}; }
};

// The lamp boxes show only their box; the coloured label beside names the lamp.
const std::map<int, std::string> kSharedTexts = {
    {IDC_ORTHO, "ортографическая"}, {IDC_PERSPECTIVE, "перспективная"},
    {IDC_SMOOTH, "сглаживание"},    {IDC_FOG, "туман вкл/выкл"},
    {IDC_LAMP_RED, ""},             {IDC_LAMP_GREEN, ""},
    {IDC_LAMP_BLUE, ""},            {IDC_LABEL_RED, "красная"},
    {IDC_LABEL_GREEN, "зеленая"},   {IDC_LABEL_BLUE, "синяя"},
};

bool IsKind(wxWindow* w, ControlKind kind)
{
    switch (kind) {
    case ControlKind::StaticCentered:
    case ControlKind::StaticCenteredGroup:
        return dynamic_cast<wxStaticText*>(w) || dynamic_cast<CColourLabel*>(w);
    case ControlKind::RadioButton: return dynamic_cast<wxRadioButton*>(w);
    case ControlKind::GroupBox: return dynamic_cast<wxStaticBox*>(w);
    case ControlKind::CheckBox: return dynamic_cast<wxCheckBox*>(w);
    case ControlKind::Trackbar: return dynamic_cast<wxSlider*>(w);
    }
    return false;
}

std::string Text(const wxWindow* w) { return std::string(w->GetLabel().utf8_str()); }

std::string Describe(const wxWindow* w)
{
    const wxRect r = w->GetRect();
    return Text(w) + " #" + std::to_string(w->GetId()) + " at " + std::to_string(r.x) + "," +
           std::to_string(r.y) + " " + std::to_string(r.width) + "x" + std::to_string(r.height);
}

std::vector<wxWindow*> Children(wxWindow* page)
{
    return std::vector<wxWindow*>(page->GetChildren().begin(), page->GetChildren().end());
}

// No two controls overlap, except a group box and a member wholly inside it,
// below its title. Hidden controls count: the fog trackbar shows while fog is on.
void ExpectNoOverlap(wxWindow* page)
{
    const std::vector<wxWindow*> children = Children(page);
    for (std::size_t i = 0; i < children.size(); ++i) {
        for (std::size_t j = i + 1; j < children.size(); ++j) {
            wxWindow *a = children[i], *b = children[j];
            if (!a->GetRect().Intersects(b->GetRect()))
                continue;
            auto* box = dynamic_cast<wxStaticBox*>(a) ? static_cast<wxStaticBox*>(a)
                                                        : dynamic_cast<wxStaticBox*>(b);
            wxWindow* member = box == a ? b : a;
            if (!box || dynamic_cast<wxStaticBox*>(member)) {
                ADD_FAILURE() << Describe(a) << " overlaps " << Describe(b);
                continue;
            }
            int title = 0, other = 0;
            box->GetBordersForSizer(&title, &other);
            wxRect inside = box->GetRect();
            inside.y += title;
            inside.height -= title;
            EXPECT_TRUE(inside.Contains(member->GetRect())) << Describe(box) << " cuts " << Describe(member);
        }
    }
}

// Every control lies inside the page, at least as large as it needs to be.
void ExpectNothingClipped(wxWindow* page)
{
    const wxSize size = page->GetSize();
    const wxSize templateSize = page->ConvertDialogToPixels(wxSize(267, 221));
    EXPECT_TRUE(size.x >= templateSize.x && size.y >= templateSize.y);
    EXPECT_EQ(page->GetMinSize(), size);
    for (wxWindow* w : Children(page)) {
        SCOPED_TRACE(Describe(w));
        EXPECT_TRUE(wxRect(size).Contains(w->GetRect())) << "outside the page";
        if (w->GetId() == IDC_GLVIEW || dynamic_cast<wxStaticBox*>(w))
            continue;
        EXPECT_GE(w->GetSize().x, w->GetBestSize().x);
        EXPECT_GE(w->GetSize().y, w->GetBestSize().y);
    }
}

template <class Page>
class PageLayout : public testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(page.SetUp()); }
    ShownPage<Page> page;
};

using Pages = testing::Types<CCubeDlg, CLightDlg, CTexDlg>;
TYPED_TEST_SUITE(PageLayout, Pages);

// After the OpenGL window, the template's controls in its order, each of its
// kind at its dialog-unit position; GTK's taller controls may have pushed one
// down by less than a line, and a group box may have grown round its members.
TYPED_TEST(PageLayout, ShowsTheOpenGLWindowThenEveryTemplateControlInPlace)
{
    using E = Expected<TypeParam>;
    EXPECT_EQ(this->page->TemplateId(), E::id);
    EXPECT_EQ(this->page->Caption(), wxString::FromUTF8(E::caption));

    const PageTemplate& tmpl = *FindPageTemplate(E::id);
    const std::vector<wxWindow*> children = Children(this->page.Get());
    ASSERT_EQ(children.size(), tmpl.count + 1);
    EXPECT_EQ(children[0], this->page.View());
    EXPECT_EQ(children[0]->GetId(), IDC_GLVIEW);
    EXPECT_EQ(children[0]->GetRect(), wxRect(10, 10, 255, 255));

    const wxPoint corner = this->page->ConvertDialogToPixels(wxPoint(185, 163));
    std::vector<std::string> boxes, ends;
    for (std::size_t i = 0; i < tmpl.count; ++i) {
        const ControlTemplate& c = tmpl.controls[i];
        wxWindow* w = children[i + 1];
        SCOPED_TRACE(Describe(w) + ", control " + std::to_string(i));
        EXPECT_TRUE(IsKind(w, c.kind));
        EXPECT_EQ(w->GetId() < 0, c.id == IDC_STATIC);
        if (c.id != IDC_STATIC) {
            EXPECT_EQ(w->GetId(), c.id);
        }
        if (kSharedTexts.count(c.id)) {
            EXPECT_EQ(Text(w), kSharedTexts.at(c.id));
        }
        if (c.kind == ControlKind::GroupBox)
            boxes.push_back(Text(w));
        else if (c.id == IDC_STATIC)
            ends.push_back(Text(w));

        const wxRect r = w->GetRect();
        const wxRect planned(this->page->ConvertDialogToPixels(wxPoint(c.x, c.y)),
                             this->page->ConvertDialogToPixels(wxSize(c.w, c.h)));
        if (c.kind == ControlKind::GroupBox) {
            EXPECT_TRUE(r.Contains(planned));
        } else {
            EXPECT_EQ(r.x, planned.x);
            EXPECT_TRUE(r.y >= planned.y && r.y < planned.y + w->GetCharHeight()) << r.y;
            EXPECT_TRUE(r.width >= planned.width && r.height >= planned.height);
        }
        EXPECT_TRUE(r.x >= corner.x || r.y >= corner.y) << "in the OpenGL window's corner";
    }
    EXPECT_EQ(Text(this->page->FindWindow(IDC_CAPTION)), E::heading);
    EXPECT_EQ(boxes, E::Boxes());
    EXPECT_EQ(ends, (std::vector<std::string>{"min", "max"}));
}

TYPED_TEST(PageLayout, NoControlsOverlapNorAreClipped)
{
    ExpectNoOverlap(this->page.Get());
    ExpectNothingClipped(this->page.Get());
}

// GTK takes its font from the desktop; the layout must hold at any common size,
// also where the template's free corner is smaller than the OpenGL window.
TYPED_TEST(PageLayout, HoldsWhateverTheFontSize)
{
    for (int points : {7, 8, 12, 16}) {
        SCOPED_TRACE(std::to_string(points) + " pt");
        wxFrame* frame = new wxFrame(nullptr, wxID_ANY, "page");
        frame->SetFont(wxFontInfo(points).Family(wxFONTFAMILY_SWISS));
        TypeParam* page = new TypeParam(frame);
        EXPECT_EQ(page->FindWindow(IDC_CAPTION)->GetFont().GetPointSize(), points);
        ExpectNoOverlap(page);
        ExpectNothingClipped(page);
        frame->Destroy();
    }
    PumpEvents(20);
}

// The heading paints white on RGB(64, 97, 128), the lamp labels black on pure
// red, green and blue, over their whole rectangle; the rest of the page keeps
// the dialog colours.
TYPED_TEST(PageLayout, PaintsHeadingAndLampLabelsInTheirColours)
{
    struct Painted { int id; wxColour text, background; };
    const wxColour white(255, 255, 255), black(0, 0, 0);
    std::vector<Painted> painted = {{IDC_CAPTION, white, wxColour(64, 97, 128)}};
    if (Expected<TypeParam>::id != IDD_CUBE_PAGE) {
        painted.push_back({IDC_LABEL_RED, black, wxColour(255, 0, 0)});
        painted.push_back({IDC_LABEL_GREEN, black, wxColour(0, 255, 0)});
        painted.push_back({IDC_LABEL_BLUE, black, wxColour(0, 0, 255)});
    }
    auto distance = [](const wxColour& a, const wxColour& b) {
        return std::abs(a.Red() - b.Red()) + std::abs(a.Green() - b.Green()) + std::abs(a.Blue() - b.Blue());
    };
    for (const Painted& p : painted) {
        auto* label = this->page.template Find<CColourLabel>(p.id);
        ASSERT_NE(label, nullptr);
        SCOPED_TRACE(Describe(label));
        const wxSize size = label->GetClientSize();
        wxBitmap bitmap(size.x, size.y, 24);
        {
            wxMemoryDC dc(bitmap);
            label->Render(dc);
        }
        const wxImage image = bitmap.ConvertToImage();
        auto at = [&](int x, int y) { return wxColour(image.GetRed(x, y), image.GetGreen(x, y), image.GetBlue(x, y)); };
        EXPECT_EQ(at(0, 0), p.background);
        EXPECT_EQ(at(size.x - 1, size.y - 1), p.background);
        // Smoothed glyph edges mix the two colours: count pixels nearer the text's.
        int ink = 0, lowestInk = -1;
        for (int y = 0; y < size.y; ++y) {
            for (int x = 0; x < size.x; ++x) {
                if (distance(at(x, y), p.text) < distance(at(x, y), p.background)) {
                    ++ink;
                    lowestInk = y;
                }
            }
        }
        EXPECT_GT(ink, 10);
        EXPECT_LT(lowestInk, size.y - 1) << "text runs off the bottom";
    }

    EXPECT_EQ(this->page->GetBackgroundColour(), DialogBackground());
    for (wxWindow* w : Children(this->page.Get())) {
        if (w == this->page.View() || dynamic_cast<CColourLabel*>(w))
            continue;
        SCOPED_TRACE(Describe(w));
        EXPECT_EQ(w->GetForegroundColour(), DialogText());
        // The page's background shows through: no control paints one of its own.
        EXPECT_FALSE(w->UseBgCol());
    }
}

}

TEST(DialogColours, StartWithTheApplicationsAndFollowTheLastSetting)
{
    EXPECT_EQ(DialogBackground(), wxColour(168, 189, 216));
    EXPECT_EQ(DialogText(), wxColour(61, 96, 126));
    SetDialogBkColor(wxColour(10, 20, 30), wxColour(40, 50, 60));
    wxFrame* frame = new wxFrame(nullptr, wxID_ANY, "page");
    CPageFrame* page = new CPageFrame(frame, IDD_CUBE_PAGE);   // a page without a window
    EXPECT_EQ(page->GetBackgroundColour(), wxColour(10, 20, 30));
    EXPECT_EQ(page->FindWindow(IDC_ORTHO)->GetForegroundColour(), wxColour(40, 50, 60));
    EXPECT_TRUE(page->OnSetActive() && page->OnKillActive());
    frame->Destroy();
    SetDialogBkColor(wxColour(168, 189, 216), wxColour(61, 96, 126));
}
