// Tokens of the C that the code window prints: names, decimal numbers (as C
// reads them: a leading zero makes an integer octal, which is refused) and a
// little punctuation; comments and preprocessor lines are skipped. Plain
// text in, no window system.
#pragma once

#include <string>
#include <string_view>
#include <vector>

// Where a text cannot be read, and why: reason is a Russian printf format
// marked N_ with at most one %s, filled in with detail (code text, never
// translated).
struct CodeError
{
    int offset = -1, length = 0;   // bytes in the text
    const char* reason = nullptr;
    std::string detail;
};

enum class TokenKind : unsigned char { Name, Number, Punct };

struct Token
{
    TokenKind kind = TokenKind::Punct;
    bool floatSuffix = false;   // a Number written as 1.5f
    int offset = 0, length = 0;
    std::string_view text;      // into the lexed text
    double value = 0;           // a Number as C reads it, float when suffixed
};

// A stretch of text, in bytes.
struct Span
{
    int offset = 0, length = 0;
};

// The tokens of text, which must outlive them; false with error set on a
// malformed number, a stray character or a comment left open. comments,
// when given, gets where each comment stands, in order.
bool LexCode(std::string_view text, std::vector<Token>& tokens, CodeError& error,
             std::vector<Span>* comments = nullptr);
