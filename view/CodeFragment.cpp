#include "CodeFragment.h"

#include "SceneTables.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace {

const char* const kLampName[3] = {"Красная лампа (1)", "Зеленая лампа (2)", "Синяя лампа (3)"};

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

std::string Array(const float* v, int n)
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
    std::string t = "    /* Окно и проекция. */\n";
    t += "    glViewport(0, 0, " + std::to_string(s.width) + ", " + std::to_string(s.height) + ");\n";
    t += "    glMatrixMode(GL_PROJECTION);\n    glLoadIdentity();\n";
    if (s.perspective)
        t += "    gluPerspective(45.0, " + D(s.aspect) + ", 1.0, 100.0);\n";
    else
        t += "    glOrtho(-6.0, 6.0, -6.0, 6.0, -20.0, 20.0);\n";
    t += "    glMatrixMode(GL_MODELVIEW);\n    glLoadIdentity();\n";
    t += "    glClearColor(" + FloatLiteral(kClearColour[0]) + ", " + FloatLiteral(kClearColour[1]) + ", " +
         FloatLiteral(kClearColour[2]) + ", " + FloatLiteral(kClearColour[3]) + ");\n\n";
    return t;
}

std::string Switches(const FragmentInputs& in)
{
    const bool lit = Lit(in.kind), smooth = in.state.lineSmoothing;
    std::string t = "    /* Что включено и что выключено. */\n";
    t += Switch(smooth, "GL_LINE_SMOOTH");
    if (smooth)
        t += "    glHint(GL_LINE_SMOOTH_HINT, GL_NICEST);\n";
    t += Switch(smooth || lit, "GL_BLEND");
    if (smooth || lit)
        t += "    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);\n";
    t += "    glLineWidth(" + FloatLiteral(in.lineWidth) + ");\n";
    if (lit)
        for (const char* cap : {"GL_NORMALIZE", "GL_AUTO_NORMAL", "GL_ALPHA_TEST", "GL_COLOR_MATERIAL"})
            t += Switch(true, cap);
    t += Switch(lit, "GL_DEPTH_TEST");
    t += Switch(lit, "GL_LIGHTING");
    t += std::string("    glPolygonMode(GL_FRONT_AND_BACK, ") + (lit ? "GL_FILL" : "GL_LINE") + ");\n\n";
    return t;
}

std::string Lamp(const char* title, const char* light, const float* diffuse, const float* position)
{
    using namespace scenetables;
    std::string t = std::string("    /* ") + title + ": включена. */\n    {\n";
    t += "        const GLfloat diffuse[4] = " + Array(diffuse, 4) + ";\n";
    t += "        const GLfloat specular[4] = " + Array(kWhite, 4) + ";\n";
    if (position) {
        t += "        const GLfloat position[4] = " + Array(position, 4) + ";\n";
        t += "        const GLfloat direction[3] = " + Array(kNoSpotDirection, 3) + ";\n";
    }
    t += std::string("        glLightfv(") + light + ", GL_DIFFUSE, diffuse);\n";
    t += std::string("        glLightfv(") + light + ", GL_SPECULAR, specular);\n";
    if (position) {
        t += std::string("        glLightfv(") + light + ", GL_POSITION, position);\n";
        t += std::string("        glLightfv(") + light + ", GL_SPOT_DIRECTION, direction);\n";
    }
    return t + "    }\n" + Switch(true, light);
}

std::string Lamps(const FragmentInputs& in)
{
    using namespace scenetables;
    std::string t = "    /* Лампы: их положения заданы при единичной матрице, они не вращаются с кубом. */\n";
    if (in.kind == SceneKind::TexCube)
        t += Lamp("Белая лампа, всегда", "GL_LIGHT4", kWhite, nullptr);
    static const char* const light[3] = {"GL_LIGHT0", "GL_LIGHT1", "GL_LIGHT2"};
    for (int i = 0; i < 3; ++i) {
        if (in.state.lamp[i])
            t += Lamp(kLampName[i], light[i], kLampDiffuse[i], kLampPosition[i]);
        else
            t += std::string("    /* ") + kLampName[i] + ": выключена. */\n" + Switch(false, light[i]);
    }
    return t + "\n";
}

