#include "CodeSync.h"

#include "CCodeView.h"
#include "CodeEdit.h"
#include "CodeLexer.h"
#include "COpenGLWnd.h"
#include "ViewCode.h"

#include <wx/stattext.h>
#include <wx/tokenzr.h>

#include <algorithm>
#include <cstring>
#include <vector>

namespace {

bool SameInputs(const FragmentInputs& a, const FragmentInputs& b)
{
    return a.kind == b.kind && a.state == b.state && a.pictureWidth == b.pictureWidth &&
           a.pictureHeight == b.pictureHeight &&
           std::memcmp(a.projection, b.projection, sizeof a.projection) == 0 &&
           std::memcmp(a.modelView, b.modelView, sizeof a.modelView) == 0;
}

// What the code window would show had only the cube turned from before to
// now; "" when nothing else changed. Its lines are the ones a switch did not change.
std::string TurnedOnly(const FragmentInputs& before, const FragmentInputs& now)
{
    FragmentInputs turned = before;
    turned.state.angleX = now.state.angleX;
    turned.state.angleY = now.state.angleY;
    // A new size changes the matrix too: that change is the switch's.
    if (turned.state.scaleX == now.state.scaleX && turned.state.perspective == now.state.perspective)
        std::memcpy(turned.modelView, now.modelView, sizeof turned.modelView);
    return SameInputs(turned, now) ? std::string() : CodeFragment(turned);
}

// Whether the student's text says what print says: the same tokens, the
// numbers the same values however written.
bool SameCode(const std::string& text, const std::string& print)
{
    std::vector<Token> a, b;
    CodeError ignored;
    const auto same = [](const Token& x, const Token& y) {
        return x.kind == y.kind && (x.kind == TokenKind::Number ? x.value == y.value : x.text == y.text);
    };
    return LexCode(text, a, ignored) && LexCode(print, b, ignored) &&
           std::equal(a.begin(), a.end(), b.begin(), b.end(), same);
}

// shown, which was printed as before and may have been edited since, with
// the lines that changed from before to after. A change of the lines
// themselves (a switch that brings a comment) takes after whole; "" when
// the student added or took away lines, whose edit is under way.
wxString Merge(const std::string& before, const std::string& after, const wxString& shown)
{
    const std::vector<wxString> b = TextLines(wxString::FromUTF8(before)), a = TextLines(wxString::FromUTF8(after));
    std::vector<wxString> s = TextLines(shown);
    if (b.size() != a.size())
        return wxString::FromUTF8(after);
    if (b.size() != s.size())
        return wxString();
    for (size_t i = 0; i < s.size(); ++i)
        if (b[i] != a[i])
            s[i] = a[i];
    return wxJoin(wxArrayString(s.size(), s.data()), '\n', '\0');
}

}

CodeSync::Followed CodeSync::Follow(COpenGLWnd& view)
{
    FragmentInputs in;
    if (!ReadFragmentInputs(view, in) || (m_shown && SameInputs(in, m_last)))
        return Followed::Nothing;
    const bool newPage = !m_shown || in.kind != m_last.kind;
    const std::string print = CodeFragment(in);
    if (newPage) {
        ShowReason(wxString(), -1, 0);
        m_code->ShowText(wxString::FromUTF8(print));
    } else {
        const wxString shown = m_code->GetText();
        const wxString merged = Merge(m_lastPrint, print, shown);
        if (merged.empty())
            return Followed::Nothing;   // lines added or taken away: wait for the student
        const std::string turned = TurnedOnly(m_last, in);
        m_code->ShowText(merged, turned.empty() ? wxString() : Merge(m_lastPrint, turned, shown));
    }
    m_last = in;
    m_lastPrint = print;
    m_shown = true;
    return newPage ? Followed::NewPage : Followed::Changed;
}

void CodeSync::Edited(COpenGLWnd& view, int group)
{
    if (!m_shown)
        return;
    const std::string text(m_code->GetText().utf8_str());
    ViewState edited;
    CodeEditError error;
    if (!ReadFragment(text, m_last, edited, error, &m_lastPrint)) {
        ShowReason(wxString::FromUTF8(error.reason), error.offset, error.length);
        return;
    }
    ShowReason(wxString(), -1, 0);
    // The text was printed a moment ago: what changed since stays.
    view.SetRecord(Merged(m_last.state, edited, view.State()), group);
    // The record as the text says it, at the text's own angles: the turning
    // comes in with the next Follow, not with every step of a drag.
    FragmentInputs said = m_last;
    said.state = view.State();
    if (edited.angleX == m_last.state.angleX && edited.angleY == m_last.state.angleY) {
        said.state.angleX = m_last.state.angleX;
        said.state.angleY = m_last.state.angleY;
    }
    const std::string print = CodeFragment(said);
    // The student's own spelling stays while it says what the record says.
    if (!SameCode(text, print))
        m_code->ShowText(wxString::FromUTF8(print));
    m_last = said;
    m_lastPrint = print;
}

void CodeSync::Reprint(COpenGLWnd& view)
{
    ShowReason(wxString(), -1, 0);
    FragmentInputs in;
    if (!ReadFragmentInputs(view, in)) {
        m_shown = false;   // the next Follow prints it whole
        return;
    }
    const std::string print = CodeFragment(in);
    const std::string turned = m_shown ? TurnedOnly(m_last, in) : std::string();
    m_code->ShowText(wxString::FromUTF8(print), wxString::FromUTF8(turned));
    m_last = in;
    m_lastPrint = print;
    m_shown = true;
}

void CodeSync::ShowReason(const wxString& reason, int offset, int length)
{
    if (reason.empty())
        m_code->ClearError();
    else
        m_code->ShowError(offset, length);
    if (m_reason->GetLabel() != reason)
        m_reason->SetLabel(reason);
}
