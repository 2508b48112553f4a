// How the edit rules read one call's arguments into the record: shared by
// the table and the readers of each kind of call.
#pragma once

#include "CodeFragment.h"
#include "CodeParser.h"
#include "Resources.h"
#include "ViewState.h"

#include <cfloat>
#include <cmath>
#include <string>

namespace codeedit {

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

// What the reading of one text goes on from, call to call.
struct Context
{
    const bool* printedUnder;   // glScalef's projection; null: the one the text sets
    ViewState base;             // the record the reading started from
    int rotations = 0;          // the cube's glRotated calls so far: angle x, then y
    int texCoords = 0;          // glTexCoord2f calls so far: the corner is this modulo 4
};

using Read = bool (*)(Reading&, ViewState&, Context&);

// The texture's readers (CodeEditTexture.cpp).
bool ReadTextureSetting(Reading& r, ViewState& s, Context& c);
bool ReadEnvColour(Reading& r, ViewState& s, Context& c);
bool ReadTexCoord(Reading& r, ViewState& s, Context& c);

}
