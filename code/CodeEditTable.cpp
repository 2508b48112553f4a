#include "CodeEditTable.h"

#include "CodeFragment.h"
#include "Resources.h"

#include <cfloat>
#include <cmath>

namespace {

// What one call's arguments are being read as: the first failure wins.
struct Reading
{
    const CodeItem& call;
    CodeError& error;
    bool ok = true;

    bool Fail(int offset, int length, const char* reason, std::string detail = {})
    {
        if (ok)
            error = CodeError{offset, length, reason, std::move(detail)};
        ok = false;
        return false;
    }
    bool Fail(const CodeArg& a, const char* reason, std::string detail = {})
    {
        return Fail(a.offset, a.length, reason, std::move(detail));
    }
    bool Check(bool holds, const CodeArg& a, const char* reason) { return holds || Fail(a, reason); }

    bool Is(size_t i, const char* name) const
    {
        return i < call.args.size() && call.args[i].kind == CodeArg::Name && call.args[i].name == name;
    }

    bool Count(size_t n)
    {
        return call.args.size() == n ||
               Fail(call.offset, call.length, N_("Неверное число аргументов у %s"), std::string(call.name));
    }

    double Number(size_t i)
    {
        const CodeArg& a = call.args[i];
        if (a.kind != CodeArg::Number)
            return Fail(a, N_("Здесь нужно число")), 0.0;
        return a.number.value;
    }

    // A number a float holds: C would make a larger one infinite.
    float Float(const CodeNumber& n)
    {
        if (std::fabs(n.value) > FLT_MAX)
            return Fail(n.offset, n.length, N_("Число слишком велико для float")), 0.0f;
        return float(n.value);
    }
    float Float(size_t i)
    {
        const double v = Number(i);
        return ok ? Float(CodeNumber{v, true, call.args[i].offset, call.args[i].length}) : 0.0f;
    }

    void Array(size_t i, Rgba& out)
    {
        const CodeArg& a = call.args[i];
        if (a.kind == CodeArg::Name)
            Fail(a, N_("Массив %s здесь не объявлен"), std::string(a.name));
        else if (a.kind != CodeArg::Array || a.values.size() != out.size())
            Fail(a, N_("Здесь нужен массив из %s чисел"), std::to_string(out.size()));
        for (size_t k = 0; ok && k < out.size(); ++k)
            out[k] = Float(a.values[k]);
    }
};

struct Capability { const char* name; bool ViewState::*field; };

const Capability kCapabilities[] = {
    {"GL_LINE_SMOOTH", &ViewState::lineSmoothing}, {"GL_BLEND", &ViewState::blend},
    {"GL_NORMALIZE", &ViewState::normalize},       {"GL_AUTO_NORMAL", &ViewState::autoNormal},
    {"GL_ALPHA_TEST", &ViewState::alphaTest},      {"GL_COLOR_MATERIAL", &ViewState::colourMaterial},
    {"GL_DEPTH_TEST", &ViewState::depthTest},      {"GL_LIGHTING", &ViewState::lighting},
    {"GL_LIGHT4", &ViewState::whiteLamp},          {"GL_FOG", &ViewState::fog},
};

bool* Switched(ViewState& s, std::string_view cap)
{
    for (const Capability& c : kCapabilities)
        if (cap == c.name)
            return &(s.*c.field);
    static const char* const lamps[3] = {"GL_LIGHT0", "GL_LIGHT1", "GL_LIGHT2"};
    for (size_t i = 0; i < 3; ++i)
        if (cap == lamps[i])
            return &s.lamp[i];
    return nullptr;
}

// GL_LIGHT0..2 are 0..2, GL_LIGHT4 the white lamp 3; -1 for others.
int LampIndex(const Reading& r)
{
    const char* const names[4] = {"GL_LIGHT0", "GL_LIGHT1", "GL_LIGHT2", "GL_LIGHT4"};
    for (int i = 0; i < 4; ++i)
        if (r.Is(0, names[i]))
            return i;
    return -1;
}

unsigned Projection(Reading& r, ViewState& s, bool perspective)
{
    if (!r.Count(perspective ? 4 : 6))
        return 0;
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
    return kNameEditable | (perspective ? 0xFu : 0x3Fu);
}

unsigned Lamp(Reading& r, ViewState& s)
{
    const int lamp = LampIndex(r);
    if (!r.Count(3) || lamp < 0)
        return 0;
    Rgba* target = r.Is(1, "GL_DIFFUSE") ? &s.lampDiffuse[lamp] : r.Is(1, "GL_SPECULAR") ? &s.lampSpecular[lamp]
                   : r.Is(1, "GL_POSITION") && lamp < 3 ? &s.lampPosition[lamp] : nullptr;
    if (!target)
        return 0;
    r.Array(2, *target);
    return 1u << 2;
}

unsigned Scale(Reading& r, ViewState& s, bool perspective)
{
    if (!r.Count(3))
        return 0;
    // In perspective the fragment prints half the record's factors.
    const float k = perspective ? 0.5f : 1.0f;
    float* f[3] = {&s.scaleX, &s.scaleY, &s.scaleZ};
    for (size_t i = 0; i < 3 && r.ok; ++i) {
        const float v = r.Float(i) / k;
        if (r.ok && !(v >= kScaleBounds[0] && v <= kScaleBounds[1]))
            r.Fail(r.call.args[i], N_("Множитель размера должен быть в пределах %s"),
                   Number(kScaleBounds[0] * k) + " .. " + Number(kScaleBounds[1] * k));
        *f[i] = v;
    }
    return 7;
}

unsigned Single(Reading& r, ViewState& s, int& rotations);

}

