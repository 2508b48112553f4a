#include "CodeColours.h"

#include <wx/settings.h>

#include <algorithm>
#include <set>

namespace {

const char* const kKeywords = "void static const unsigned char int float double return if else "
                              "GLfloat GLdouble GLint GLuint GLenum GLubyte";

bool IsWordChar(wxUniChar c) { return wxIsalnum(c) || c == '_'; }

wxString Joined(const std::set<wxString>& words)
{
    wxString s;
    for (const wxString& w : words)
        s << w << ' ';
    return s;
}

}

wxFont CodeColours::Font()
{
    const int size = wxSystemSettings::GetFont(wxSYS_DEFAULT_GUI_FONT).GetPointSize();
    return wxFont(wxFontInfo(size).Family(wxFONTFAMILY_TELETYPE));
}

CodeColours::CodeColours(wxStyledTextCtrl& text)
    : m_text(text)
{
    m_text.StyleSetFont(wxSTC_STYLE_DEFAULT, Font());
    m_text.StyleClearAll();
    m_text.SetLexer(wxSTC_LEX_CPP);
    // Both sides of "#ifdef _WIN32" are code to read, not code switched off.
    m_text.SetProperty("lexer.cpp.track.preprocessor", "0");
    m_text.SetKeyWords(0, kKeywords);
    const struct { int style; wxColour colour; bool bold; } styles[] = {
        {wxSTC_C_COMMENT, wxColour(0x5f, 0x7f, 0x5f), false},
        {wxSTC_C_COMMENTLINE, wxColour(0x5f, 0x7f, 0x5f), false},
        {wxSTC_C_NUMBER, wxColour(0xa0, 0x40, 0x00), false},
        {wxSTC_C_WORD, wxColour(0x00, 0x00, 0x90), true},
        {wxSTC_C_WORD2, wxColour(0x00, 0x50, 0xb0), true},        // the calls
        {wxSTC_C_GLOBALCLASS, wxColour(0x80, 0x00, 0x80), false},  // the GL constants
        {wxSTC_C_PREPROCESSOR, wxColour(0x80, 0x60, 0x00), false},
        {wxSTC_C_OPERATOR, wxColour(0x30, 0x30, 0x30), false},
    };
    for (const auto& s : styles) {
        m_text.StyleSetForeground(s.style, s.colour);
        m_text.StyleSetBold(s.style, s.bold);
    }
    m_text.IndicatorSetStyle(kErrorIndicator, wxSTC_INDIC_SQUIGGLE);
    m_text.IndicatorSetForeground(kErrorIndicator, wxColour(0xe0, 0x00, 0x00));
}

void CodeColours::KeepWordLists(const wxString& text)
{
    std::set<wxString> calls, constants;
    for (size_t i = 0; i < text.length();) {
        if (!IsWordChar(text[i])) {
            ++i;
            continue;
        }
        size_t end = i;
        while (end < text.length() && IsWordChar(text[end]))
            ++end;
        const wxString word = text.Mid(i, end - i);
        if (word.StartsWith("GL_"))
            constants.insert(word);
        else if (word.length() > 2 && word.StartsWith("gl") && (wxIsupper(word[2]) || word.StartsWith("glu")))
            calls.insert(word);
        i = end;
    }
    if (Joined(calls) != m_calls)
        m_text.SetKeyWords(1, m_calls = Joined(calls));
    if (Joined(constants) != m_constants)
        m_text.SetKeyWords(3, m_constants = Joined(constants));
}

void CodeColours::ShowError(int offset, int length)
{
    ClearError();
    const int size = m_text.GetLength();
    if (size == 0)
        return;
    // An error at the very end, a missing bracket say, underlines the last character.
    offset = std::clamp(offset, 0, size - 1);
    length = std::clamp(length, 1, size - offset);
    m_text.SetIndicatorCurrent(kErrorIndicator);
    m_text.IndicatorFillRange(offset, length);
    m_errorShown = true;
}

void CodeColours::ClearError()
{
    if (!m_errorShown)
        return;
    m_text.SetIndicatorCurrent(kErrorIndicator);
    m_text.IndicatorClearRange(0, m_text.GetLength());
    m_errorShown = false;
}

bool CodeColours::IsCode(int style)
{
    return style != wxSTC_C_COMMENT && style != wxSTC_C_COMMENTLINE && style != wxSTC_C_COMMENTDOC &&
           style != wxSTC_C_COMMENTLINEDOC && style != wxSTC_C_STRING && style != wxSTC_C_CHARACTER;
}
