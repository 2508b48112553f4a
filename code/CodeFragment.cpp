#include "CodeFragment.h"

#include "SceneSwitches.h"
#include "SceneTables.h"
#include "CodeWords.h"
#include "Resources.h"

#include <algorithm>
#include <cstdarg>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace {

const char* const kLampName[3] = {N_("Красная лампа (1)"), N_("Зеленая лампа (2)"), N_("Синяя лампа (3)")};

// Fixed-point with the fewest decimals that read back exactly; %g for the
// rare number that needs more.
template <class T, class Read>
std::string Shortest(T v, Read read, int maxDigits)
{
    char text[80];
    bool exact = false;
    for (int decimals = 1; decimals <= maxDigits && !exact; ++decimals) {
        std::snprintf(text, sizeof text, "%.*f", decimals, double(v));
        exact = read(text) == v;
    }
    if (!exact)
        std::snprintf(text, sizeof text, "%.*g", maxDigits, double(v));
    std::string s = text;
    if (s.find_first_of(".en") == std::string::npos)
        s += ".0";   // a C literal with a point, never an integer
    return s;
}

std::string D(double v) { return Number(v); }

template <class Numbers>
std::string Array(const Numbers& v, int n)
{
    std::string s = "{";
    for (int i = 0; i < n; ++i)
        s += (i ? ", " : "") + FloatLiteral(v[i]);
    return s + "}";
}

std::string Switch(bool on, const char* cap)
{
    return std::string("    ") + (on ? "glEnable(" : "glDisable(") + cap + ");\n";
}

std::string Switch(const ViewState& s, bool ViewState::*field)
{
    return Switch(s.*field, CapabilityOf(field).name);
}

}

std::string Said(const char* format, ...)
{
    const std::string translated = CodeWords(format);
    char text[512];
    va_list args;
    va_start(args, format);
    std::vsnprintf(text, sizeof text, translated.c_str(), args);
    va_end(args);
    return text;
}

std::string CodeMatrix(const char* title, const float m[16])
{
    std::string s = std::string("     * ") + title + ":\n";
    char row[120];
    for (int r = 0; r < 4; ++r) {
        std::snprintf(row, sizeof row, "     *   %10.4f %10.4f %10.4f %10.4f\n", m[r], m[4 + r],
                      m[8 + r], m[12 + r]);
        s += row;
    }
    return s;
}

