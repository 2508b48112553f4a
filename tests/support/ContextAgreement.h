// Whether the current context holds what a window's record says, as
// glframe::ReadContextState reads it back from the context alone.
#pragma once

#include "ViewState.h"

#include <gtest/gtest.h>

// Matrices are held in single precision (about 6e-8 relative), so what is
// worked back from them is compared within bounds that such rounding stays
// far inside and a missing or wrong switch does not:
// the angles within 1e-3 degrees, modulo 360 (seen off by 3e-6 at most);
constexpr double kAngleTolerance = 1e-3;
// the size factors within a relative 1e-5 (seen off by 1.1e-7 at most);
constexpr double kSizeTolerance = 1e-5;
// the projection's arguments and a perspective's aspect within a relative
// 1e-4 (a box's numbers relative to its largest): zFar comes back through
// 1 + m[10], which loses the digits of zFar / zNear: seen off by 3.8e-6
// for the widest the tests use, 0.5 .. 200; the rest by 6e-8 at most.
constexpr double kProjectionTolerance = 1e-4;

// Every other field must be equal: it is read back exactly.
testing::AssertionResult AgreesWithContext(const ViewState& record);
