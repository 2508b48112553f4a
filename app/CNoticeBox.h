// The program's modal notice: a caption, a text and one OK button, in the
// application's dialog colours (a stock message box cannot be coloured).
#pragma once

#include "DibFailure.h"

#include <wx/dialog.h>

class wxStaticText;

class CNoticeBox : public wxDialog
{
public:
    // owner may be nullptr: the box then belongs to no window.
    CNoticeBox(wxWindow* owner, const wxString& caption, const wxString& text);

    wxString Text() const;

private:
    wxStaticText* m_text = nullptr;
};

// Why the loader refused a picture, as one sentence in the program's language.
wxString RefusalText(const DibFailure& failure);

// The loader's notice handler (see Notice.h): a CNoticeBox saying why,
// owned by the window that has the keyboard focus.
void ShowNoticeBox(const DibFailure& failure);
