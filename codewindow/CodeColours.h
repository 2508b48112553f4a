// The colouring of C code in a Scintilla control: a monospace font at the
// system's size, colours for calls, GL constants, numbers and comments, and
// an underline under an error.
#pragma once

#include <wx/stc/stc.h>

class CodeColours
{
public:
    // Sets up the control's font and styles.
    explicit CodeColours(wxStyledTextCtrl& text);
    // The code's font: monospace at the system's size.
    static wxFont Font();

    // The calls (gl... and glu...) and the constants (GL_...) that text uses,
    // for the colouring; given to the control only when they change.
    void KeepWordLists(const wxString& text);
    // Underlines length bytes from offset, bytes of the text's UTF-8 (at
    // least one character), until ClearError.
    void ShowError(int offset, int length);
    void ClearError();
    // Numbers in comments and strings are not the code's.
    static bool IsCode(int style);

    static constexpr int kErrorIndicator = wxSTC_INDIC_CONTAINER;

private:
    wxStyledTextCtrl& m_text;
    wxString m_calls, m_constants;   // the word lists the control has now
    bool m_errorShown = false;       // clearing no underline draws nothing
};
