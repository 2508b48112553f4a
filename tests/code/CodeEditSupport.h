// Shared by the code edit tests: the inputs a window gives the code window,
// worked out from a record alone, and edits to a fragment's text.
#pragma once

#include "CodeEdit.h"

#include <gtest/gtest.h>

#include <string>

inline FragmentInputs InputsOf(SceneKind kind, const ViewState& s, bool picture = true)
{
    FragmentInputs in;
    in.kind = kind;
    in.state = s;
    in.pictureWidth = in.pictureHeight = picture ? 64 : 0;
    CubeModelView(s, in.modelView);
    for (int i = 0; i < 16; i += 5)
        in.projection[i] = 1;
    return in;
}

// text with its first `from` after `after` made `to`; fails the test when
// there is none, so that a case never passes for want of its line.
inline std::string Edited(const std::string& text, const std::string& from, const std::string& to,
                          const std::string& after = {})
{
    const size_t start = text.find(after);
    const size_t at = start == std::string::npos ? start : text.find(from, start);
    EXPECT_NE(at, std::string::npos) << "no " << from << " after " << after;
    if (at == std::string::npos)
        return text;
    return text.substr(0, at) + to + text.substr(at + from.size());
}
