// The texture's calls read into the record: its settings by constant, the
// blend colour, and the faces' texture coordinates.
#include "CodeReading.h"
#include "TextureTables.h"

namespace codeedit {

namespace {

std::string Names(const TextureSetting& t)
{
    std::string names;
    for (int i = 0; i < t.count; ++i)
        names += (i ? ", " : "") + std::string(t.takes[i].name);
    return names;
}

}

// call(target, key, constant): the setting the key names; its constant must
// be one the setting takes.
bool ReadTextureSetting(Reading& r, ViewState& s, Context&)
{
    for (const TextureSetting& t : kTextureSettings) {
        if (r.call.name != t.call || !r.Is(1, t.key.name))
            continue;
        const CodeArg& a = r.call.args[2];
        const int value = a.kind == CodeArg::Name ? EnumIn(t, a.name) : -1;
        if (value < 0)
            return r.Fail(a, N_("Здесь можно только: %s"), Names(t)), true;
        s.*t.field = value;
        return true;
    }
    return false;   // another parameter: fixed as printed
}

bool ReadEnvColour(Reading& r, ViewState& s, Context&)
{
    r.Array(2, s.envColour);
    for (size_t i = 0; r.ok && i < 4; ++i)
        if (!(s.envColour[i] >= 0 && s.envColour[i] <= 1)) {
            const CodeNumber& n = r.call.args[2].values[i];
            r.Fail(n.offset, n.length, N_("Составляющая цвета должна быть от 0 до 1"));
        }
    return true;
}

// Every face's corners print the same two coordinates on each axis: where
// the corner's own is 0, the record's from; where 1, its to. Only a number
// that differs from what the record it started from prints is the
// student's: the other corners still say the old value until the text follows.
bool ReadTexCoord(Reading& r, ViewState& s, Context& c)
{
    const int corner = c.texCoords++ % 4;
    for (int axis = 0; axis < 2 && r.ok; ++axis) {
        const float v = r.Float(size_t(axis));
        if (!r.ok || v == TexCoordOf(c.base, corner, axis))
            continue;
        (kFaceTexCoords[corner][axis] == 0 ? s.texFrom : s.texTo)[size_t(axis)] = v;
    }
    return true;
}

}
