// The fragment's C read into a flat list of what it does, in order: the
// file-level declarations, each function's start and end, and every call
// with its arguments. Arrays a call names are resolved to their numbers, in
// the scope of the braces they are declared in. No compiler, no evaluation.
#pragma once

#include "CodeLexer.h"

#include <string>
#include <string_view>
#include <vector>

struct CodeNumber
{
    double value = 0;          // with its sign
    bool floatSuffix = false;
    int offset = 0, length = 0;
};

struct CodeArg
{
    enum Kind : unsigned char { Number, Name, Address, Names, Array } kind = Number;
    CodeNumber number;                     // Number
    std::string_view name;                 // Name, Address; the first of Names
    std::vector<std::string_view> names;   // Names: a | b | ..., every one
    std::vector<CodeNumber> values;        // Array: the declared numbers
    int offset = 0, length = 0;            // the argument as written
};

struct CodeItem
{
    enum Kind : unsigned char { Call, Function, FunctionEnd, Prototype, Variable } kind = Call;
    std::string_view name;
    // Function, Prototype, Variable: the words before the name and the
    // parameters, each token once, joined by spaces: "static void" "void".
    std::string signature;
    std::vector<CodeArg> args;   // Call
    int offset = 0, length = 0;  // the whole call or declaration
};

// The items of text (tokens from LexCode of it); false with error set where
// the text leaves the fragment's language.
bool ParseCode(std::string_view text, const std::vector<Token>& tokens, std::vector<CodeItem>& items,
               CodeError& error);
// LexCode and ParseCode; comments, when given, as LexCode gives them.
bool ReadCode(std::string_view text, std::vector<CodeItem>& items, CodeError& error,
              std::vector<Span>* comments = nullptr);
