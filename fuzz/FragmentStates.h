// The windows a fuzzed code text is read against: each page with its own
// switches, as the code window would show them.
#pragma once

#include "CodeFragment.h"

#include <cstddef>

constexpr size_t kFragmentStates = 5;

inline FragmentInputs FragmentState(size_t i)
{
    FragmentInputs in;
    ViewState s = i == 0 ? ViewState() : LitState(i == 4);
    in.kind = i == 0 ? SceneKind::WireCube : i == 4 ? SceneKind::TexCube : i == 3 ? SceneKind::Bare : SceneKind::LitCube;
    s.width = s.height = 255;
    s.lineSmoothing = i == 0;
    s.lamp = {i != 2, i == 2, true};
    s.fog = i == 1 || i == 4;
    s.fogDensity = 0.25f;
    s.perspective = i % 2 == 1;
    s.angleX = 17.5 * double(i);
    s.angleY = 400;
    in.state = s;
    in.pictureWidth = in.pictureHeight = i == 4 ? 64 : 0;
    CubeModelView(s, in.modelView);
    return in;
}
