#include "NumberStep.h"

#include "TextureTables.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <vector>

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsWordChar(char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '_'; }

// A decimal literal cut into its parts; the text is line[from, to).
struct Literal
{
    int from = 0, to = 0;
    bool negative = false;    // a '-' of its own before it
    std::string signGap;      // the spaces the student put after that '-'
    bool loneMinus = false;   // a '-' or '+' before it, not its own
    std::string whole, fraction, rest;   // rest: the exponent and the suffix
    bool dot = false, exponent = false;
};

// Splits [from, to) into a literal's parts; false for what is not a decimal
// literal (hex, octal, a stray dot, letters).
bool Split(const std::string& text, Literal& l)
{
    size_t i = 0;
    while (i < text.size() && IsDigit(text[i]))
        l.whole += text[i++];
    if (i < text.size() && text[i] == '.') {
        l.dot = true;
        for (++i; i < text.size() && IsDigit(text[i]); ++i)
            l.fraction += text[i];
    }
    if (l.whole.empty() && l.fraction.empty())
        return false;
    const size_t restFrom = i;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        l.exponent = true;
        if (++i < text.size() && (text[i] == '+' || text[i] == '-'))
            ++i;
        const size_t digits = i;
        while (i < text.size() && IsDigit(text[i]))
            ++i;
        if (i == digits)
            return false;
    }
    const size_t suffix = i;
    while (i < text.size() && std::string("fFlLuU").find(text[i]) != std::string::npos)
        ++i;
    if (i != text.size() || i - suffix > 3)
        return false;
    l.rest = text.substr(restFrom);
    const bool integer = !l.dot && !l.exponent;
    return !(integer && l.whole.size() > 1 && l.whole[0] == '0');   // octal
}

// Takes in the '-' before the literal when it is a sign: after an opening
// bracket, a comma, an '=' or at the start of the line, spaces between
// either side (C reads "- 0.1f" there as -0.1). Any other '-' or '+'
// before it stays where it is.
void TakeSign(const std::string& line, Literal& l)
{
    const auto skipSpaces = [&line](int j) {
        while (j >= 0 && (line[j] == ' ' || line[j] == '\t'))
            --j;
        return j;
    };
    const int before = skipSpaces(l.from - 1);
    if (before < 0 || (line[before] != '-' && line[before] != '+'))
        return;
    const int j = skipSpaces(before - 1);
    const bool sign = j < 0 || std::string("(,{=").find(line[j]) != std::string::npos;
    if (sign && line[before] == '-') {
        l.negative = true;
        l.signGap = line.substr(before + 1, l.from - before - 1);
        l.from = before;
    } else
        l.loneMinus = true;
}

std::vector<Literal> Literals(const std::string& line)
{
    std::vector<Literal> found;
    const int n = int(line.size());
    for (int i = 0; i < n;) {
        const char c = line[i], next = i + 1 < n ? line[i + 1] : '\0';
        if (c == '/' && next == '/')
            break;
        if (c == '/' && next == '*') {
            const size_t end = line.find("*/", i + 2);
            if (end == std::string::npos)
                break;
            i = int(end) + 2;
        } else if (c == '"' || c == '\'') {
            for (++i; i < n && line[i] != c; ++i)
                i += line[i] == '\\';
            ++i;
        } else if (IsWordChar(c) && !IsDigit(c)) {
            while (i < n && IsWordChar(line[i]))
                ++i;
        } else if (IsDigit(c) || (c == '.' && IsDigit(next))) {
            Literal l;
            l.from = i;
            for (++i; i < n && (IsWordChar(line[i]) || line[i] == '.' ||
                                ((line[i] == '+' || line[i] == '-') && (line[i - 1] == 'e' || line[i - 1] == 'E')));)
                ++i;
            l.to = i;
            if (Split(line.substr(l.from, l.to - l.from), l)) {
                TakeSign(line, l);
                found.push_back(l);
            }
        } else {
            ++i;
        }
    }
    return found;
}

std::optional<Literal> LiteralAt(const std::string& line, int column)
{
    for (const Literal& l : Literals(line))
        if (l.from <= column && column <= l.to)
            return l;
    return std::nullopt;
}

}

