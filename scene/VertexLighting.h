// The lighting of one vertex as OpenGL 1.1 works it out (its equation for
// the colour of a lit vertex), term by term, from the record: the lit and
// textured cubes' material is the current colour (GL_COLOR_MATERIAL), the
// lamps are points or directions in eye coordinates with no attenuation and
// no spot, and the viewer is at infinity. No OpenGL.
#pragma once

#include "SceneMath.h"
#include "ViewState.h"

using Colour = std::array<double, 4>;

// What one lamp adds to the vertex.
struct LampTerm
{
    int lamp = 0;           // as kLamps: 0..2 the coloured lamps, 3 the white one
    bool on = false;        // off, it adds nothing
    Vec4 position;          // eye coordinates; w 0 is a direction
    Vec3 toLamp, halfway;   // unit vectors from the vertex
    double nDotL = 0;       // max(0, n . l): the diffuse share
    double nDotH = 0;       // max(0, n . h)
    double highlight = 0;   // nDotH ^ shininess, 0 when the lamp is behind the face
    Colour diffuse{}, specular{};
};

struct VertexLight
{
    Vec3 normal;                    // unit, eye coordinates, on the side lit
    Colour material{};              // ambient and diffuse: the current colour
    Colour ambient{};               // the global ambient times the material
    std::array<LampTerm, 4> lamps;  // in kLamps' order
    Colour sum{}, colour{};         // before and after clamping to 0..1
};

// Whether lamp i (as kLamps) is on in s.
bool LampOn(const ViewState& s, int i);
// Its position as OpenGL holds it, in eye coordinates.
Vec4 LampPosition(const ViewState& s, int i);

// The light at eye point eye with unit eye normal normal, the material's
// ambient and diffuse being current.
VertexLight LightVertex(const ViewState& s, Vec3 eye, Vec3 normal, const Colour& current);
