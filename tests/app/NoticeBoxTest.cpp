// The notice box that the loader's failures reach the user through.
#include "CNoticeBox.h"
#include "CSamplesApp.h"

#include "DialogColours.h"
#include "Notice.h"
#include "WxTestMain.h"

#include <gtest/gtest.h>
#include <wx/button.h>
#include <wx/frame.h>
#include <wx/stattext.h>

#include <vector>

namespace {

const wxColour kBackground(168, 189, 216);
const wxColour kText(61, 96, 126);

CNoticeBox* ModalNotice()
{
    for (wxWindow* w : wxTopLevelWindows)
        if (auto* box = dynamic_cast<CNoticeBox*>(w); box && box->IsModal())
            return box;
    return nullptr;
}

// A box that a key or click left open is closed anyway, so that no test hangs.
void EndIfStillOpen(CNoticeBox* box, const char* how)
{
    if (box->IsModal()) {
        ADD_FAILURE() << how << " left the box open";
        box->EndModal(wxID_ABORT);
    }
}

void ClickOk(CNoticeBox* box)
{
    if (wxWindow* ok = box->FindWindow(wxID_OK)) {
        wxCommandEvent click(wxEVT_BUTTON, wxID_OK);
        click.SetEventObject(ok);
        ok->GetEventHandler()->ProcessEvent(click);
    }
    EndIfStillOpen(box, "OK");
}

void PressEscape(CNoticeBox* box)
{
    wxKeyEvent key(wxEVT_CHAR_HOOK);
    key.m_keyCode = WXK_ESCAPE;
    key.SetEventObject(box);
    box->GetEventHandler()->ProcessEvent(key);
    EndIfStillOpen(box, "Escape");
}

class NoticeBoxTest : public testing::Test
{
protected:
    void SetUp() override { SetDialogBkColor(kBackground, kText); }
    void TearDown() override { SetNoticeHandler(nullptr); }
};

TEST_F(NoticeBoxTest, ShowsCaptionTextAndOnlyAnOkButtonInTheDialogColours)
{
    // "&" in a file name must not turn into a mnemonic and vanish.
    const wxString text = "Failed to open DIB file R&D logo.bmp.\n";
    CNoticeBox box(nullptr, "Error", text);

    EXPECT_EQ(box.GetTitle(), "Error");
    EXPECT_EQ(box.Text(), text);

    std::vector<wxWindow*> buttons, texts, others;
    for (wxWindow* child : box.GetChildren()) {
        if (wxDynamicCast(child, wxButton))
            buttons.push_back(child);
        else if (wxDynamicCast(child, wxStaticText))
            texts.push_back(child);
        else
            others.push_back(child);
    }
    ASSERT_EQ(buttons.size(), 1u);
    EXPECT_EQ(buttons[0]->GetId(), wxID_OK);
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_TRUE(others.empty()) << "a notice has no icon or other decoration";

    EXPECT_EQ(box.GetBackgroundColour(), kBackground);
    EXPECT_EQ(texts[0]->GetForegroundColour(), kText);
}

TEST_F(NoticeBoxTest, ClosesOnOkAndOnEscape)
{
    for (auto close : {ClickOk, PressEscape}) {
        CNoticeBox box(nullptr, "Error", "Out of memory.");
        bool wasModal = false;
        box.CallAfter([&] {
            wasModal = box.IsModal();
            close(&box);
        });
        EXPECT_EQ(box.ShowModal(), wxID_OK);
        EXPECT_TRUE(wasModal);
        EXPECT_FALSE(box.IsShown());
    }
}

TEST_F(NoticeBoxTest, InstalledHandlerShowsLoaderNoticesModallyUntilDismissed)
{
    InstallNoticeBox();
    struct Seen
    {
        int boxes = 0;
        wxString caption, text;
        wxWindow* owner = nullptr;
    } seen;
    // With no window focused the box belongs to none.
    wxWindow* const focus = wxWindow::FindFocus();
    wxWindow* const expectedOwner = focus ? wxGetTopLevelParent(focus) : nullptr;

    // Two notices in a row: each one box, each waiting for its own dismissal.
    for (const char* message : {"Unknown DIB file format.", "Image file conversion error."}) {
        const int before = seen.boxes;
        wxTheApp->CallAfter([&] {
            CNoticeBox* box = ModalNotice();
            if (!box)
                return;
            ++seen.boxes;
            seen.caption = box->GetTitle();
            seen.text = box->Text();
            seen.owner = box->GetParent();
            ClickOk(box);
        });
        ShowNotice("Error", message);
        PumpEvents(20);   // a call left over when no box came must not outlive seen
        ASSERT_EQ(seen.boxes, before + 1) << "no box for " << message;
        EXPECT_EQ(seen.caption, "Error");
        EXPECT_EQ(seen.text, message);
        EXPECT_EQ(seen.owner, expectedOwner);
    }
    EXPECT_EQ(seen.boxes, 2);
    EXPECT_EQ(ModalNotice(), nullptr);
}

TEST_F(NoticeBoxTest, BelongsToTheWindowWithTheFocus)
{
    InstallNoticeBox();
    auto* frame = new wxFrame(nullptr, wxID_ANY, "owner");
    auto* button = new wxButton(frame, wxID_ANY, "focus");
    frame->Show();
    frame->Raise();
    button->SetFocus();
    if (!PumpEvents(3000, [button] { return wxWindow::FindFocus() == button; })) {
        frame->Destroy();
        GTEST_SKIP() << "the display gives no window the focus (no window manager)";
    }

    wxWindow* owner = nullptr;
    wxTheApp->CallAfter([&] {
        if (CNoticeBox* box = ModalNotice()) {
            owner = box->GetParent();
            ClickOk(box);
        }
    });
    ShowNotice("Error", "Out of memory.");
    PumpEvents(20);
    EXPECT_EQ(owner, frame);
    frame->Destroy();
    PumpEvents(50);
}

}
