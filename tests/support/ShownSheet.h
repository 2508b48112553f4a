// The sheet shown as the program shows it: its pages, its code window, and
// the code window's message boxes taken; the program's own start-up too.
#pragma once

#include "CAllSheets.h"
#include "CCodeView.h"
#include "CCodeWindow.h"
#include "COpenGLWnd.h"
#include "CPageFrame.h"
#include "CSamplesApp.h"
#include "Notice.h"
#include "WxTestMain.h"

#include <gtest/gtest.h>
#include <wx/bookctrl.h>

#include <memory>
#include <string>
#include <vector>

// Waits, for at most a bound that only guards against a hang, for the
// window of page to be set up and current.
inline bool SetUpAndCurrent(CAllSheets& sheet, size_t page)
{
    COpenGLWnd* view = sheet.Page(page)->View();
    return PumpEvents(10000, [view] { return view->IsSetUp() && view->IsContextCurrent(); });
}

// A real click on the tab of page, found as the book finds it.
inline void ClickTab(wxBookCtrlBase* book, int page)
{
    for (int y = 2; y < 60; y += 4)
        for (int x = 2; x < book->GetClientSize().x; x += 4)
            if (book->HitTest(wxPoint(x, y)) == page)
                return ClickOn(book, wxPoint(x + 8, y + 4));
    ADD_FAILURE() << "no tab for page " << page;
}

// The application as the program makes it: OnInit, then its sheet's run,
// with use(sheet) done once the sheet is up; then the sheet hides if use
// left it open. wxTheApp and the test's fatal assertion handler come back.
// Whether the sheet was shown, and modeless.
inline bool RunProgramSheet(const std::function<void(CAllSheets&)>& use)
{
    wxAppConsole* const testApp = wxApp::GetInstance();
    const wxAssertHandler_t fatal = wxTheAssertHandler;
    auto app = std::make_unique<CSamplesApp>();
    wxApp::SetInstance(testApp);
    bool shown = false;
    if (app->OnInit()) {
        wxTheApp->CallAfter([&] {
            auto* sheet = dynamic_cast<CAllSheets*>(wxTheApp->GetTopWindow());
            if (!(shown = sheet && sheet->IsShown() && !sheet->IsModal()))
                return;
            use(*sheet);
            if (sheet->IsShown())
                sheet->Hide();   // the program's loop ends when its sheet hides
        });
        RunDemoSheet();
        PumpEvents(20);   // a call left over must not outlive the caller's locals
    }
    app.reset();
    wxApp::SetInstance(testApp);
    wxSetAssertHandler(fatal);
    SetNoticeHandler(nullptr);
    return shown;
}

inline std::vector<wxString> g_boxes;   // the messages the window's boxes would show

struct ShownSheet : testing::Test
{
    ShownSheet()
    {
        g_boxes.clear();
        ShowDemoSheet(sheet);
    }
    ~ShownSheet() override { CCodeWindow::SetMessageBox(oldBox); }

    // Shows tab index and waits for its window's set-up.
    COpenGLWnd* ShowPage(size_t index)
    {
        sheet.GetBookCtrl()->SetSelection(index);
        EXPECT_TRUE(SetUpAndCurrent(sheet, index));
        return sheet.Page(index)->View();
    }
    // The code window's text as the control has it, brought up to date.
    std::string Fragment(CCodeWindow* w)
    {
        w->Follow();
        return std::string(w->Fragment().utf8_str());
    }
    template <class T> T* Control(size_t page, int id) { return dynamic_cast<T*>(sheet.Page(page)->FindWindow(id)); }
    wxWindow* Button(CCodeWindow* w, int id) { return w->FindWindow(id); }

    CCodeWindow::MessageBoxFunc oldBox = CCodeWindow::SetMessageBox([](auto& message, auto& caption, int, wxWindow*) {
        return g_boxes.push_back(caption + ": " + message), int(wxOK);
    });
    CAllSheets sheet{SheetCaption()};
};
