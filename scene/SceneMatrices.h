// The scene's matrices in single precision, as glGetFloatv gives them
// (column by column), and the fog's share: what the printed code shows.
#pragma once

#include "ViewState.h"

// The projection the window sets from s (glOrtho or gluPerspective); a box
// or frustum they refuse leaves the identity.
void SceneProjection(const ViewState& s, float projection[16]);
// The model-view matrix the cube is drawn under.
void CubeModelView(const ViewState& s, float modelView[16]);

// Exponential fog's share of the object's own colour at eye distance z.
double FogFactor(double density, double z);
