// Which scene an OpenGL window shows: the code window writes each one's set-up.
#pragma once

enum class SceneKind
{
    Bare,        // the axes only: a window with no scene of its own
    WireCube,    // the lines page
    LitCube,     // the lighting page
    TexCube,     // the texture page
};
