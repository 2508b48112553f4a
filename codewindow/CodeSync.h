// The code view and the shown OpenGL window kept in step both ways, through
// the plain model TextSync: the student's edits in the view read back into
// the window's record, and the record's changes carried into the view as
// edits of the values alone. An edit that cannot be read leaves the record
// as it was, its place underlined and the reason said under the code.
#pragma once

#include "TextSync.h"

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
    // changed: another page whole, else only the values that changed.
    Followed Follow(COpenGLWnd& view);
    // The view's text after the student changed it; group as the view gives it.
    void Edited(COpenGLWnd& view, int group);
    // After an undo or a redo: as Follow, or whole when the text does not
    // read (the student asked for a record the text cannot show).
    void Stepped(COpenGLWnd& view);
    // After a reset: the page's own code, whole, no reason.
    void Reprint(COpenGLWnd& view);

private:
    void ShowReason(const wxString& reason, int offset, int length);

    CCodeView* m_code;
    wxStaticText* m_reason;
    TextSync m_sync;
    wxString m_refused;   // why the text does not read, while it does not
};
