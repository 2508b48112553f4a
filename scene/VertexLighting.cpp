#include "VertexLighting.h"

#include "SceneTables.h"

#include <algorithm>

bool LampOn(const ViewState& s, int i) { return i < 3 ? s.lamp[i] : s.whiteLamp; }

Vec4 LampPosition(const ViewState& s, int i)
{
    const float* p = i < 3 ? s.lampPosition[i].data() : kDefaultLampPosition;
    return {p[0], p[1], p[2], p[3]};
}

namespace {

// The lamp's diffuse and specular share, with the viewer at infinity: the
// halfway vector is the lamp's direction plus (0, 0, 1).
LampTerm LampAt(const ViewState& s, int i, Vec3 eye, Vec3 n, const Colour& material)
{
    LampTerm t;
    t.lamp = i;
    t.on = LampOn(s, i);
    t.position = LampPosition(s, i);
    const Vec3 p = XYZ(t.position);
    t.toLamp = Unit(t.position.w != 0 ? (1 / t.position.w) * p - eye : p);
    t.halfway = Unit(t.toLamp + Vec3{0, 0, 1});
    t.nDotL = std::max(0.0, Dot(n, t.toLamp));
    t.nDotH = std::max(0.0, Dot(n, t.halfway));
    t.highlight = t.nDotL > 0 ? std::pow(t.nDotH, double(s.shininess)) : 0;
    if (!t.on)
        return t;
    for (int c = 0; c < 3; ++c) {
        t.diffuse[c] = t.nDotL * material[c] * s.lampDiffuse[i][c];
        t.specular[c] = t.highlight * s.materialSpecular[c] * s.lampSpecular[i][c];
    }
    return t;
}

}

VertexLight LightVertex(const ViewState& s, Vec3 eye, Vec3 normal, const Colour& current)
{
    VertexLight v;
    v.normal = normal;
    v.material = current;
    for (int c = 0; c < 3; ++c)
        v.sum[c] = v.ambient[c] = double(kGlobalAmbient[c]) * current[c];
    for (int i = 0; i < 4; ++i) {
        v.lamps[i] = LampAt(s, i, eye, normal, current);
        for (int c = 0; c < 3; ++c)
            v.sum[c] += v.lamps[i].diffuse[c] + v.lamps[i].specular[c];
    }
    // The lit alpha is the diffuse material's.
    v.sum[3] = current[3];
    for (int c = 0; c < 4; ++c)
        v.colour[c] = std::clamp(v.sum[c], 0.0, 1.0);
    return v;
}
