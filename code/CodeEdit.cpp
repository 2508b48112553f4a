#include "CodeEdit.h"

#include "CodeEditTable.h"
#include "Resources.h"

#include <cfloat>
#include <cmath>

bool SameNumber(const CodeNumber& typed, const CodeNumber& printed)
{
    // A float's number is compared as the float it becomes: "0.1" is 0.1f there.
    if (!printed.floatSuffix)
        return typed.value == printed.value;
    return std::fabs(typed.value) <= FLT_MAX && float(typed.value) == float(printed.value);
}

namespace {

struct Code
{
    std::string text;   // what items point into
    std::vector<CodeItem> items;
    std::vector<unsigned> mask;
};

bool Fail(CodeError* e, int offset, int length, const char* reason, std::string detail = {})
{
    if (e)
        *e = CodeError{offset, length, reason, std::move(detail)};
    return false;
}

bool SameArg(const CodeArg& u, const CodeArg& p, CodeError* e)
{
    const char* const fixedNumber = N_("Это число здесь не меняется");
    const char* const fixedValue = N_("Это значение здесь не меняется");
    if (u.kind != p.kind)
        return Fail(e, u.offset, u.length, p.kind == CodeArg::Number ? fixedNumber : fixedValue);
    if (u.kind == CodeArg::Number)
        return SameNumber(u.number, p.number) || Fail(e, u.offset, u.length, fixedNumber);
    if (u.kind != CodeArg::Array)
        return (u.name == p.name && u.names == p.names) || Fail(e, u.offset, u.length, fixedValue);
    if (u.values.size() != p.values.size())
        return Fail(e, u.offset, u.length, fixedValue);
    for (size_t k = 0; k < u.values.size(); ++k)
        if (!SameNumber(u.values[k], p.values[k]))
            return Fail(e, u.values[k].offset, u.values[k].length, fixedNumber);
    return true;
}

// Whether the student's item u, of which mask may change, reads as the
// printed p; e, when given, says where its arguments differ.
bool SameItem(const CodeItem& u, unsigned mask, const CodeItem& p, CodeError* e)
{
    if (u.kind != p.kind || u.signature != p.signature)
        return false;
    const bool renamed = u.name != p.name;
    if (renamed && !((mask & kNameEditable) && CallFamily(u.name) == CallFamily(p.name)))
        return false;
    if (renamed && CallFamily(u.name) == 2)
        return true;   // glOrtho for gluPerspective: every number is the student's
    if (u.args.size() != p.args.size())
        return Fail(e, u.offset, u.length, N_("Неверное число аргументов у %s"), std::string(u.name));
    for (size_t k = 0; k < u.args.size(); ++k)
        if (!(mask >> k & 1) && !SameArg(u.args[k], p.args[k], e))
            return false;
    return true;
}

std::string Shown(const CodeItem& item, const std::string& text)
{
    return item.kind == CodeItem::Call ? text.substr(item.offset, item.length) : item.signature;
}

bool Called(const std::vector<CodeItem>& items, std::string_view name)
{
    for (const CodeItem& item : items)
        if (item.kind == CodeItem::Call && item.name == name)
            return true;
    return false;
}

// The student's U[i] where it first leaves the printed R[j]: why, there.
void Diagnose(const Code& u, size_t i, const Code& r, size_t j, CodeError& e)
{
    const bool more = i < u.items.size(), printed = j < r.items.size();
    const CodeItem* a = more ? &u.items[i] : nullptr;
    const CodeItem* b = printed ? &r.items[j] : nullptr;
    const bool call = b && b->kind == CodeItem::Call;
    const int at = a ? a->offset : u.items.empty() ? 0 : u.items.back().offset;
    const int length = a ? a->length : u.items.empty() ? 0 : u.items.back().length;
    if (a && a->kind == CodeItem::Call && !Called(r.items, a->name) && !(u.mask[i] & kNameEditable))
        Fail(&e, at, length, N_("Неизвестный вызов: %s"), std::string(a->name));
    else if (b && (!a || (j + 1 < r.items.size() && SameItem(*a, u.mask[i], r.items[j + 1], nullptr))))
        Fail(&e, at, length, call ? N_("Здесь не хватает вызова %s") : N_("Здесь должно быть: %s"), Shown(*b, r.text));
    else if (a && (!b || (i + 1 < u.items.size() && SameItem(u.items[i + 1], u.mask[i + 1], *b, nullptr))))
        Fail(&e, at, length, N_("Лишний вызов: %s"), a->kind == CodeItem::Call ? std::string(a->name) : a->signature);
    else if (e = CodeError{}; SameItem(*a, u.mask[i], *b, &e) || !e.reason)
        Fail(&e, at, length, call ? N_("Здесь должен быть вызов %s") : N_("Здесь должно быть: %s"), Shown(*b, r.text));
    // else e says which argument differs
}

bool Read(const std::string& text, Code& r, CodeError& e)
{
    r.text = text;
    return ReadCode(r.text, r.items, e);
}

// The fragment of state, with now's other inputs, printed and read.
bool Printed(const FragmentInputs& now, const ViewState& state, Code& r, CodeError& e)
{
    FragmentInputs in = now;
    in.state = state;
    return Read(CodeFragment(in), r, e);
}

// Whether u reads as r; else how far it got, and why not.
bool Matches(const Code& u, const Code& r, size_t& reached, CodeError& e)
{
    size_t i = 0;
    while (i < u.items.size() && i < r.items.size() && SameItem(u.items[i], u.mask[i], r.items[i], nullptr))
        ++i;
    reached = i;
    if (i == u.items.size() && i == r.items.size())
        return true;
    Diagnose(u, i, r, i, e);
    return false;
}

bool Refuse(const CodeError& e, CodeEditError& error)
{
    error.offset = e.offset;
    error.length = e.length;
    error.reason = Said(e.reason, e.detail.c_str());
    return false;
}

}

// The text is read as the lines now shows with the switches typed over (the
// lines a switch brings or takes are not needed), else as the lines of the
// record it gives (as a whole fragment pasted over).
bool ReadFragment(const std::string& text, const FragmentInputs& now, ViewState& out, CodeEditError& error,
                  const std::string* shownText)
{
    Code user, shown;
    user.text = text;
    ViewState printed = now.state, edited = now.state;
    CodeError e;
    const bool* nowProjection = &now.state.perspective;
    if (!ReadCode(user.text, user.items, e) || !(shownText ? Read(*shownText, shown, e) : Printed(now, now.state, shown, e)) ||
        !ApplyEdits(user.items, edited, user.mask, e, nowProjection))
        return Refuse(e, error);
    // A value the student left as printed keeps what the record held, not
    // what it printed as: an angle past 360, a width in device pixels. A
    // record no control makes may print what cannot be read back: then the
    // student mends it.
    CodeError ignored;
    const bool shownRead = ApplyEdits(shown.items, printed, shown.mask, ignored, nowProjection);
    if (shownRead)
        edited = Merged(printed, edited, now.state);
    size_t reached = 0, reachedToo = 0;
    if (Matches(user, shown, reached, e)) {
        out = edited;
        return true;
    }
    ViewState own = now.state;
    Code reprinted;
    CodeError other;
    if (ApplyEdits(user.items, own, user.mask, other, nullptr)) {
        if (shownRead)
            own = Merged(printed, own, now.state);
        if (WithSwitchesOf(own, now.state) != own && Printed(now, own, reprinted, other)) {
            if (Matches(user, reprinted, reachedToo, other)) {
                out = own;
                return true;
            }
            if (reachedToo > reached)
                e = other;
        }
    }
    return Refuse(e, error);
}
