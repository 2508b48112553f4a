// A new page in a frame of its own, shown as the sheet shows it, set up and active.
#pragma once

#include "COpenGLWnd.h"
#include "WxTestMain.h"

#include <gtest/gtest.h>
#include <wx/frame.h>

template <class Page>
struct ShownPage
{
    ShownPage()
    {
        frame->SetClientSize(page->GetMinSize());
        frame->Show();
        EXPECT_TRUE(PumpEvents(10000, [this] { return view->IsSetUp(); }));
        page->OnSetActive();
        PumpEvents(100);
    }
    ~ShownPage() { page->OnKillActive(); frame->Destroy(); PumpEvents(50); }
    template <class T> T* Find(int id) const { return dynamic_cast<T*>(page->FindWindow(id)); }

    // A font so small that the corner the templates leave free is smaller than the OpenGL window.
    wxFrame* frame = [] { auto* f = new wxFrame(nullptr, wxID_ANY, "page", wxPoint(20, 20)); f->SetFont(wxFontInfo(7)); return f; }();
    Page* page = new Page(frame);
    COpenGLWnd* view = page->View();
};
