#include "TextSync.h"

#include "CodeEditTable.h"

#include <algorithm>
#include <cstring>

namespace {

struct Parsed
{
    bool ok = false;
    std::vector<CodeItem> items;   // views into the parsed text
    std::vector<Span> comments;
};

Parsed Parse(const std::string& text)
{
    Parsed p;
    CodeError ignored;
    p.ok = ReadCode(text, p.items, ignored, &p.comments);
    return p;
}

std::string_view Of(const std::string& text, int offset, int length)
{
    return std::string_view(text).substr(size_t(offset), size_t(length));
}

// The edits of one Patch, each at offsets of the patched text as it was.
class Patcher
{
public:
    Patcher(const std::string& text, const std::string& from, const std::string& print, Span keep, bool marked)
        : m_text(text), m_from(from), m_print(print), m_keep(keep), m_marked(marked) {}

    bool Run(Patched& out);

private:
    void Put(int offset, int length, std::string_view text)
    {
        m_edits.push_back(TextEdit{offset, length, std::string(text), m_marked});
    }
    // The caret in the literal or just after it, or a selection touching it.
    bool Kept(int offset, int length)
    {
        const bool kept = m_keep.offset <= offset + length && offset <= m_keep.offset + m_keep.length;
        m_kept = m_kept || kept;
        return kept;
    }
    void Call(const CodeItem& u, const CodeItem& a, const CodeItem& b);
    void Number(const CodeNumber& u, const CodeNumber* a, const CodeNumber& b);
    void Arg(const CodeArg& u, const CodeArg* a, const CodeArg& b);
    void Gap(size_t k);
    Span GapOf(const Parsed& p, const std::string& text, size_t k) const;
    std::vector<Span> CommentsIn(const Parsed& p, Span gap) const;

    const std::string &m_text, &m_from, &m_print;
    Span m_keep;
    bool m_marked;
    bool m_kept = false;
    Parsed m_u, m_a, m_b;
    std::vector<TextEdit> m_edits;
};

void Patcher::Number(const CodeNumber& u, const CodeNumber* a, const CodeNumber& b)
{
    const std::string_view printed = Of(m_print, b.offset, b.length);
    if (a && Of(m_from, a->offset, a->length) == printed)
        return;   // the program did not change it: the student's spelling stays
    if (!SameNumber(u, b) && !Kept(u.offset, u.length))
        Put(u.offset, u.length, printed);
}

void Patcher::Arg(const CodeArg& u, const CodeArg* a, const CodeArg& b)
{
    if (u.kind != b.kind)
        return;
    if (u.kind == CodeArg::Number)
        Number(u.number, a ? &a->number : nullptr, b.number);
    if (u.kind == CodeArg::Array && u.values.size() == b.values.size()) {
        const bool sameA = a && a->kind == CodeArg::Array && a->values.size() == b.values.size();
        for (size_t i = 0; i < u.values.size(); ++i)
            Number(u.values[i], sameA ? &a->values[i] : nullptr, b.values[i]);
    }
    if (u.kind == CodeArg::Name && u.name != b.name && !(a && a->name == b.name) && !Kept(u.offset, u.length))
        Put(u.offset, u.length, b.name);
}

void Patcher::Call(const CodeItem& u, const CodeItem& a, const CodeItem& b)
{
    const bool aShaped = a.name == b.name && a.args.size() == b.args.size();
    if (u.name == b.name && u.args.size() == b.args.size()) {
        for (size_t j = 0; j < u.args.size(); ++j)
            Arg(u.args[j], aShaped ? &a.args[j] : nullptr, b.args[j]);
    } else if (u.args.size() == b.args.size() && CallFamily(u.name) == 1 && CallFamily(b.name) == 1) {
        Put(u.offset, int(u.name.size()), b.name);   // glEnable for glDisable
    } else {
        Put(u.offset, u.length, Of(m_print, b.offset, b.length));   // the projection: that call alone
    }
}

// Between item k - 1 and item k; k == size: after the last.
Span Patcher::GapOf(const Parsed& p, const std::string& text, size_t k) const
{
    const int from = k == 0 ? 0 : p.items[k - 1].offset + p.items[k - 1].length;
    const int to = k == p.items.size() ? int(text.size()) : p.items[k].offset;
    return Span{from, to - from};
}

std::vector<Span> Patcher::CommentsIn(const Parsed& p, Span gap) const
{
    std::vector<Span> in;
    for (const Span& c : p.comments)
        if (c.offset >= gap.offset && c.offset + c.length <= gap.offset + gap.length)
            in.push_back(c);
    return in;
}

// The program's comments that still read as it wrote them are its to change;
// the student's own, and the ones the student changed, stay.
void Patcher::Gap(size_t k)
{
    const Span gu = GapOf(m_u, m_text, k), ga = GapOf(m_a, m_from, k), gb = GapOf(m_b, m_print, k);
    const std::vector<Span> cu = CommentsIn(m_u, gu), ca = CommentsIn(m_a, ga), cb = CommentsIn(m_b, gb);
    const auto text = [](const std::string& t, const Span& s) { return Of(t, s.offset, s.length); };
    if (ca.size() != cb.size()) {
        // A comment that comes or goes (a bound reached): only where the student left the gap alone.
        if (text(m_text, gu) == text(m_from, ga))
            Put(gu.offset, gu.length, text(m_print, gb));
        return;
    }
    size_t at = 0;
    for (size_t i = 0; i < ca.size(); ++i) {
        if (text(m_from, ca[i]) == text(m_print, cb[i]))
            continue;
        for (size_t j = at; j < cu.size(); ++j)
            if (text(m_text, cu[j]) == text(m_from, ca[i])) {
                Put(cu[j].offset, cu[j].length, text(m_print, cb[i]));
                at = j + 1;
                break;
            }
    }
}

bool Patcher::Run(Patched& out)
{
    out.text = m_text;
    m_u = Parse(m_text), m_a = Parse(m_from), m_b = Parse(m_print);
    const size_t n = m_b.items.size();
    if (!m_u.ok || !m_a.ok || !m_b.ok || m_u.items.size() != n || m_a.items.size() != n)
        return false;
    for (size_t k = 0; k < n; ++k)
        if (m_b.items[k].kind == CodeItem::Call)
            Call(m_u.items[k], m_a.items[k], m_b.items[k]);
    for (size_t k = 0; k <= n; ++k)
        Gap(k);
    // From the end backwards, so that each edit's offsets hold when it comes;
    // an array's number named by two calls is put once.
    std::sort(m_edits.begin(), m_edits.end(), [](const TextEdit& x, const TextEdit& y) { return x.offset > y.offset; });
    m_edits.erase(std::unique(m_edits.begin(), m_edits.end(),
                              [](const TextEdit& x, const TextEdit& y) { return x.offset == y.offset; }),
                  m_edits.end());
    for (const TextEdit& e : m_edits)
        out.text.replace(size_t(e.offset), size_t(e.length), e.text);
    out.edits = std::move(m_edits);
    out.kept = m_kept;
    return out.matched = true;
}

}

