#include "CodeLexer.h"

#include "Resources.h"

#include <algorithm>
#include <charconv>
#include <cstring>

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsNameStart(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_'; }
bool IsNamePart(char c) { return IsNameStart(c) || IsDigit(c); }

class Lexer
{
public:
    Lexer(std::string_view text, std::vector<Token>& tokens, CodeError& error, std::vector<Span>* comments)
        : m_text(text), m_tokens(tokens), m_error(error), m_comments(comments) {}

    bool Run()
    {
        m_tokens.clear();
        m_tokens.reserve(m_text.size() / 4);
        if (m_comments)
            m_comments->clear();
        bool lineStart = true;
        while (m_at < m_text.size()) {
            const char c = m_text[m_at];
            if (c == '\n' || c == ' ' || c == '\t' || c == '\r' || c == '\f' || c == '\v') {
                lineStart = lineStart || c == '\n';
                ++m_at;
                continue;
            }
            bool ok = true;
            if (c == '#' && lineStart)
                SkipLine();
            else if (m_text.compare(m_at, 2, "//") == 0)
                Comment(m_at), SkipLine();
            else if (m_text.compare(m_at, 2, "/*") == 0)
                ok = SkipComment();
            else if (IsNameStart(c))
                Name();
            else if (IsDigit(c) || (c == '.' && m_at + 1 < m_text.size() && IsDigit(m_text[m_at + 1])))
                ok = Number();
            else if (c != 0 && std::strchr("(){}[],;=&|*-", c))
                Push(TokenKind::Punct, m_at, 1);
            else
                ok = Fail(m_at, CharLength(), N_("Недопустимый знак"));
            if (!ok)
                return false;
            lineStart = false;
        }
        return true;
    }

private:
    void Push(TokenKind kind, size_t from, size_t length)
    {
        Token t;
        t.kind = kind;
        t.offset = int(from);
        t.length = int(length);
        t.text = m_text.substr(from, length);
        m_tokens.push_back(t);
        m_at = from + length;
    }

    bool Fail(size_t from, size_t length, const char* reason)
    {
        m_error = CodeError{int(from), int(length), reason, {}};
        return false;
    }

    // A whole UTF-8 character, so that the underline never splits one.
    size_t CharLength() const
    {
        const unsigned char lead = static_cast<unsigned char>(m_text[m_at]);
        size_t n = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
        return std::min(n, m_text.size() - m_at);
    }

    void SkipLine()
    {
        const size_t end = m_text.find('\n', m_at);
        m_at = end == std::string_view::npos ? m_text.size() : end;
    }

    bool SkipComment()
    {
        const size_t end = m_text.find("*/", m_at + 2);
        if (end == std::string_view::npos)
            return Fail(m_at, 2, N_("Комментарий не закрыт"));
        Comment(m_at, end + 2);
        m_at = end + 2;
        return true;
    }

    // A comment from from to end, or to the end of its line.
    void Comment(size_t from, size_t end = std::string_view::npos)
    {
        if (!m_comments)
            return;
        if (end == std::string_view::npos)
            end = std::min(m_text.find('\n', from), m_text.size());
        m_comments->push_back(Span{int(from), int(end - from)});
    }

    void Name()
    {
        size_t end = m_at;
        while (end < m_text.size() && IsNamePart(m_text[end]))
            ++end;
        Push(TokenKind::Name, m_at, end - m_at);
    }

    size_t Digits(size_t at) const
    {
        while (at < m_text.size() && IsDigit(m_text[at]))
            ++at;
        return at;
    }

    bool Number();

    std::string_view m_text;
    std::vector<Token>& m_tokens;
    CodeError& m_error;
    std::vector<Span>* m_comments;
    size_t m_at = 0;
};

// Decimal only: digits, an optional fraction and exponent, then f or F
// for a float when there is a point or an exponent.
bool Lexer::Number()
{
    const size_t from = m_at;
    size_t end = Digits(from);
    bool real = false;
    if (end < m_text.size() && m_text[end] == '.') {
        end = Digits(end + 1);
        real = true;
    }
    if (end < m_text.size() && (m_text[end] == 'e' || m_text[end] == 'E')) {
        size_t exp = end + 1;
        if (exp < m_text.size() && (m_text[exp] == '+' || m_text[exp] == '-'))
            ++exp;
        const size_t digits = Digits(exp);
        end = digits > exp ? digits : end;   // "1e" leaves the e to the check below
        real = real || digits > exp;
    }
    const bool suffix = real && end < m_text.size() && (m_text[end] == 'f' || m_text[end] == 'F');
    const size_t literal = end;
    end += suffix;
    size_t tail = end;
    while (tail < m_text.size() && (IsNamePart(m_text[tail]) || m_text[tail] == '.'))
        ++tail;
    if (tail != end)
        return Fail(from, tail - from, N_("Неверное число"));
    // C reads 010 as 8 and 08 as nothing: neither means what it seems to.
    if (!real && literal - from > 1 && m_text[from] == '0')
        return Fail(from, end - from, N_("Целое число с ведущим нулём в C восьмеричное: уберите ноль"));
    double value = 0;
    std::from_chars_result read;
    if (suffix) {
        float f = 0;
        read = std::from_chars(m_text.data() + from, m_text.data() + literal, f);
        value = f;
    } else {
        read = std::from_chars(m_text.data() + from, m_text.data() + literal, value);
    }
    if (read.ec != std::errc() || read.ptr != m_text.data() + literal)
        return Fail(from, end - from, N_("Число слишком велико или слишком мало"));
    Push(TokenKind::Number, from, end - from);
    m_tokens.back().floatSuffix = suffix;
    m_tokens.back().value = value;
    return true;
}

}

bool LexCode(std::string_view text, std::vector<Token>& tokens, CodeError& error, std::vector<Span>* comments)
{
    return Lexer(text, tokens, error, comments).Run();
}
