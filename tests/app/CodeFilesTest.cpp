// Copy and Save of the code window, and the sheet's size shortcuts.
#include "CAllSheets.h"
#include "CCodeWindow.h"
#include "CodeFiles.h"
#include "COpenGLWnd.h"
#include "CPageFrame.h"
#include "ResourceIds.h"
#include "ViewMenu.h"
#include "WxTestMain.h"

#include <gtest/gtest.h>
#include <wx/clipbrd.h>
#include <wx/bookctrl.h>
#include <wx/image.h>
#include <wx/menu.h>
#include <wx/uiaction.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

std::vector<wxString> g_boxes;   // the messages the window's boxes would show

int TakeMessageBox(const wxString& message, const wxString& caption, int, wxWindow*)
{
    g_boxes.push_back(caption + ": " + message);
    return wxOK;
}

struct CodeFilesTest : testing::Test
{
    void SetUp() override
    {
        g_boxes.clear();
        old = CCodeWindow::SetMessageBox(TakeMessageBox);
        char name[] = "/tmp/codefiles-XXXXXX";
        dir = mkdtemp(name);
        sheet.Show();
        COpenGLWnd* view = sheet.Page(0)->View();
        ASSERT_TRUE(PumpEvents(10000, [view] { return view->IsSetUp() && view->IsContextCurrent(); }));
        window = CCodeWindow::Open(&sheet);
    }
    void TearDown() override
    {
        CCodeWindow::SetMessageBox(old);
        fs::remove_all(dir);
    }
    std::vector<std::string> Files() const
    {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(dir))
            names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }

    CCodeWindow::MessageBoxFunc old = nullptr;
    fs::path dir;
    CAllSheets sheet{"sheet"};
    CCodeWindow* window = nullptr;
};

TEST_F(CodeFilesTest, CopyPutsTheFragmentOnTheClipboard)
{
    ASSERT_TRUE(window->CopyFragment());
    wxTextDataObject text;
    {
        wxClipboardLocker open;
        ASSERT_TRUE(!!open && wxTheClipboard->GetData(text));
    }
    EXPECT_EQ(text.GetText(), window->Fragment());
    EXPECT_TRUE(window->Fragment().Contains("void DrawScene(void)"));
    EXPECT_TRUE(g_boxes.empty());
}

TEST_F(CodeFilesTest, SaveWritesTheFrameAndTheFragmentOrReportsAndLeavesNothing)
{
    const fs::path png = dir / "cube.png";
    ASSERT_TRUE(window->SaveTo(png.string()));
    EXPECT_EQ(Files(), (std::vector<std::string>{"cube.c", "cube.png"}));
    std::stringstream code;
    code << std::ifstream(dir / "cube.c").rdbuf();
    EXPECT_EQ(wxString::FromUTF8(code.str()), window->Fragment());
    wxImage frame;
    ASSERT_TRUE(frame.LoadFile(png.string(), wxBITMAP_TYPE_PNG));
    const ViewState& s = sheet.Page(0)->View()->State();
    EXPECT_EQ(frame.GetSize(), wxSize(s.width, s.height));
    EXPECT_EQ(wxColour(frame.GetRed(2, 2), frame.GetGreen(2, 2), frame.GetBlue(2, 2)), wxColour(61, 94, 125));
    EXPECT_TRUE(g_boxes.empty());

    // A folder that is not there, and a fragment name taken by a folder: a
    // box each, and neither file nor any piece of one is left.
    fs::remove(dir / "cube.c");
    fs::remove(png);
    fs::create_directory(dir / "taken.c");
    EXPECT_FALSE(window->SaveTo((dir / "missing" / "cube.png").string()));
    EXPECT_FALSE(window->SaveTo((dir / "taken.png").string()));
    ASSERT_EQ(g_boxes.size(), 2u);
    EXPECT_TRUE(g_boxes[0].StartsWith(wxString::FromUTF8("Ошибка: Не удалось записать кадр"))) << g_boxes[0];
    EXPECT_TRUE(g_boxes[1].Contains("taken.c")) << g_boxes[1];
    EXPECT_EQ(Files(), (std::vector<std::string>{"taken.c"}));
}

// Ctrl with plus, equals or keypad plus, and with minus or keypad minus,
// wherever the focus is, scale the shown cube as the menu's items do.
TEST_F(CodeFilesTest, CtrlPlusAndMinusScaleTheShownCubeAsTheMenuDoes)
{
    window->Hide();
    sheet.Raise();
    COpenGLWnd* view = sheet.Page(0)->View();
    sheet.Page(0)->FindWindow(IDC_SMOOTH)->SetFocus();
    wxUIActionSimulator keys;
    keys.MouseMove(sheet.GetScreenRect().GetPosition() + wxPoint(40, 40));
    PumpEvents(100);
    float expected = view->State().scaleX;
    for (int key : {int('+'), int('='), int(WXK_NUMPAD_ADD), int('-'), int(WXK_NUMPAD_SUBTRACT)}) {
        expected *= key == '-' || key == WXK_NUMPAD_SUBTRACT ? 0.9090909f : 1.1f;
        keys.Char(key, wxMOD_CONTROL);
        EXPECT_TRUE(PumpEvents(2000, [&] { return view->State().scaleX == expected; }))
            << "key " << key << ": " << view->State().scaleX << ", expected " << expected;
    }

    std::unique_ptr<wxMenu> menu(CreateViewPopupMenu());
    const wxMenu* size = menu->FindItemByPosition(1)->GetSubMenu();
    for (auto [position, key] : {std::pair(0, '+'), std::pair(1, '-')}) {
        std::unique_ptr<wxAcceleratorEntry> accel(size->FindItemByPosition(position)->GetAccel());
        ASSERT_TRUE(accel) << "no hint on item " << position;
        EXPECT_EQ(accel->GetFlags(), wxACCEL_CTRL);
        EXPECT_EQ(accel->GetKeyCode(), key);
    }
}

}
