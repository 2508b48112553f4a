// The code window: beside the sheet, for the page that is showing, a few
// sentences on what to try and the OpenGL code of the picture as it is now,
// with buttons to copy it and to save it with the frame.
#pragma once

#include "CodeFragment.h"

#include <wx/frame.h>
#include <wx/timer.h>

class CAllSheets;
class wxStaticText;
class wxTextCtrl;

class CCodeWindow : public wxFrame
{
public:
    // The sheet's code window, made on the first call; shown, raised and
    // brought up to date with the visible page.
    static CCodeWindow* Open(CAllSheets* sheet);
    // The sheet's code window, or nullptr when there is none yet.
    static CCodeWindow* Find(CAllSheets* sheet);

    // Reads the visible page's window again and shows its fragment if the
    // record, the matrices or the page changed. The timer calls it twice a second.
    void Follow();

    wxString Hints() const;
    wxString Fragment() const;
    // The fragment onto the clipboard; false, after a message box, when it
    // cannot be had.
    bool CopyFragment();
    // The visible page's frame as a PNG at pngPath and the fragment beside
    // it; false, after a message box, on any failure.
    bool SaveTo(const wxString& pngPath);

    // Message boxes go through this, so that tests can take them.
    using MessageBoxFunc = int (*)(const wxString& message, const wxString& caption, int style,
                                   wxWindow* parent);
    static MessageBoxFunc SetMessageBox(MessageBoxFunc f);

    static constexpr int kRefreshMs = 500;

private:
    explicit CCodeWindow(CAllSheets* sheet);
    void ReplaceChanged(const wxString& text);
    void Report(const wxString& message);
    void OnCopy(wxCommandEvent& event);
    void OnSave(wxCommandEvent& event);

    CAllSheets* m_sheet;
    wxStaticText* m_hints = nullptr;
    wxTextCtrl* m_code = nullptr;
    wxString m_text;          // what m_code shows
    wxTimer m_timer;
    bool m_shown = false;     // m_last holds what the text shows
    FragmentInputs m_last;
};
