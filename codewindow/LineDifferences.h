// Where one text differs from another, line by line, so that an update can
// replace only the lines that differ.
#pragma once

#include <wx/string.h>

#include <vector>

// The lines of text as the control counts them: every '\n' ends one, and
// what follows the last one is a line too.
std::vector<wxString> TextLines(const wxString& text);

// Lines [nowFrom, nowTo) of the text now replaced by [nextFrom, nextTo) of
// the next one.
struct LineStretch
{
    int nowFrom, nowTo, nextFrom, nextTo;
};

// The stretches where next differs from now, top down.
std::vector<LineStretch> LineDifferences(const std::vector<wxString>& now, const std::vector<wxString>& next);