namespace {

bool WordChar(char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '_'; }

// The constants a word on line steps through, as the call there takes them
// (the texture's settings by their key, glPolygonMode's two); none for any other word.
std::vector<std::string> CycleOf(const std::string& line, const std::string& word)
{
    for (const TextureSetting& t : kTextureSettings)
        if (line.find(t.key.name) != std::string::npos && EnumIn(t, word) >= 0) {
            std::vector<std::string> names;
            for (int i = 0; i < t.count; ++i)
                names.push_back(t.takes[i].name);
            return names;
        }
    if (line.find("glPolygonMode") != std::string::npos && (word == "GL_FILL" || word == "GL_LINE"))
        return {"GL_FILL", "GL_LINE"};
    return {};
}

// The steppable constant column is in or touches, and where it stands in its cycle.
std::optional<LineEdit> ConstantAt(const std::string& line, int column, std::vector<std::string>& cycle)
{
    int from = std::clamp(column, 0, int(line.size())), to = from;
    while (from > 0 && WordChar(line[size_t(from) - 1]))
        --from;
    while (to < int(line.size()) && WordChar(line[size_t(to)]))
        ++to;
    const std::string word = line.substr(size_t(from), size_t(to - from));
    cycle = CycleOf(line, word);
    if (cycle.empty())
        return std::nullopt;
    return LineEdit{from, to, word};
}

// A constant stepped: the next of its cycle for each step, round and round.
std::optional<LineEdit> StepConstant(const std::string& line, int column, long long steps)
{
    std::vector<std::string> cycle;
    std::optional<LineEdit> e = ConstantAt(line, column, cycle);
    if (!e)
        return std::nullopt;
    const long long n = (long long)cycle.size();
    const long long at = std::find(cycle.begin(), cycle.end(), e->text) - cycle.begin();
    e->text = cycle[size_t(((at + steps) % n + n) % n)];
    return e;
}

}

std::optional<LineEdit> NumberAt(const std::string& line, int column)
{
    const std::optional<Literal> l = LiteralAt(line, column);
    std::vector<std::string> cycle;
    if (!l)
        return ConstantAt(line, column, cycle);
    return LineEdit{l->from, l->to, line.substr(l->from, l->to - l->from)};
}

std::optional<LineEdit> StepNumber(const std::string& line, int column, long long steps, bool fine)
{
    std::optional<Literal> l = LiteralAt(line, column);
    if (!l)
        return StepConstant(line, column, steps);
    const LineEdit same{l->from, l->to, line.substr(l->from, l->to - l->from)};
    const bool integer = !l->dot && !l->exponent;
    if (fine && !integer && steps != 0) {
        l->fraction += '0';
        l->dot = true;
    }
    const std::string digits = l->whole + l->fraction;
    constexpr long long kMost = 100000000000000000;   // 10^17: still exact
    if (digits.size() > 17 || steps >= kMost || steps <= -kMost)
        return std::nullopt;
    if (steps == 0)
        return same;
    long long value = std::atoll(digits.c_str()) * (l->negative ? -1 : 1) + steps;
    // After a minus or plus a sign of its own would make "--" or "- -".
    if (l->loneMinus && value < 0)
        value = 0;
    std::string text = std::to_string(std::llabs(value));
    const size_t decimals = l->fraction.size();
    if (text.size() < decimals + 1)
        text.insert(0, decimals + 1 - text.size(), '0');
    if (l->dot)
        text.insert(text.size() - decimals, ".");
    if (l->whole.empty() && text[0] == '0' && l->dot)
        text.erase(0, 1);   // ".5" stays without its zero
    return LineEdit{l->from, l->to, (value < 0 ? "-" + l->signGap : "") + text + l->rest};
}

std::optional<LineEdit> ToggleEnable(const std::string& line, int column)
{
    const int n = int(line.size());
    if (column < 0 || column > n)
        return std::nullopt;
    int from = column, to = column;
    while (from > 0 && IsWordChar(line[from - 1]))
        --from;
    while (to < n && IsWordChar(line[to]))
        ++to;
    const std::string word = line.substr(from, to - from);
    if (word == "glEnable")
        return LineEdit{from, to, "glDisable"};
    if (word == "glDisable")
        return LineEdit{from, to, "glEnable"};
    return std::nullopt;
}
