// The code as an editor shows it: C colouring (calls, GL constants, numbers,
// comments), a monospace font at the system's size, line numbers, and the
// lines that an update changed marked in the margin and tinted for a while.
// Updates replace only the lines that differ. Read-only for now.
#pragma once

#include <wx/stc/stc.h>
#include <wx/timer.h>

#include <vector>

class CCodeView : public wxStyledTextCtrl
{
public:
    explicit CCodeView(wxWindow* parent);

    // Shows text, replacing only the lines that differ, so that the caret,
    // the selection and the scroll position stay where they are. With
    // markFrom, the text as it would be without the change to show, the new
    // lines that markFrom does not have are marked for kMarkMs instead of
    // whatever was marked.
    void ShowText(const wxString& text, const wxString& markFrom = wxString());
    // The lines marked now, counted from 0.
    std::vector<int> MarkedLines();

    static constexpr int kMarkMs = 2000;

    void Refresh(bool eraseBackground = true, const wxRect* rect = nullptr) override;

private:
    struct Stretch
    {
        int nowFrom, nowTo, nextFrom, nextTo;
    };
    static std::vector<Stretch> Differences(const std::vector<wxString>& now, const std::vector<wxString>& next);

    void SetUpStyles();
    void KeepWordLists(const wxString& text);
    void Replace(int from, int to, const wxString& text);
    void RefreshLines(int from, int to);
    void Mark(int line);
    void Unmark();

    wxTimer m_unmark;
    wxString m_calls, m_constants;   // the word lists the colouring has now
    bool m_replacing = false;
    bool m_marked = false;
};
