// A student typing in the code window while the program changes the record:
// each step of the input is a key, a deletion, a paste or a new line at some
// place, or a change of the program's (a turning tick, a switch, undo, redo,
// reset). After every step the text must read as the record shown or say why,
// the student's own lines must still be there, and a change of the program's
// must show in the text at once.
#include "FragmentStates.h"
#include "TextSync.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

const char kKeys[] = "0123456789.f-e ,;()\n/*_GLxa";

struct Session
{
    TextSync sync;
    FragmentInputs now;
    std::string text;
    int caret = 0;
    std::vector<ViewState> history;   // the records undo steps back through
    size_t at = 0;                    // history[at] is shown
    int lines = 0;                    // student's marker lines put in

    void Apply(const std::vector<TextEdit>& edits)
    {
        for (const TextEdit& e : edits) {
            if (e.offset < 0 || e.length < 0 || size_t(e.offset) + size_t(e.length) > text.size())
                std::abort();
            if (caret > e.offset + e.length)
                caret += int(e.text.size()) - e.length;
            else if (caret > e.offset)
                caret = e.offset;
            text.replace(size_t(e.offset), size_t(e.length), e.text);
        }
    }
    void Record(const ViewState& s)
    {
        history.resize(at + 1);
        history.push_back(s);
        at = history.size() - 1;
        Show(s);
    }
    // The program's change: the text must say it at once, or wait with a reason.
    void Show(const ViewState& s)
    {
        now.state = s;
        CubeModelView(s, now.modelView);
        const TextSync::Update up = sync.Follow(text, Span{-2, 0}, now);
        if (up.kind == TextSync::Update::Whole)
            text = up.whole, caret = 0;
        Apply(up.edits);
        if (up.kind == TextSync::Update::Waiting || !sync.Reads())
            return;   // the reason the text does not read is still shown
        ViewState read;
        CodeEditError error;
        if (!ReadFragment(text, now, read, error) || !(read == now.state))
            std::abort();
    }
    void Edited()
    {
        const TextSync::Reading r = sync.Edited(text, Span{caret, 0}, now.state);
        if (!r.read) {
            if (r.error.reason.empty() || r.error.offset < 0 || size_t(r.error.offset) > text.size())
                std::abort();
            return;
        }
        Apply(r.edits);
        if (!(r.record == now.state))
            Record(r.record);
    }
    void Program(uint8_t op)
    {
        ViewState s = now.state;
        switch (op % 6) {
        case 0: s.angleX += 3; s.angleY += 1.5; Show(s); return;
        case 1: s.lamp[op / 6 % 3] = !s.lamp[op / 6 % 3]; break;
        case 2: s.fog = !s.fog; s.fogDensity = 0.1f * float(op % 11); break;
        case 3: s.perspective = !s.perspective; break;
        case 4:
            if (at > 0)
                Show(history[--at]);
            else if (at + 1 < history.size())
                Show(history[++at]);
            return;
        case 5: text = sync.Print(now); caret = 0; return;
        }
        Record(s);
    }
    // Whether [from, to) touches a marker line: the student's own edits
    // leave those alone, so that only the program could lose one.
    bool Touches(size_t from, size_t to) const
    {
        for (size_t m = text.find("/*s"); m != std::string::npos; m = text.find("/*s", m + 1))
            if (from <= text.find('\n', m) && m < std::max(to, from + 1))
                return true;
        return false;
    }
    void Student(uint8_t op, uint8_t where, uint8_t what)
    {
        caret = text.empty() ? 0 : int(where * text.size() / 256);
        if (op % 4 != 2 && Touches(size_t(caret), size_t(caret) + 1 + what % 4))
            return;
        switch (op % 4) {
        case 0: text.insert(size_t(caret), 1, kKeys[what % (sizeof kKeys - 1)]); break;
        case 1: if (caret < int(text.size())) text.erase(size_t(caret), 1 + what % 4); break;
        case 2: {
            // A line of the student's own, at a line's start.
            const size_t line = text.rfind('\n', size_t(caret));
            caret = line == std::string::npos ? 0 : int(line) + 1;
            text.insert(size_t(caret), "/*s" + std::to_string(lines++) + "*/\n");
            break;
        }
        case 3: text.insert(size_t(caret), text.substr(size_t(caret) / 2, what % 16)); break;
        }
        Edited();
    }
    // Every marker line the student put in is still there, unless the
    // program reprinted the whole text (a reset).
    void CheckLines(int from)
    {
        for (int n = from; n < lines; ++n)
            if (text.find("/*s" + std::to_string(n) + "*/\n") == std::string::npos)
                std::abort();
    }
};

}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 1)
        return 0;
    Session s;
    s.now = FragmentState(data[0] % kFragmentStates);
    s.text = s.sync.Print(s.now);
    s.history.push_back(s.now.state);
    int kept = 0;   // markers from here on must stay
    for (size_t i = 1; i + 3 <= size; i += 3) {
        const bool reset = data[i] % 8 == 7 && data[i + 1] % 6 == 5;
        if (data[i] % 8 == 7)
            s.Program(data[i + 1]);
        else
            s.Student(data[i], data[i + 1], data[i + 2]);
        if (reset)
            kept = s.lines;
        s.CheckLines(kept);
    }
    return 0;
}
