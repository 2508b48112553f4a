// The OpenGL 1.1 and GLU calls that draw a window's current picture, as a C
// fragment a student can copy, compile and run. Plain text from the window's
// record and what was read from its context: no OpenGL, no window system.
//
// The fragment defines SetUpScene(), to call once with the context current
// (on the texture page SetUpScene(picture), picture being the texture's
// bytes, RGB, bottom row first), and DrawScene(), to call for every frame.
#pragma once

#include "SceneMatrices.h"
#include "SceneKind.h"
#include "SceneTables.h"
#include "ViewState.h"

#include <string>

struct FragmentInputs
{
    SceneKind kind = SceneKind::Bare;
    ViewState state;
    // As glGetFloatv gives them: the projection, and the model-view matrix
    // the cube is drawn under, column by column.
    float projection[16] = {};
    float modelView[16] = {};
    // The texture page's picture; 0 by 0 when it could not be read.
    int pictureWidth = 0, pictureHeight = 0;
    double halfSize = kHalfEdge;
};

// The fragment as a whole. Its numbers are those the window draws with: the
// angles modulo 360, and the size factors bound to kScaleBounds (a comment
// says so when a bound is hit), with the model-view matrix then worked out
// from them; no inf or NaN is ever printed.
std::string CodeFragment(const FragmentInputs& in);
// Smallest and largest size factor the fragment prints: a cube corner scaled
// by either and turned by the projection stays a finite float.
constexpr float kScaleBounds[2] = {1e-30f, 1e30f};
// in as the fragment prints it (see CodeFragment); bounded tells whether a
// size factor was brought within kScaleBounds.
FragmentInputs AsDrawn(const FragmentInputs& in, bool& bounded);

// Its two functions, SetUpScene and DrawScene with the cube's own function,
// of inputs already AsDrawn.
std::string CodeFragmentSetUp(const FragmentInputs& in);
std::string CodeFragmentDraw(const FragmentInputs& in, bool scaleBounded);
// The texture page's texture: the picture, its filters, wrapping and environment.
std::string CodeFragmentTexture(const FragmentInputs& in);
// A matrix as glGetFloatv gives it, row by row in a C comment.
std::string CodeMatrix(const char* title, const float m[16]);


// The cube's nearest and farthest eye distance under modelView.
void CubeDepthRange(const float modelView[16], double halfSize, double& nearest, double& farthest);

// The shortest decimal text that reads back as exactly v.
std::string Number(float v);
std::string Number(double v);
// Number(v) as a C float literal: "1.5f".
std::string FloatLiteral(float v);

// A comment's words: format (Russian, printf-style) in the program's
// language, filled in. Numbers in C's form, as the program keeps LC_NUMERIC.
std::string Said(const char* format, ...);
