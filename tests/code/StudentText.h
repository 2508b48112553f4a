// The code window as the text model sees it, for the headless tests: a
// text, a caret and the window's record, with the program's changes and the
// student's keys.
#pragma once

#include "CodeEditSupport.h"
#include "CodeLexer.h"
#include "TextSync.h"

#include <functional>
#include <string>

// The code window as the model sees it: a text, a caret, and the window's record.
struct Student
{
    TextSync sync;
    FragmentInputs now;
    std::string text;
    int caret = 0;
    std::string reason;

    SceneKind kind;

    explicit Student(ViewState s, SceneKind k = SceneKind::LitCube) : kind(k)
    {
        now = InputsOf(kind, s);
        text = sync.Print(now);
    }

    void Apply(const std::vector<TextEdit>& edits)
    {
        for (const TextEdit& e : edits) {
            if (caret > e.offset + e.length)
                caret += int(e.text.size()) - e.length;
            text.replace(size_t(e.offset), size_t(e.length), e.text);
        }
    }
    // The program changed its record: the view follows.
    void Program(const std::function<void(ViewState&)>& change)
    {
        ViewState s = now.state;
        change(s);
        Program(s);
    }
    void Program(const ViewState& s)
    {
        now = InputsOf(kind, s);
        const TextSync::Update up = sync.Follow(text, Span{caret, 0}, now);
        if (up.kind == TextSync::Update::Whole)
            text = up.whole;
        Apply(up.edits);
    }
    void Turn(double degrees) { Program([degrees](ViewState& s) { s.angleX += degrees, s.angleY += degrees / 2; }); }
    // One key's worth of text at the caret, then read, then the turning.
    void Type(const std::string& keys)
    {
        for (char c : keys) {
            c == '\b' ? void(text.erase(size_t(--caret), 1)) : void(text.insert(size_t(caret++), 1, c));
            Read();
            Turn(3);
        }
    }
    void Read()
    {
        const TextSync::Reading r = sync.Edited(text, Span{caret, 0}, now.state);
        reason = r.read ? std::string() : r.error.reason;
        if (!r.read)
            return;
        Apply(r.edits);
        Program(r.record);
    }
    // Selects the first `what` after `after` and deletes it, as typing over a selection does.
    void Select(const std::string& what, const std::string& after)
    {
        const size_t at = text.find(what, text.find(after));
        ASSERT_NE(at, std::string::npos) << what;
        text.erase(at, what.size());
        caret = int(at);
    }
    bool Has(const std::string& s) const { return text.find(s) != std::string::npos; }
};