Patched Patch(const std::string& text, const std::string& from, const std::string& print, Span keep, bool marked)
{
    Patched out;
    if (from == print) {
        out.text = text;
        out.matched = true;
        return out;
    }
    Patcher(text, from, print, keep, marked).Run(out);
    return out;
}

namespace {

// A new picture, or one that goes up at another size, is printed anew.
bool SamePicture(const FragmentInputs& a, const FragmentInputs& b)
{
    return a.pictureWidth == b.pictureWidth && a.pictureHeight == b.pictureHeight &&
           a.pictureName == b.pictureName && a.maxTextureSide == b.maxTextureSide;
}

}

bool SameInputs(const FragmentInputs& a, const FragmentInputs& b)
{
    return a.kind == b.kind && a.state == b.state && SamePicture(a, b) && a.halfSize == b.halfSize &&
           std::memcmp(a.projection, b.projection, sizeof a.projection) == 0 &&
           std::memcmp(a.modelView, b.modelView, sizeof a.modelView) == 0;
}

void TextSync::Said(const FragmentInputs& says, const std::string& print)
{
    m_says = says;
    m_saysPrint = print;
}

std::string TextSync::Print(const FragmentInputs& now)
{
    Said(now, CodeFragment(now));
    m_text = m_saysPrint;
    m_shown = m_reads = true;
    return m_text;
}

TextSync::Reading TextSync::Edited(const std::string& text, Span keep, const ViewState& record)
{
    Reading r;
    m_text = text;
    ViewState edited;
    m_reads = m_shown && ReadFragment(text, m_says, edited, r.error, &m_saysPrint);
    if (!m_reads)
        return r;
    r.read = true;
    r.anglesTyped = edited.angleX != m_says.state.angleX || edited.angleY != m_says.state.angleY;
    r.record = Merged(m_says.state, edited, record);
    FragmentInputs said = m_says;
    said.state = edited;
    const std::string print = CodeFragment(said);
    // The text says it already: only the comments about it are behind.
    Patched comments = Patch(text, m_saysPrint, print, keep, false);
    if (comments.matched) {
        m_text = std::move(comments.text);
        r.edits = std::move(comments.edits);
    }
    Said(said, print);
    return r;
}

// The turning's part of the change first, unmarked and leaving the literal
// at the caret alone, then the rest, marked.
TextSync::Update TextSync::Follow(const std::string& text, Span keep, const FragmentInputs& now)
{
    Update up;
    if (m_shown && SameInputs(m_says, now))
        return up;
    if (!m_shown || now.kind != m_says.kind || !SamePicture(now, m_says)) {
        up.kind = Update::Whole;
        up.whole = Print(now);
        return up;
    }
    up.kind = Update::Waiting;
    if (!m_reads || text != m_text)
        return up;
    FragmentInputs turned = m_says;
    turned.state.angleX = now.state.angleX;
    turned.state.angleY = now.state.angleY;
    // A new size changes the matrix too: that change is the switch's.
    if (turned.state.scaleX == now.state.scaleX && turned.state.perspective == now.state.perspective)
        std::memcpy(turned.modelView, now.modelView, sizeof turned.modelView);
    const std::string turnedPrint = CodeFragment(turned), nowPrint = CodeFragment(now);
    Patched one = Patch(m_text, m_saysPrint, turnedPrint, keep, false);
    // A change the student asked for elsewhere (a control, undo) wins over the caret.
    Patched two = Patch(one.text, turnedPrint, nowPrint, Span{-2, 0}, true);
    if (!one.matched || !two.matched)
        return up;
    up.kind = Update::Edits;
    up.edits = std::move(one.edits);
    up.edits.insert(up.edits.end(), two.edits.begin(), two.edits.end());
    m_text = std::move(two.text);
    if (!one.kept && !two.kept) {
        Said(now, nowPrint);
        return up;
    }
    // A value left as typed: the text says it, not the record.
    FragmentInputs says = now;
    CodeEditError ignored;
    m_reads = ReadFragment(m_text, now, says.state, ignored, &nowPrint);
    Said(says, CodeFragment(says));
    return up;
}
