// Helpers for GUI tests that run real windows under X (Xvfb in CI).
#pragma once

#include <wx/mousestate.h>
#include <wx/toplevel.h>
#include <wx/uiaction.h>
#include <wx/window.h>

#include <functional>

// Runs the event loop for ms milliseconds, or until done() holds.
// Returns whether done() held (always true without a condition).
bool PumpEvents(int ms, const std::function<bool()>& done = nullptr);

// The one input simulator of the run: making one waits 50 ms.
wxUIActionSimulator& Input();

// The modal window of type T that is shown, or nullptr.
template <class T> T* ModalWindow()
{
    for (wxWindow* w : wxTopLevelWindows)
        if (auto* t = dynamic_cast<T*>(w); t && t->IsModal())
            return t;
    return nullptr;
}

// Returns once the display has handled the input sent so far and the events
// it caused have been dispatched, so what a real action does has been done.
void Settle();

// The real pointer over w, at `at` of its client area, or near its left edge.
void PointAt(wxWindow* w, wxPoint at = wxDefaultPosition);
// A real click, or double-click, of button there.
void ClickOn(wxWindow* w, wxPoint at = wxDefaultPosition, int button = wxMOUSE_BTN_LEFT, bool twice = false);
