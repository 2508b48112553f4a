// The code view and the shown OpenGL window kept in step both ways: the
// window's record printed into the view, and the student's edits in the view
// read back into the record. An edit that cannot be read leaves the record
// as it was, its place underlined and the reason said under the code.
#pragma once

#include "CodeFragment.h"

#include <wx/string.h>

class CCodeView;
class COpenGLWnd;
class wxStaticText;

class CodeSync
{
public:
    CodeSync(CCodeView* code, wxStaticText* reason) : m_code(code), m_reason(reason) {}

    enum class Followed { Nothing, Changed, NewPage };
    // The window's record into the view if it, the matrices or the page
    // changed. Lines that the student typed stay as typed unless the record
    // changed what they say.
    Followed Follow(COpenGLWnd& view);
    // The view's text after the student changed it; group as the view gives it.
    void Edited(COpenGLWnd& view, int group);
    // After an undo, a redo or a reset: the record's own code, no reason.
    void Reprint(COpenGLWnd& view);

private:
    void ShowReason(const wxString& reason, int offset, int length);

    CCodeView* m_code;
    wxStaticText* m_reason;
    bool m_shown = false;     // m_last holds what the text was printed from
    FragmentInputs m_last;
    std::string m_lastPrint;  // CodeFragment(m_last)
};
