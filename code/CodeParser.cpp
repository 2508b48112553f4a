#include "CodeParser.h"

#include "Resources.h"

namespace {

const char* const kExpected = N_("Синтаксическая ошибка: ожидалось «%s»");
// Blocks nest by recursion: a pasted run of braces must not use up the stack.
constexpr size_t kDeepest = 32;

struct Declared
{
    std::string_view name;
    size_t depth;
    std::vector<CodeNumber> values;
};

class Parser
{
public:
    Parser(std::string_view text, const std::vector<Token>& tokens, std::vector<CodeItem>& items, CodeError& error)
        : m_text(text), m_tokens(tokens), m_items(items), m_error(error) {}

    bool File()
    {
        m_items.clear();
        m_items.reserve(m_tokens.size() / 8);
        while (m_at < m_tokens.size())
            if (!TopLevel())
                return false;
        return true;
    }

private:
    const Token* Peek() const { return m_at < m_tokens.size() ? &m_tokens[m_at] : nullptr; }
    bool IsPunct(char c) const { return Peek() && Peek()->kind == TokenKind::Punct && Peek()->text[0] == c; }
    bool IsName() const { return Peek() && Peek()->kind == TokenKind::Name; }
    int End() const { return m_at ? m_tokens[m_at - 1].offset + m_tokens[m_at - 1].length : 0; }

    bool Fail(const char* reason, std::string detail = {})
    {
        const Token* t = Peek();
        m_error = t ? CodeError{t->offset, t->length, reason, std::move(detail)}
                    : CodeError{int(m_text.size()), 0, reason, std::move(detail)};
        return false;
    }

    bool Accept(char c) { return IsPunct(c) && (++m_at, true); }

    bool Expect(char c)
    {
        if (!IsPunct(c))
            return Fail(kExpected, std::string(1, c));
        ++m_at;
        return true;
    }

    bool ExpectName(std::string_view& name)
    {
        if (!IsName())
            return Fail(N_("Синтаксическая ошибка: ожидалось имя"));
        name = m_tokens[m_at++].text;
        return true;
    }

    bool TopLevel();
    bool Parameters(std::string& signature);
    bool Block();
    bool Statement();
    bool Declaration();
    bool Call();
    bool Arg(CodeArg& arg);
    bool SignedNumber(CodeNumber& n);

