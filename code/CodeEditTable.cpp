#include "CodeEditTable.h"

#include "CodeReading.h"

#include "CodeFragment.h"
#include "Resources.h"
#include "SceneSwitches.h"

#include <cfloat>
#include <cmath>

namespace {

using namespace codeedit;

bool* Switched(ViewState& s, std::string_view cap)
{
    for (const Capability& c : kCapabilities)
        if (cap == c.name)
            return &(s.*c.field);
    const int lamp = LampNamed(cap);
    return lamp >= 0 && lamp < 3 ? &s.lamp[size_t(lamp)] : nullptr;
}


bool ReadSwitch(Reading& r, ViewState& s, Context&)
{
    bool* on = r.call.args[0].kind == CodeArg::Name ? Switched(s, r.call.args[0].name) : nullptr;
    if (on)
        *on = r.call.name == "glEnable";
    return on;
}

bool ReadProjection(Reading& r, ViewState& s, Context&)
{
    const bool perspective = r.call.name == "gluPerspective";
    double v[6] = {};
    for (size_t i = 0; i < r.call.args.size(); ++i)
        v[i] = r.Number(i);
    const auto& a = r.call.args;
    if (perspective) {
        // The aspect follows the window: whatever is written there is left to it.
        r.Check(v[0] > 0 && v[0] < 180, a[0], N_("Угол обзора должен быть больше 0 и меньше 180")) &&
            r.Check(v[2] > 0, a[2], N_("zNear должен быть больше нуля")) &&
            r.Check(v[3] > v[2], a[3], N_("zFar должен быть больше zNear"));
        s.frustum = {v[0], v[2], v[3]};
    } else {
        r.Check(v[0] < v[1], a[1], N_("Левая граница должна быть меньше правой")) &&
            r.Check(v[2] < v[3], a[3], N_("Нижняя граница должна быть меньше верхней")) &&
            r.Check(v[4] != v[5], a[5], N_("Ближняя и дальняя границы не должны совпадать"));
        std::copy(v, v + 6, s.ortho.begin());
    }
    s.perspective = perspective;
    return true;
}

// glLightfv(lamp, what, array): the lamp from its name; the white lamp has no position.
template <std::array<Rgba, 4> ViewState::*colours>
bool ReadLampColour(Reading& r, ViewState& s, Context&)
{
    const int lamp = LampNamed(r.call.args[0].name);
    return lamp >= 0 && (r.Array(2, (s.*colours)[size_t(lamp)]), true);
}

bool ReadLampPosition(Reading& r, ViewState& s, Context&)
{
    const int lamp = LampNamed(r.call.args[0].name);
    return lamp >= 0 && lamp < 3 && (r.Array(2, s.lampPosition[size_t(lamp)]), true);
}

bool ReadScale(Reading& r, ViewState& s, Context& c)
{
    // The fragment prints the factors at the share of the projection they were printed under.
    const float k = SizeShare(c.printedUnder ? *c.printedUnder : s.perspective);
    float* f[3] = {&s.scaleX, &s.scaleY, &s.scaleZ};
    for (size_t i = 0; i < 3 && r.ok; ++i) {
        const float v = r.Float(i) / k;
        if (r.ok && !(v >= kScaleBounds[0] && v <= kScaleBounds[1]))
            r.Fail(r.call.args[i], N_("Множитель размера должен быть в пределах %s"),
                   Number(kScaleBounds[0] * k) + " .. " + Number(kScaleBounds[1] * k));
        *f[i] = v;
    }
    return true;
}

bool ReadLineWidth(Reading& r, ViewState& s, Context&)
{
    const float w = r.Float(0);
    r.Check(w > 0, r.call.args[0], N_("Толщина линии должна быть больше нуля"));
    s.lineWidth = w / s.pixelScale;
    return true;
}

bool ReadPolygonMode(Reading& r, ViewState& s, Context&)
{
    r.Check(r.Is(1, "GL_FILL") || r.Is(1, "GL_LINE"), r.call.args[1], N_("Здесь можно только GL_FILL или GL_LINE"));
    s.filled = r.Is(1, "GL_FILL");
    return true;
}

bool ReadClearColour(Reading& r, ViewState& s, Context&)
{
    for (size_t i = 0; i < 4; ++i)
        s.clearColour[i] = r.Float(i);
    return true;
}

bool ReadFogColour(Reading& r, ViewState& s, Context&) { return r.Array(1, s.fogColour), true; }

bool ReadFogDensity(Reading& r, ViewState& s, Context&)
{
    s.fogDensity = r.Float(1);
    r.Check(s.fogDensity >= 0, r.call.args[1], N_("Плотность тумана не может быть отрицательной"));
    return true;
}

bool ReadMaterialSpecular(Reading& r, ViewState& s, Context&) { return r.Array(2, s.materialSpecular), true; }

bool ReadShininess(Reading& r, ViewState& s, Context&)
{
    s.shininess = r.Float(2);
    r.Check(s.shininess >= 0 && s.shininess <= 128, r.call.args[2], N_("Блеск должен быть от 0 до 128"));
    return true;
}

// The cube's two turns; the axes turn by glRotatef, which is fixed.
bool ReadAngle(Reading& r, ViewState& s, Context& c)
{
    if (c.rotations == 2)
        return false;
    (c.rotations++ ? s.angleY : s.angleX) = r.Number(0);
    return true;
}

constexpr unsigned Arg(unsigned i) { return 1u << i; }
constexpr unsigned Args(unsigned n) { return (1u << n) - 1; }

// Every call whose numbers or constants the student may change: its name,
// how many arguments it takes, the constant that picks it out (keyAt, key),
// the arguments that may change (every other one is fixed as printed), and
// how they go into the record, with their ranges.
struct EditRule
{
    const char* call;
    size_t args;
    int keyAt;
    const char* key;
    unsigned editable;
    Read read;
};

const EditRule kEditRules[] = {
    {"glEnable", 1, -1, nullptr, kNameEditable, ReadSwitch},
    {"glDisable", 1, -1, nullptr, kNameEditable, ReadSwitch},
    {"glOrtho", 6, -1, nullptr, kNameEditable | Args(6), ReadProjection},
    {"gluPerspective", 4, -1, nullptr, kNameEditable | Args(4), ReadProjection},
    {"glLightfv", 3, 1, "GL_DIFFUSE", Arg(2), ReadLampColour<&ViewState::lampDiffuse>},
    {"glLightfv", 3, 1, "GL_SPECULAR", Arg(2), ReadLampColour<&ViewState::lampSpecular>},
    {"glLightfv", 3, 1, "GL_POSITION", Arg(2), ReadLampPosition},
    {"glScalef", 3, -1, nullptr, Args(3), ReadScale},
    {"glLineWidth", 1, -1, nullptr, Arg(0), ReadLineWidth},
    {"glPolygonMode", 2, -1, nullptr, Arg(1), ReadPolygonMode},
    {"glClearColor", 4, -1, nullptr, Args(4), ReadClearColour},
    {"glFogfv", 2, 0, "GL_FOG_COLOR", Arg(1), ReadFogColour},
    {"glFogf", 2, 0, "GL_FOG_DENSITY", Arg(1), ReadFogDensity},
    {"glMaterialfv", 3, 1, "GL_SPECULAR", Arg(2), ReadMaterialSpecular},
    {"glMaterialf", 3, 1, "GL_SHININESS", Arg(2), ReadShininess},
    {"glRotated", 4, -1, nullptr, Arg(0), ReadAngle},
    {"glTexParameterf", 3, -1, nullptr, Arg(2), ReadTextureSetting},
    {"glTexEnvf", 3, 1, "GL_TEXTURE_ENV_MODE", Arg(2), ReadTextureSetting},
    {"glTexEnvfv", 3, 1, "GL_TEXTURE_ENV_COLOR", Arg(2), ReadEnvColour},
    {"glTexCoord2f", 2, -1, nullptr, Args(2), ReadTexCoord},
};

// The rule for call: the first of its name whose key it names; none for a
// call that is fixed as printed.
const EditRule* RuleFor(const CodeItem& call)
{
    const EditRule* named = nullptr;
    for (const EditRule& rule : kEditRules) {
        if (call.name != rule.call)
            continue;
        named = named ? named : &rule;
        const bool keyed = rule.keyAt < 0 || (size_t(rule.keyAt) < call.args.size() &&
                                              call.args[size_t(rule.keyAt)].kind == CodeArg::Name &&
                                              call.args[size_t(rule.keyAt)].name == rule.key);
        if (keyed)
            return &rule;
    }
    // A keyed call with another key is fixed, but its count is still checked.
    return named && named->keyAt < 0 ? named : nullptr;
}

}

