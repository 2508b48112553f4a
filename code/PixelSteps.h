// The working out of one pixel as the code window shows it: steps in the
// program's language, each with its numbers and the calls of the code they
// come from, ending with the worked-out colour beside the one read back.
#pragma once

#include "PixelWorking.h"

#include <string>
#include <vector>

// A call of the printed code: its name and, when it matters, its first
// argument ("glLightfv", "GL_LIGHT1"; empty matches any); which of the
// matching calls (from 0; -1 all of them); whether its lines run on to the
// next glEnd (a glBegin's block).
struct CodeCall
{
    std::string name, firstArgument;
    int occurrence = -1;
    bool throughEnd = false;
};

struct PixelStep
{
    std::string title;              // one line
    std::string text;               // its numbers, lines ending in '\n'
    std::vector<CodeCall> calls;    // where in the code they come from
};

// The steps for p, worked out for a window of kind drawing s. seen is the
// pixel as read back from the window (RGB), or nullptr when there is none.
std::vector<PixelStep> PixelSteps(SceneKind kind, const ViewState& s, const PixelWorking& p,
                                  const unsigned char* seen);

// The lines of text (counted from 0) where one of calls is made: the line
// holding the call's name.
std::vector<int> LinesOfCalls(const std::string& text, const std::vector<CodeCall>& calls);