namespace {

bool Lit(SceneKind k) { return k == SceneKind::LitCube || k == SceneKind::TexCube; }

std::string Projection(const FragmentInputs& in)
{
    const ViewState& s = in.state;
    std::string t = "    /* " + Said("Окно и проекция.") + " */\n";
    t += "    glViewport(0, 0, " + std::to_string(s.width) + ", " + std::to_string(s.height) + ");\n";
    t += "    glMatrixMode(GL_PROJECTION);\n    glLoadIdentity();\n";
    const auto& f = s.frustum;
    const auto& o = s.ortho;
    if (s.perspective)
        t += "    gluPerspective(" + D(f[0]) + ", " + D(s.aspect) + ", " + D(f[1]) + ", " + D(f[2]) + ");\n";
    else
        t += "    glOrtho(" + D(o[0]) + ", " + D(o[1]) + ", " + D(o[2]) + ", " + D(o[3]) + ", " + D(o[4]) + ", " +
             D(o[5]) + ");\n";
    t += "    glMatrixMode(GL_MODELVIEW);\n    glLoadIdentity();\n";
    const Rgba& c = s.clearColour;
    t += "    glClearColor(" + FloatLiteral(c[0]) + ", " + FloatLiteral(c[1]) + ", " + FloatLiteral(c[2]) + ", " +
         FloatLiteral(c[3]) + ");\n\n";
    return t;
}

std::string Switches(const FragmentInputs& in)
{
    const ViewState& s = in.state;
    std::string t = "    /* " + Said("Что включено и что выключено.") + " */\n";
    t += Switch(s, &ViewState::lineSmoothing);
    t += "    glHint(GL_LINE_SMOOTH_HINT, GL_NICEST);\n";
    t += Switch(s, &ViewState::blend);
    t += "    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);\n";
    t += "    glLineWidth(" + FloatLiteral(s.lineWidth * s.pixelScale) + ");\n";
    if (Lit(in.kind)) {
        t += Switch(s, &ViewState::normalize) + Switch(s, &ViewState::autoNormal);
        t += Switch(s, &ViewState::alphaTest) + Switch(s, &ViewState::colourMaterial);
    }
    t += Switch(s, &ViewState::depthTest);
    t += Switch(s, &ViewState::lighting);
    t += std::string("    glPolygonMode(GL_FRONT_AND_BACK, ") + (s.filled ? "GL_FILL" : "GL_LINE") + ");\n\n";
    return t;
}

// Lamp i of the record: 0 to 2 the coloured ones, 3 the white one, which
// has no position of its own.
std::string Lamp(const ViewState& s, int i, const char* title, const char* light, bool on)
{
    using namespace scenetables;
    const bool position = i < 3;
    std::string t = "    /* " + Said(on ? N_("%s: включена.") : N_("%s: выключена."), CodeWords(title).c_str()) + " */\n    {\n";
    t += "        const GLfloat diffuse[4] = " + Array(s.lampDiffuse[i], 4) + ";\n";
    t += "        const GLfloat specular[4] = " + Array(s.lampSpecular[i], 4) + ";\n";
    if (position) {
        t += "        const GLfloat position[4] = " + Array(s.lampPosition[i], 4) + ";\n";
        t += "        const GLfloat direction[3] = " + Array(kNoSpotDirection, 3) + ";\n";
    }
    t += std::string("        glLightfv(") + light + ", GL_DIFFUSE, diffuse);\n";
    t += std::string("        glLightfv(") + light + ", GL_SPECULAR, specular);\n";
    if (position) {
        t += std::string("        glLightfv(") + light + ", GL_POSITION, position);\n";
        t += std::string("        glLightfv(") + light + ", GL_SPOT_DIRECTION, direction);\n";
    }
    return t + "    }\n" + Switch(on, light);
}

std::string Lamps(const FragmentInputs& in)
{
    using namespace scenetables;
    std::string t = "    /* " + Said("Лампы: их положения заданы при единичной матрице, они не вращаются с кубом.") + " */\n";
    const ViewState& s = in.state;
    if (in.kind == SceneKind::TexCube)
        t += Lamp(s, 3, N_("Белая лампа"), kLamps[3].name, s.whiteLamp);
    // Every lamp is set up, on or off: a switch in the code changes no other line.
    for (int i = 0; i < 3; ++i)
        t += Lamp(s, i, kLampName[i], kLamps[i].name, s.lamp[i]);
    return t + "\n";
}

std::string FogNote(const FragmentInputs& in)
{
    double nearest = 0, farthest = 0;
    CubeDepthRange(in.modelView, in.halfSize, nearest, farthest);
    const double d = in.state.fogDensity;
    std::string t = "    /* " + Said("Экспоненциальный туман: f = e^(-плотность * z), цвет = f * цвет куба") +
                    "\n     * " + Said("+ (1 - f) * цвет тумана. Сейчас плотность %s:", Number(in.state.fogDensity).c_str()) + "\n";
    const double fNear = FogFactor(d, nearest), fFar = FogFactor(d, farthest);
    t += "     *   " + Said("ближний угол куба, z = %.2f: f = %.3f, куба %.1f %%, тумана %.1f %%", nearest, fNear,
                              100 * fNear, 100 * (1 - fNear)) + "\n";
    t += "     *   " + Said("дальний угол куба, z = %.2f: f = %.3f, куба %.1f %%, тумана %.1f %%", farthest, fFar,
                              100 * fFar, 100 * (1 - fFar)) + "\n";
    return t + "     */\n";
}

std::string Fog(const FragmentInputs& in)
{
    std::string t = in.state.fog ? FogNote(in) : "    /* " + Said("Туман выключен.") + " */\n";
    t += "    {\n";
    t += "        const GLfloat colour[4] = " + Array(in.state.fogColour, 4) + ";\n";
    t += "        glFogfv(GL_FOG_COLOR, colour);\n";
    t += "        glFogf(GL_FOG_DENSITY, " + FloatLiteral(in.state.fogDensity) + ");\n    }\n";
    return t + Switch(in.state, &ViewState::fog) + "\n";
}

std::string Material(const ViewState& s)
{
    return "    /* " + Said("Материал: фоновый и рассеянный цвет следуют за glColor, блики белые.") + " */\n"
           "    {\n        const GLfloat specular[4] = " + Array(s.materialSpecular, 4) + ";\n"
           "        glMaterialfv(GL_FRONT_AND_BACK, GL_SPECULAR, specular);\n    }\n"
           "    glMaterialf(GL_FRONT_AND_BACK, GL_SHININESS, " + FloatLiteral(s.shininess) + ");\n"
           "    glLightModelf(GL_LIGHT_MODEL_TWO_SIDE, 1.0f);\n\n";
}


}

std::string FloatLiteral(float v) { return Number(v) + "f"; }

std::string Number(float v)
{
    return Shortest(v, [](const char* t) { return std::strtof(t, nullptr); }, 9);
}

std::string Number(double v)
{
    return Shortest(v, [](const char* t) { return std::strtod(t, nullptr); }, 17);
}

void CubeDepthRange(const float m[16], double h, double& nearest, double& farthest)
{
    nearest = INFINITY;
    farthest = 0;
    for (int corner = 0; corner < 8; ++corner) {
        const double x = corner & 1 ? h : -h, y = corner & 2 ? h : -h, z = corner & 4 ? h : -h;
        const double eye = std::fabs(m[2] * x + m[6] * y + m[10] * z + m[14]);
        nearest = std::min(nearest, eye);
        farthest = std::max(farthest, eye);
    }
}

std::string CodeFragmentSetUp(const FragmentInputs& in)
{
    const bool tex = in.kind == SceneKind::TexCube && in.pictureWidth > 0 && in.pictureHeight > 0;
    std::string t = tex ? "void SetUpScene(const unsigned char *picture)\n{\n" : "void SetUpScene(void)\n{\n";
    t += Projection(in) + Switches(in);
    if (Lit(in.kind))
        t += Lamps(in) + Fog(in) + Material(in.state);
    if (in.kind == SceneKind::TexCube)
        t += CodeFragmentTexture(in);
    return t + "}\n";
}
