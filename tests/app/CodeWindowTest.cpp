// The code window over the sheet as the program shows it.
#include "CodeFiles.h"
#include "ControlEvents.h"
#include "FragmentText.h"
#include "ResourceIds.h"
#include "ShownSheet.h"
#include "XClients.h"
#include "ViewMenu.h"

#include <GL/gl.h>
#include <wx/menu.h>

namespace {

namespace fs = std::filesystem;

// Every value the fragment states, against what the current context holds.
void ExpectFragmentMatchesContext(const std::string& f, const std::string& step)
{
    SCOPED_TRACE(step);
    for (auto [cap, name] : {std::pair(GL_LINE_SMOOTH, "GL_LINE_SMOOTH"), {GL_BLEND, "GL_BLEND"},
                             {GL_DEPTH_TEST, "GL_DEPTH_TEST"}, {GL_LIGHTING, "GL_LIGHTING"},
                             {GL_LIGHT0, "GL_LIGHT0"}, {GL_LIGHT1, "GL_LIGHT1"}, {GL_LIGHT2, "GL_LIGHT2"},
                             {GL_FOG, "GL_FOG"}}) {
        const bool on = glIsEnabled(cap), lit = f.find("glEnable(GL_LIGHTING)") != std::string::npos;
        if (!lit && (cap == GL_FOG || (cap >= GL_LIGHT0 && cap <= GL_LIGHT2)))
            continue;   // the lines page has no lamps and no fog
        EXPECT_EQ(f.find(std::string("glEnable(") + name + ")") != std::string::npos, on) << name;
        EXPECT_EQ(f.find(std::string("glDisable(") + name + ")") != std::string::npos, !on) << name;
    }
    GLfloat width = 0, density = 0, projection[16], modelView[16];
    GLint viewport[4];
    glGetFloatv(GL_LINE_WIDTH, &width);
    glGetFloatv(GL_FOG_DENSITY, &density);
    glGetFloatv(GL_PROJECTION_MATRIX, projection);
    glGetIntegerv(GL_VIEWPORT, viewport);
    EXPECT_EQ(After(f, "glLineWidth("), width);
    if (glIsEnabled(GL_FOG)) {
        EXPECT_EQ(float(After(f, "glFogf(GL_FOG_DENSITY, ")), density);
        ExpectFogNoteFromTheCorners(f);
    }
    EXPECT_EQ(After(f, "glViewport(0, 0, "), viewport[2]);
    EXPECT_EQ(f.find("gluPerspective(45.0, ") != std::string::npos, projection[15] == 0);
    ExpectPrinted(f, "GL_PROJECTION_MATRIX:", projection);

    // The printed model-view matrix is the one the fragment's own transforms make.
    glPushMatrix();
    glLoadIdentity();
    glTranslated(0, 0, -8);
    glRotated(After(f, "glRotated("), 1, 0, 0);
    const size_t second = f.find("glRotated(", f.find("glRotated(") + 1);
    glRotated(After(f.substr(second), "glRotated("), 0, 1, 0);
    const float s = After(f, "glScalef(");
    glScalef(s, s, s);
    glGetFloatv(GL_MODELVIEW_MATRIX, modelView);
    glPopMatrix();
    ExpectPrinted(f, "GL_MODELVIEW_MATRIX (для куба):", modelView);
}

using CodeWindowTest = ShownSheet;

// Its title and code for each page are the program tests' to check.
TEST_F(CodeWindowTest, HelpAndF1ShowTheVisiblePagesHints)
{
    const SceneKind kinds[] = {SceneKind::WireCube, SceneKind::LitCube, SceneKind::TexCube};
    for (size_t page : {0u, 1u, 2u}) {
        ShowPage(page);
        if (CCodeWindow* open = sheet.CodeWindow())
            open->Close();
        if (page == 0) {
            ClickOn(sheet.FindWindow(wxID_HELP));
            PumpEvents(3000, [this] { return sheet.CodeWindow() && sheet.CodeWindow()->IsShown(); });
        } else {   // F1 with the focus on a control of the page
            Control<wxWindow>(page, IDC_SIZE)->SetFocus();
            Input().MouseMove(sheet.GetScreenRect().GetPosition() + wxPoint(40, 40));
            Input().Char(WXK_F1);
            PumpEvents(3000, [this] { return sheet.CodeWindow()->IsShown(); });
        }
        CCodeWindow* w = sheet.CodeWindow();
        ASSERT_TRUE(w) << page;
        EXPECT_TRUE(w->IsShown());
        wxString hints = w->Hints();
        hints.Replace("\n", " ");   // wrapped to the window
        EXPECT_EQ(hints, CodeHints(kinds[page])) << page;
    }
}

TEST_F(CodeWindowTest, FragmentFollowsEveryControlAndAgreesWithTheContext)
{
    struct Step { const char* name; std::function<void(size_t)> act; };
    const std::vector<Step> common = {
        {"perspective", [this](size_t p) { Click(Control<wxRadioButton>(p, IDC_PERSPECTIVE)); }},
        {"size up 3", [this](size_t p) { Drag(Control<wxSlider>(p, IDC_SIZE), {1, 2, 3}); }},
        {"orthographic", [this](size_t p) { Click(Control<wxRadioButton>(p, IDC_ORTHO)); }},
        {"size down 1", [this](size_t p) { Drag(Control<wxSlider>(p, IDC_SIZE), {2}); }},
    };
    const std::vector<Step> lines = {
        {"smoothing off", [this](size_t p) { Click(Control<wxCheckBox>(p, IDC_SMOOTH), false); }},
        {"smoothing on", [this](size_t p) { Click(Control<wxCheckBox>(p, IDC_SMOOTH), true); }},
    };
    std::vector<Step> lamps;
    for (int id : {IDC_LAMP_RED, IDC_LAMP_GREEN, IDC_LAMP_BLUE, IDC_FOG})
        lamps.push_back({"on",  [this, id](size_t p) { Click(Control<wxCheckBox>(p, id), true); }});
    lamps.push_back({"fog 7", [this](size_t p) { Drag(Control<wxSlider>(p, IDC_FOG_DENSITY), {5, 7}); }});
    for (int id : {IDC_LAMP_GREEN, IDC_FOG})
        lamps.push_back({"off", [this, id](size_t p) { Click(Control<wxCheckBox>(p, id), false); }});

    for (size_t page : {0u, 1u, 2u}) {
        COpenGLWnd* view = ShowPage(page);
        CCodeWindow* w = sheet.OpenCodeWindow();
        std::vector<Step> steps = page == 0 ? lines : lamps;
        steps.insert(steps.end(), common.begin(), common.end());
        for (const Step& step : steps) {
            step.act(page);
            view->SetAngles(12.5, -40);   // the turning must not move between the read-outs
            ExpectFragmentMatchesContext(Fragment(w), "page " + std::to_string(page) + ", " + step.name);
        }
        const std::string f = Fragment(w);
        EXPECT_EQ(After(f, "glRotated("), 12.5);
        EXPECT_EQ(float(After(f, "glScalef(")), view->State().scaleX);
    }
}

// A folder that is not there, and a fragment name taken by a folder: a box
// each, and neither file nor any piece of one is left.
TEST_F(CodeWindowTest, SaveThatFailsIsReportedAndLeavesNothing)
{
    ShowPage(0);
    CCodeWindow* window = sheet.OpenCodeWindow();
    const fs::path dir = NewFolder();
    fs::create_directory(dir / "taken.c");
    EXPECT_FALSE(window->SaveTo((dir / "missing" / "cube.png").string()));
    EXPECT_FALSE(window->SaveTo((dir / "taken.png").string()));
    ASSERT_EQ(g_boxes.size(), 2u);
    EXPECT_TRUE(g_boxes[0].StartsWith(wxString::FromUTF8("Ошибка: Не удалось записать кадр"))) << g_boxes[0];
    EXPECT_TRUE(g_boxes[1].Contains("taken.c")) << g_boxes[1];
    EXPECT_EQ(FilesIn(dir), std::set<std::string>{"taken.c"});
    fs::remove_all(dir);
}

// Ctrl with plus, equals, Shift and equals (plus on a US keyboard) or keypad
// plus, and with minus or keypad minus, wherever the focus is, scale the
// shown cube as the menu's items do, whose items show the hints.
TEST_F(CodeWindowTest, CtrlPlusAndMinusScaleTheShownCubeAsTheMenuDoes)
{
    COpenGLWnd* view = ShowPage(0);
    Control<wxWindow>(0, IDC_SMOOTH)->SetFocus();
    Input().MouseMove(sheet.GetScreenRect().GetPosition() + wxPoint(40, 40));
    PumpEvents(100);
    float expected = view->State().scaleX;
    for (auto [key, shift] : {std::pair(int('+'), 0), {int('='), 0}, {int('='), int(wxMOD_SHIFT)},
                              {int(WXK_NUMPAD_ADD), 0}, {int('-'), 0}, {int(WXK_NUMPAD_SUBTRACT), 0}}) {
        expected *= key == '-' || key == WXK_NUMPAD_SUBTRACT ? 0.9090909f : 1.1f;
        Input().Char(key, wxMOD_CONTROL | shift);
        EXPECT_TRUE(PumpEvents(2000, [&] { return view->State().scaleX == expected; }))
            << "key " << key << (shift ? " with Shift" : "") << ": " << view->State().scaleX << ", expected " << expected;
    }
    std::unique_ptr<wxMenu> menu(CreateViewPopupMenu());
    const wxMenu* size = menu->FindItemByPosition(1)->GetSubMenu();
    for (auto [position, key] : {std::pair(0, '+'), std::pair(1, '-')}) {
        std::unique_ptr<wxAcceleratorEntry> accel(size->FindItemByPosition(position)->GetAccel());
        ASSERT_TRUE(accel) << "no hint on item " << position;
        EXPECT_EQ(std::pair(accel->GetFlags(), accel->GetKeyCode()), std::pair(int(wxACCEL_CTRL), int(key)));
    }
}

}
