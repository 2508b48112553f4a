// Two leaks planted on purpose, where this program's own leaks would be: one
// in an event handler, one of a texture window's picture. Both are made
// under GLib's main loop, as every handler and deferred set-up is. The
// sanitizer pass runs this and expects LeakSanitizer to report both: a
// suppression that hid them would hide the program's leaks too.
#include "CTexWnd.h"
#include "DataFile.h"
#include "LoadBmpImage.h"
#include "WxTestMain.h"

#include <gtest/gtest.h>
#include <wx/frame.h>

namespace {

struct PictureNeverFreed : CTexWnd
{
    using CTexWnd::CTexWnd;
    // The picture loaded a second time and dropped, as a ~CTexWnd that
    // forgot FreeRgbImage would drop it.
    void OnCreate() override
    {
        CTexWnd::OnCreate();
        leaked = LoadBmpImage(FindDataFile("logo.bmp").c_str());
    }
    RgbImage* leaked = nullptr;
};

__attribute__((noinline)) void PlantedLeakInAHandler(wxPaintEvent& event)
{
    static char* volatile kept;
    kept = new char[77];
    kept = nullptr;
    event.Skip();
}

TEST(PlantedLeak, InAPaintHandlerAndInATextureWindow)
{
    auto* frame = new wxFrame(nullptr, wxID_ANY, "leaks", wxPoint(20, 20), wxSize(300, 300));
    auto* view = new PictureNeverFreed(frame);
    bool painted = false;
    view->Bind(wxEVT_PAINT, [&painted](wxPaintEvent& e) { PlantedLeakInAHandler(e), painted = true; });
    frame->Show();
    EXPECT_TRUE(PumpEvents(10000, [&] { return painted && view->IsSetUp(); }));
    EXPECT_NE(view->leaked, nullptr) << "no picture beside the test";
    view->leaked = nullptr;
    frame->Destroy();
    PumpEvents(100);
}

}
