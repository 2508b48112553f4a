// The sheet shown as the program shows it, for the code window tests: its
// pages, its code window, and the code window's message boxes taken.
#pragma once

#include "CAllSheets.h"
#include "CCodeView.h"
#include "CCodeWindow.h"
#include "COpenGLWnd.h"
#include "CPageFrame.h"
#include "CSamplesApp.h"
#include "WxTestMain.h"

#include <gtest/gtest.h>
#include <wx/bookctrl.h>

#include <string>
#include <vector>

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
        COpenGLWnd* view = sheet.Page(index)->View();
        EXPECT_TRUE(PumpEvents(10000, [view] { return view->IsSetUp() && view->IsContextCurrent(); }));
        return view;
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