    std::string_view m_text;
    const std::vector<Token>& m_tokens;
    std::vector<CodeItem>& m_items;
    CodeError& m_error;
    size_t m_at = 0;
    std::vector<Declared> m_arrays;   // innermost last
    size_t m_depth = 0;
};

// "static void DrawCube(void);", "static GLuint texture;", an array's size
// or a definition.
bool Parser::TopLevel()
{
    CodeItem item;
    item.offset = Peek()->offset;
    std::vector<std::string_view> words;
    while (IsName())
        words.push_back(m_tokens[m_at++].text);
    if (words.size() < 2)
        return Fail(N_("Синтаксическая ошибка: ожидалось имя"));
    item.name = words.back();
    for (std::string_view w : words)
        item.signature += std::string(item.signature.empty() ? "" : " ") + std::string(w);
    // "static GLubyte scaled[49152];": the buffer a picture is scaled into.
    if (Accept('[')) {
        const Token* size = Peek();
        if (!size || size->kind != TokenKind::Number)
            return Fail(N_("Синтаксическая ошибка: ожидалось число"));
        item.signature += "[" + std::string(size->text) + "]";
        ++m_at;
        if (!Expect(']'))
            return false;
        if (!IsPunct(';'))
            return Fail(kExpected, ";");
    }
    if (IsPunct(';')) {
        item.kind = CodeItem::Variable;
    } else {
        if (!Expect('(') || !Parameters(item.signature))
            return false;
        item.kind = IsPunct('{') ? CodeItem::Function : CodeItem::Prototype;
        if (item.kind == CodeItem::Function) {
            item.length = End() - item.offset;
            m_items.push_back(std::move(item));
            return Block();
        }
        if (!IsPunct(';'))
            return Fail(kExpected, ";");
    }
    ++m_at;
    item.length = End() - item.offset;
    m_items.push_back(std::move(item));
    return true;
}

bool Parser::Parameters(std::string& signature)
{
    signature += "(";
    bool first = true;
    while (IsName() || IsPunct('*')) {
        signature += std::string(first ? "" : " ") + std::string(m_tokens[m_at++].text);
        first = false;
    }
    signature += ")";
    return Expect(')');
}

// A function's body or a block in it: its arrays end with it.
bool Parser::Block()
{
    if (m_depth == kDeepest)
        return Fail(N_("Слишком много вложенных блоков"));
    if (!Expect('{'))
        return false;
    ++m_depth;
    while (Peek() && !IsPunct('}'))
        if (!Statement())
            return false;
    if (!IsPunct('}'))
        return Fail(kExpected, "}");
    while (!m_arrays.empty() && m_arrays.back().depth == m_depth)
        m_arrays.pop_back();
    if (--m_depth == 0) {
        CodeItem end;
        end.kind = CodeItem::FunctionEnd;
        end.name = "}";
        end.signature = "}";
        end.offset = Peek()->offset;
        end.length = 1;
        m_items.push_back(std::move(end));
    }
    ++m_at;
    return true;
}

bool Parser::Statement()
{
    if (IsPunct('{'))
        return Block();
    if (IsName() && Peek()->text == "const")
        return Declaration();
    if (IsName())
        return Call();
    return Fail(N_("Синтаксическая ошибка: ожидалось имя"));
}

// const GLfloat name[N] = {n, n, ...};
bool Parser::Declaration()
{
    Declared array;
    std::string_view type;
    const int from = Peek()->offset;
    ++m_at;
    if (!ExpectName(type) || !ExpectName(array.name) || !Expect('['))
        return false;
    const Token* size = Peek();
    if (!size || size->kind != TokenKind::Number ||
        size->text.find_first_not_of("0123456789") != std::string_view::npos || size->value < 1)
        return Fail(N_("Синтаксическая ошибка: ожидалась длина массива"));
    ++m_at;
    if (!Expect(']') || !Expect('=') || !Expect('{'))
        return false;
    const int open = m_tokens[m_at - 1].offset;
    do {
        if (IsPunct('}') && !array.values.empty())
            break;   // a trailing comma
        array.values.emplace_back();
        if (!SignedNumber(array.values.back()))
            return false;
    } while (Accept(','));
    if (!Expect('}'))
        return false;
    if (double(array.values.size()) != size->value) {
        m_error = CodeError{open, End() - open, N_("Длина массива не равна числу его элементов"), {}};
        return false;
    }
    for (const Declared& d : m_arrays)
        if (d.depth == m_depth && d.name == array.name) {
            m_error = CodeError{from, End() - from, N_("Массив %s уже объявлен в этом блоке"), std::string(d.name)};
            return false;
        }
    array.depth = m_depth;
    m_arrays.push_back(std::move(array));
    return Expect(';');
}

// name(arg, ...);
bool Parser::Call()
{
    CodeItem call;
    call.offset = Peek()->offset;
    call.name = m_tokens[m_at++].text;
    if (!Expect('('))
        return false;
    if (!IsPunct(')')) {
        do {
            call.args.emplace_back();
            if (!Arg(call.args.back()))
                return false;
        } while (Accept(','));
    }
    if (!Expect(')') || !Expect(';'))
        return false;
    call.length = End() - call.offset;
    m_items.push_back(std::move(call));
    return true;
}

// -1.5f, GL_FILL, a | b, &name, or an array's name.
bool Parser::Arg(CodeArg& arg)
{
    const Token* t = Peek();
    if (!t)
        return Fail(kExpected, ")");
    arg.offset = t->offset;
    if (IsPunct('-') || t->kind == TokenKind::Number) {
        arg.kind = CodeArg::Number;
        if (!SignedNumber(arg.number))
            return false;
    } else if (IsPunct('&')) {
        ++m_at;
        arg.kind = CodeArg::Address;
        if (!ExpectName(arg.name))
            return false;
    } else {
        arg.kind = CodeArg::Name;
        if (!ExpectName(arg.name))
            return false;
        if (IsPunct('|')) {
            arg.kind = CodeArg::Names;
            arg.names.push_back(arg.name);
        }
        while (Accept('|')) {
            arg.names.emplace_back();
            if (!ExpectName(arg.names.back()))
                return false;
        }
        for (auto d = m_arrays.rbegin(); arg.kind == CodeArg::Name && d != m_arrays.rend(); ++d)
            if (d->name == arg.name) {
                arg.kind = CodeArg::Array;
                arg.values = d->values;
            }
    }
    arg.length = End() - arg.offset;
    return true;
}

bool Parser::SignedNumber(CodeNumber& n)
{
    n.offset = Peek() ? Peek()->offset : int(m_text.size());
    const bool minus = IsPunct('-');
    m_at += minus;
    const Token* t = Peek();
    if (!t || t->kind != TokenKind::Number)
        return Fail(N_("Синтаксическая ошибка: ожидалось число"));
    n.value = minus ? -t->value : t->value;
    n.floatSuffix = t->floatSuffix;
    ++m_at;
    n.length = End() - n.offset;
    return true;
}

}

bool ParseCode(std::string_view text, const std::vector<Token>& tokens, std::vector<CodeItem>& items, CodeError& error)
{
    return Parser(text, tokens, items, error).File();
}

bool ReadCode(std::string_view text, std::vector<CodeItem>& items, CodeError& error, std::vector<Span>* comments)
{
    std::vector<Token> tokens;
    return LexCode(text, tokens, error, comments) && ParseCode(text, tokens, items, error);
}
