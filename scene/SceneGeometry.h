// Where the scene stands: the matrices a frame is drawn under, worked out
// from the record as OpenGL and GLU would make them, with no OpenGL.
#pragma once

#include "SceneMath.h"
#include "SceneMatrices.h"
#include "ViewState.h"

// The projection the window sets from s (glOrtho or gluPerspective); a box
// or frustum they refuse leaves the identity, as the window's matrix stays.
Mat4 ProjectionMatrix(const ViewState& s);
// The model-view matrix the cube is drawn under: glTranslated, glRotated
// about x then y, glScalef by the size and the projection's share.
Mat4 CubeModelViewMatrix(const ViewState& s);
// The model-view matrix the red axes are drawn under.
Mat4 AxesModelViewMatrix(bool perspective);

// Window coordinates (x, y in pixels from the lower left, z the depth 0..1)
// of normalised device coordinates, through the viewport of s.
inline Vec3 WindowOf(const ViewState& s, Vec3 ndc)
{
    return {(ndc.x + 1) * s.width / 2, (ndc.y + 1) * s.height / 2, (ndc.z + 1) / 2};
}