bool ApplyEdits(const std::vector<CodeItem>& items, ViewState& s, std::vector<unsigned>& mask, CodeError& error,
                const bool* perspective)
{
    mask.assign(items.size(), 0);
    Context context{perspective, s};
    for (size_t i = 0; i < items.size(); ++i) {
        const CodeItem& call = items[i];
        const EditRule* rule = call.kind == CodeItem::Call ? RuleFor(call) : nullptr;
        if (!rule)
            continue;
        Reading r{call, error};
        if (r.Count(rule->args) && rule->read(r, s, context))
            mask[i] = rule->editable;
        if (!r.ok)
            return false;
    }
    return true;
}

ViewState WithSwitchesOf(ViewState s, const ViewState& from)
{
    for (const Capability& c : kCapabilities)
        s.*c.field = from.*c.field;
    s.lamp = from.lamp;
    s.perspective = from.perspective;
    return s;
}

std::vector<std::string_view> EditableCalls()
{
    std::vector<std::string_view> calls;
    for (const EditRule& rule : kEditRules)
        if (calls.empty() || calls.back() != rule.call)
            calls.push_back(rule.call);
    return calls;
}

int CallFamily(std::string_view name)
{
    if (name == "glEnable" || name == "glDisable")
        return 1;
    return name == "glOrtho" || name == "gluPerspective" ? 2 : 0;
}