ViewState WithSwitchesOf(ViewState s, const ViewState& from)
{
    for (const Capability& c : kCapabilities)
        s.*c.field = from.*c.field;
    s.lamp = from.lamp;
    s.perspective = from.perspective;
    return s;
}

int CallFamily(std::string_view name)
{
    if (name == "glEnable" || name == "glDisable")
        return 1;
    return name == "glOrtho" || name == "gluPerspective" ? 2 : 0;
}

bool ApplyEdits(const std::vector<CodeItem>& items, ViewState& s, std::vector<unsigned>& mask, CodeError& error,
                const bool* perspective)
{
    mask.assign(items.size(), 0);
    int rotations = 0;
    for (size_t i = 0; i < items.size(); ++i) {
        const CodeItem& call = items[i];
        if (call.kind != CodeItem::Call)
            continue;
        Reading r{call, error};
        if (call.name == "glOrtho" || call.name == "gluPerspective")
            mask[i] = Projection(r, s, call.name == "gluPerspective");
        else if (call.name == "glLightfv")
            mask[i] = Lamp(r, s);
        else if (call.name == "glScalef")
            mask[i] = Scale(r, s, perspective ? *perspective : s.perspective);
        else
            mask[i] = Single(r, s, rotations);
        if (!r.ok)
            return false;
    }
    return true;
}

namespace {

// The calls with one switch, number or array to read.
unsigned Single(Reading& r, ViewState& s, int& rotations)
{
    const std::string_view name = r.call.name;
    const auto& a = r.call.args;
    if (CallFamily(name) == 1) {
        bool* on = r.Count(1) && a[0].kind == CodeArg::Name ? Switched(s, a[0].name) : nullptr;
        if (on)
            *on = name == "glEnable";
        return on ? kNameEditable : 0;
    }
    if (name == "glLineWidth" && r.Count(1)) {
        const float w = r.Float(0);
        r.Check(w > 0, a[0], N_("Толщина линии должна быть больше нуля"));
        s.lineWidth = w / s.pixelScale;
        return 1;
    }
    if (name == "glPolygonMode" && r.Count(2)) {
        r.Check(r.Is(1, "GL_FILL") || r.Is(1, "GL_LINE"), a[1], N_("Здесь можно только GL_FILL или GL_LINE"));
        s.filled = r.Is(1, "GL_FILL");
        return 2;
    }
    if (name == "glClearColor" && r.Count(4)) {
        for (size_t i = 0; i < 4; ++i)
            s.clearColour[i] = r.Float(i);
        return 0xF;
    }
    if (name == "glFogfv" && r.Count(2) && r.Is(0, "GL_FOG_COLOR")) {
        r.Array(1, s.fogColour);
        return 2;
    }
    if (name == "glFogf" && r.Count(2) && r.Is(0, "GL_FOG_DENSITY")) {
        s.fogDensity = r.Float(1);
        r.Check(s.fogDensity >= 0, a[1], N_("Плотность тумана не может быть отрицательной"));
        return 2;
    }
    if (name == "glMaterialfv" && r.Count(3) && r.Is(1, "GL_SPECULAR")) {
        r.Array(2, s.materialSpecular);
        return 4;
    }
    if (name == "glMaterialf" && r.Count(3) && r.Is(1, "GL_SHININESS")) {
        s.shininess = r.Float(2);
        r.Check(s.shininess >= 0 && s.shininess <= 128, a[2], N_("Блеск должен быть от 0 до 128"));
        return 4;
    }
    if (name == "glRotated" && rotations < 2 && r.Count(4)) {
        (rotations++ ? s.angleY : s.angleX) = r.Number(0);
        return 1;
    }
    return 0;
}

}
