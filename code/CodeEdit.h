// The code window's text read back into the window's record: the student
// changes a number or a switch in the fragment, and the picture follows.
#pragma once

#include "CodeFragment.h"
#include "CodeParser.h"

#include <string>

struct CodeEditError
{
    int offset = -1, length = 0;   // bytes in the text: what to underline
    std::string reason;            // one line, in the program's language
};

// Whether typed reads as printed does where the call takes it: the fragment
// prints every GLfloat with an f, and such a number is compared as a float.
bool SameNumber(const CodeNumber& typed, const CodeNumber& printed);

// text: the code window's text after an edit; now: what it showed before.
// True: out is now.state with every edited value, the values the student left
// alone kept exactly. False: out untouched, error says where and why. Only
// the numbers and switches the window can take may change: every other call,
// constant and number must stay as the fragment prints them. shown, when the
// caller has it, is CodeFragment(now), so that it is not printed again.
bool ReadFragment(const std::string& text, const FragmentInputs& now, ViewState& out, CodeEditError& error,
                  const std::string* shown = nullptr);
