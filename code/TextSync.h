// The code window's text and the window's record kept in step, as a plain
// model: the text is the student's document. An edit the student makes is
// read into the record; a change the program makes (a control, a key, the
// turning, undo) rewrites only the values that changed, where they stand,
// and the program's own comments that describe them. Whatever else the
// student wrote stays as written. The view only carries the edits out.
#pragma once

#include "CodeEdit.h"
#include "CodeLexer.h"

#include <string>
#include <vector>

struct TextEdit
{
    int offset = 0, length = 0;   // bytes of the text as the edits before this one left it
    std::string text;             // what goes in their place
    bool marked = false;          // a switch's change, not only the turning's
};

class TextSync
{
public:
    // The whole text for now: a new page, or a reset.
    std::string Print(const FragmentInputs& now);

    struct Reading
    {
        bool read = false;
        ViewState record;              // read: the record with the student's edit
        bool anglesTyped = false;      // the edit set an angle: the turning stops
        CodeEditError error;           // not read: where and why
        std::vector<TextEdit> edits;   // read: the comments that describe what changed
    };
    // The student changed the text; record is the window's record now. What
    // the text changed since it was last read goes into the record; what it
    // left alone keeps what the record has now.
    // keep: the caret or the selection.
    Reading Edited(const std::string& text, Span keep, const ViewState& record);

    struct Update
    {
        enum Kind { Same, Edits, Whole, Waiting } kind = Same;
        std::vector<TextEdit> edits;   // Edits, in order
        std::string whole;             // Whole: another page, or the first show
    };
    // The record is now; text is the view's, keep the caret or the selection.
    // Edits that bring text to now; the turning leaves a value whose literal
    // keep touches as typed. Waiting when now is new while the text does not read,
    // or has an edit not yet read.
    Update Follow(const std::string& text, Span keep, const FragmentInputs& now);

    // What the text says, as last read or written; its page is the one shown.
    const FragmentInputs& Says() const { return m_says; }
    bool Shown() const { return m_shown; }
    bool Reads() const { return m_reads; }

private:
    void Said(const FragmentInputs& says, const std::string& print);

    bool m_shown = false;       // Print has run
    bool m_reads = false;       // m_text reads as m_says
    std::string m_text;         // the text as last read or written
    FragmentInputs m_says;      // what m_text says
    std::string m_saysPrint;    // CodeFragment(m_says)
};

// Whether the program's values differ: a change Follow has to show.
bool SameInputs(const FragmentInputs& a, const FragmentInputs& b);

// Patch's result: the edits from the end of the text backwards, and the text with them.
struct Patched
{
    bool matched = false;
    bool kept = false;   // a value was left as typed
    std::vector<TextEdit> edits;
    std::string text;
};
// text, which reads as printed from, brought to print: every call's
// differing value replaced where it stands (unless keep touches it), a call
// whose shape changed replaced whole, and the comments between calls that
// still read as in from replaced by print's. Not matched when text and the
// prints do not have the same calls.
Patched Patch(const std::string& text, const std::string& from, const std::string& print, Span keep, bool marked);
