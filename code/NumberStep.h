// The small edits the code view makes on one line of C: a numeric literal
// stepped by its last printed digit, and glEnable turned into glDisable and
// back. Columns and ranges count bytes of the line's UTF-8 text, as the
// editor's positions do.
#pragma once

#include <optional>
#include <string>

struct LineEdit
{
    int from = 0, to = 0;   // the bytes [from, to) of the line
    std::string text;       // what goes in their place
};

// The literal that column is in or touches, with its text (a leading '-'
// belongs to it after '(', ',', '{' or '=', spaces between allowed), or a
// constant that steps through the others its call takes (GL_LINEAR,
// GL_REPEAT, GL_MODULATE, GL_FILL and their kin); nothing when there is
// none. Words such as GL_LIGHT0 or glVertex3f hold no number.
std::optional<LineEdit> NumberAt(const std::string& line, int column);

// A constant moves steps places along its cycle, round and round. A literal
// moves by steps units of its last printed digit, or with fine
// of the digit after it; it keeps its suffix, its exponent and its count of
// decimals, and never reads "-0.0". An integer has no finer step. Nothing
// when column is in no number or the number is too long to step exactly.
std::optional<LineEdit> StepNumber(const std::string& line, int column, long long steps, bool fine);

// The word glEnable or glDisable that column is in or touches, and the other
// of the two in its place; nothing elsewhere.
std::optional<LineEdit> ToggleEnable(const std::string& line, int column);