std::string FogNote(const FragmentInputs& in)
{
    double nearest = 0, farthest = 0;
    CubeDepthRange(in.modelView, in.halfSize, nearest, farthest);
    const double d = in.state.fogDensity;
    std::string t = "    /* Экспоненциальный туман: f = e^(-плотность * z), цвет = f * цвет куба\n"
                    "     * + (1 - f) * цвет тумана. Сейчас плотность " + Number(in.state.fogDensity) + ":\n";
    char line[160];
    for (const auto& [name, z] : {std::pair("ближний", nearest), std::pair("дальний", farthest)}) {
        const double f = FogFactor(d, z);
        std::snprintf(line, sizeof line,
                      "     *   %s угол куба, z = %.2f: f = %.3f, куба %.1f %%, тумана %.1f %%\n", name, z, f,
                      100 * f, 100 * (1 - f));
        t += line;
    }
    return t + "     */\n";
}

std::string Fog(const FragmentInputs& in)
{
    if (!in.state.fog)
        return "    /* Туман выключен. */\n" + Switch(false, "GL_FOG") + "\n";
    std::string t = FogNote(in) + "    {\n";
    t += "        const GLfloat colour[4] = " + Array(kFogColour, 4) + ";\n";
    t += "        glFogfv(GL_FOG_COLOR, colour);\n";
    t += "        glFogf(GL_FOG_DENSITY, " + FloatLiteral(in.state.fogDensity) + ");\n    }\n";
    return t + Switch(true, "GL_FOG") + "\n";
}

std::string Material()
{
    using namespace scenetables;
    return "    /* Материал: фоновый и рассеянный цвет следуют за glColor, блики белые. */\n"
           "    {\n        const GLfloat specular[4] = " + Array(kWhite, 4) + ";\n"
           "        glMaterialfv(GL_FRONT_AND_BACK, GL_SPECULAR, specular);\n    }\n"
           "    glMaterialf(GL_FRONT_AND_BACK, GL_SHININESS, " + FloatLiteral(kShininess) + ");\n"
           "    glLightModelf(GL_LIGHT_MODEL_TWO_SIDE, 1.0f);\n\n";
}

std::string Texture(const FragmentInputs& in)
{
    if (in.pictureWidth <= 0 || in.pictureHeight <= 0)
        return "    /* Картинку logo.bmp прочесть не удалось: куб без текстуры. */\n";
    return "    /* Текстура: картинка logo.bmp, " + std::to_string(in.pictureWidth) + " x " +
           std::to_string(in.pictureHeight) + " точек, RGB, нижняя строка первой. */\n"
           "    glGenTextures(1, &texture);\n"
           "    glBindTexture(GL_TEXTURE_2D, texture);\n"
           "    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);\n"
           "    glTexParameterf(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);\n"
           "    glTexImage2D(GL_TEXTURE_2D, 0, 3, " + std::to_string(in.pictureWidth) + ", " +
           std::to_string(in.pictureHeight) + ", 0, GL_RGB, GL_UNSIGNED_BYTE, picture);\n"
           "    glTexEnvf(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);\n";
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

double FogFactor(double density, double z) { return std::exp(-density * z); }

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

void CubeModelView(const ViewState& s, float m[16])
{
    const double pi = 3.14159265358979323846, a = s.angleX * pi / 180, b = s.angleY * pi / 180;
    const double k = s.perspective ? 0.5 : 1.0, ca = std::cos(a), sa = std::sin(a), cb = std::cos(b), sb = std::sin(b);
    // Translate(0, 0, -8) * RotateX(a) * RotateY(b) * Scale, column by column.
    const double columns[3][3] = {{cb, sa * sb, -ca * sb}, {0, ca, sa}, {sb, -sa * cb, ca * cb}};
    const double scale[3] = {s.scaleX * k, s.scaleY * k, s.scaleZ * k};
    for (int c = 0; c < 3; ++c) {
        for (int r = 0; r < 3; ++r)
            m[4 * c + r] = float(columns[c][r] * scale[c]);
        m[4 * c + 3] = 0;
    }
    m[12] = 0, m[13] = 0, m[14] = -8, m[15] = 1;
}

std::string CodeFragmentSetUp(const FragmentInputs& in)
{
    const bool tex = in.kind == SceneKind::TexCube && in.pictureWidth > 0 && in.pictureHeight > 0;
    std::string t = tex ? "void SetUpScene(const unsigned char *picture)\n{\n" : "void SetUpScene(void)\n{\n";
    t += Projection(in) + Switches(in);
    if (Lit(in.kind))
        t += Lamps(in) + Fog(in) + Material();
    if (in.kind == SceneKind::TexCube)
        t += Texture(in);
    return t + "}\n";
}
