#include "PixelSteps.h"

#include "CodeFragment.h"
#include "CodeWords.h"
#include "SceneSwitches.h"
#include "SceneTables.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>

#ifndef N_
#define N_(text) text
#endif

namespace {

std::string Triple(Vec3 v)
{
    char t[96];
    std::snprintf(t, sizeof t, "(%.3f, %.3f, %.3f)", v.x, v.y, v.z);
    return t;
}
std::string Four(Vec4 v)
{
    char t[120];
    std::snprintf(t, sizeof t, "(%.3f, %.3f, %.3f, %.3f)", v.x, v.y, v.z, v.w);
    return t;
}
std::string Rgb(const Colour& c) { return Triple({c[0], c[1], c[2]}); }

const char* LampWord(int lamp)
{
    static const char* const words[4] = {N_("красная лампа (GL_LIGHT0)"), N_("зеленая лампа (GL_LIGHT1)"),
                                         N_("синяя лампа (GL_LIGHT2)"), N_("белая лампа (GL_LIGHT4)")};
    return words[lamp];
}

PixelStep WhatIsThere(const ViewState& s, const PixelWorking& p)
{
    PixelStep step{Said("Что в этой точке"), "", {}};
    switch (p.subject) {
    case PixelSubject::Background:
        step.text = Said("Фон: цвет очистки %s, туман его не трогает.", Rgb({s.clearColour[0], s.clearColour[1], s.clearColour[2], 1}).c_str()) + "\n";
        step.calls = {{"glClearColor", ""}, {"glClear", ""}};
        break;
    case PixelSubject::Axis:
        step.text = Said("Красная ось %c, нарисованная до куба.", "xyz"[p.axis]) + "\n";
        step.calls = {{"glBegin", "GL_LINES", 0, true}};
        break;
    case PixelSubject::Edge:
        step.text = Said("Ребро куба: грани нарисованы контуром (GL_LINE).") + "\n";
        step.calls = {{"glPolygonMode", ""}};
        break;
    case PixelSubject::Face:
        step.text = Said("Грань %d куба, нормаль %s; треугольник %d из двух (вершины 1, 2, 4 или 2, 3, 4).",
                         p.face + 1, Triple(p.normal).c_str(), p.triangle + 1) + "\n";
        step.text += (p.front ? Said("Видна лицевая сторона (вершины против часовой стрелки).")
                              : Said("Видна обратная сторона: двустороннее освещение берёт нормаль обратной.")) + "\n";
        step.calls = {{"glBegin", "GL_QUADS", p.face, true}};
        break;
    }
    return step;
}

PixelStep WhereItIs(const ViewState& s, const PixelWorking& p)
{
    PixelStep step{Said("Где она: вершины треугольника"), "", {}};
    for (const CornerWorking& c : p.corners) {
        step.text += Said("Вершина %d: в объекте %s", c.corner + 1, Triple(XYZ(c.object)).c_str()) + "\n";
        step.text += "  " + Said("глаз (модельно-видовая матрица) %s", Four(c.eye).c_str()) + "\n";
        step.text += "  " + Said("отсечение (проекция) %s", Four(c.clip).c_str()) + "\n";
        step.text += "  " + Said("нормализованные %s, окно (glViewport) %s", Triple(c.ndc).c_str(), Triple(c.window).c_str()) + "\n";
        step.calls.push_back({"glVertex3d", "", 4 * p.face + c.corner});
    }
    step.text += Said("Доли вершин в точке (%d, %d): %.3f, %.3f, %.3f; глубина %.4f.", p.x, p.y, p.weights[0],
                      p.weights[1], p.weights[2], p.depth) + "\n";
    const std::vector<CodeCall> transforms = {{"glTranslated", ""}, {"glRotated", ""}, {"glScalef", ""},
                                              {s.perspective ? "gluPerspective" : "glOrtho", ""}, {"glViewport", ""}};
    step.calls.insert(step.calls.end(), transforms.begin(), transforms.end());
    return step;
}

std::string LampLines(const LampTerm& t, double shininess)
{
    if (!t.on)
        return "  " + Said("%s выключена: ничего не добавляет.", CodeWords(LampWord(t.lamp)).c_str()) + "\n";
    std::string text = "  " + Said("%s: N·L = %.3f, рассеянный %s", CodeWords(LampWord(t.lamp)).c_str(), t.nDotL,
                                   Rgb(t.diffuse).c_str()) + "\n";
    return text + "    " + Said("N·H = %.3f, (N·H)^%g = %.4f, блик %s", t.nDotH, shininess, t.highlight,
                                Rgb(t.specular).c_str()) + "\n";
}

PixelStep LightAtCorners(SceneKind kind, const ViewState& s, const PixelWorking& p)
{
    PixelStep step{Said("Свет в вершинах"), "", {}};
    if (!p.corners[0].lit) {
        step.text = Said("Освещение выключено: вершины несут цвет glColor %s.", Rgb(p.corners[0].colour).c_str()) + "\n";
        step.calls = {{"glColor3f", "1.0f"}, {"glColor3ub", ""}};
        return step;
    }
    for (const CornerWorking& c : p.corners) {
        const VertexLight& l = c.light;
        step.text += Said("Вершина %d, нормаль в глазу %s:", c.corner + 1, Triple(l.normal).c_str()) + "\n";
        step.text += "  " + Said("фоновый свет модели %s", Rgb(l.ambient).c_str()) + "\n";
        // The white lamp belongs to the texture page alone.
        for (const LampTerm& t : l.lamps)
            if (t.lamp < 3 || kind == SceneKind::TexCube)
                step.text += LampLines(t, s.shininess);
        step.text += "  " + Said("сумма %s, в пределах 0..1: %s", Rgb(l.sum).c_str(), Rgb(l.colour).c_str()) + "\n";
    }
    for (int i = 0; i < 4; ++i)
        if (i < 3 || kind == SceneKind::TexCube)
            step.calls.push_back({"glLightfv", kLamps[i].name});
    step.calls.push_back({"glMaterialfv", ""});
    step.calls.push_back({"glMaterialf", ""});
    return step;
}

PixelStep ColourAtPixel(const PixelWorking& p)
{
    PixelStep step{Said("Цвет в точке"), "", {{"glShadeModel", ""}}};
    step.text = Said("Из вершин с долями %.3f, %.3f, %.3f (с поправкой на перспективу): %s", p.corrected[0],
                     p.corrected[1], p.corrected[2], Rgb(p.colour).c_str()) + "\n";
    return step;
}

PixelStep Texture(const PixelWorking& p)
{
    const TextureWorking& t = p.texture;
    PixelStep step{Said("Текстура"), "", {{"glTexParameterf", ""}, {"glTexEnvf", ""}, {"glTexCoord2f", ""}}};
    step.text = Said("Координаты s, t = %.4f, %.4f; в текселях %.2f, %.2f.", t.s, t.t, t.u, t.v) + "\n";
    for (const TexelWorking& texel : t.texels)
        step.text += "  " + Said("тексель (%d, %d) %s, вес %.3f", texel.column, texel.row, Rgb(texel.colour).c_str(),
                                 texel.weight) + "\n";
    step.text += Said("GL_LINEAR: %s; GL_MODULATE: %s × %s = %s", Rgb(t.texel).c_str(), Rgb(p.colour).c_str(),
                      Rgb(t.texel).c_str(), Rgb(t.result).c_str()) + "\n";
    return step;
}

PixelStep Fog(const PixelWorking& p)
{
    const FogWorking& f = p.fog;
    PixelStep step{Said("Туман"), "", {{"glFogf", ""}, {"glFogfv", ""}, {"glEnable", "GL_FOG"}, {"glDisable", "GL_FOG"}}};
    if (!f.on) {
        step.text = Said("Туман выключен.") + "\n";
        return step;
    }
    step.text = Said("Расстояние от глаза z = %.3f, f = e^(-%g × %.3f) = %.4f.", f.distance, f.density, f.distance,
                     f.factor) + "\n";
    step.text += Said("f × цвет + (1 - f) × %s = %s", Rgb(f.colour).c_str(), Rgb(f.result).c_str()) + "\n";
    return step;
}

PixelStep Result(const PixelWorking& p, const unsigned char* seen)
{
    PixelStep step{Said("Итог"), "", {}};
    step.text = Said("Рассчитано: %d, %d, %d.", p.bytes[0], p.bytes[1], p.bytes[2]) + "\n";
    if (seen) {
        step.text += Said("Прочитано из окна (glReadPixels): %d, %d, %d; разница %d, %d, %d.", seen[0], seen[1],
                          seen[2], seen[0] - p.bytes[0], seen[1] - p.bytes[1], seen[2] - p.bytes[2]) + "\n";
    }
    if (p.onEdge)
        step.text += Said("Точка ближе 1,5 пикселя к ребру или линии: её цвет решает покрытие, расчёт может "
                          "расходиться с окном.") + "\n";
    return step;
}

}

std::vector<PixelStep> PixelSteps(SceneKind kind, const ViewState& s, const PixelWorking& p, const unsigned char* seen)
{
    std::vector<PixelStep> steps{WhatIsThere(s, p)};
    if (p.subject == PixelSubject::Face) {
        steps.push_back(WhereItIs(s, p));
        steps.push_back(LightAtCorners(kind, s, p));
        steps.push_back(ColourAtPixel(p));
        if (p.texture.on)
            steps.push_back(Texture(p));
    }
    if (p.subject != PixelSubject::Background)
        steps.push_back(Fog(p));
    steps.push_back(Result(p, seen));
    return steps;
}

namespace {

bool IdentifierChar(char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '_'; }

// Whether the call of name starting at at takes argument first (or any).
bool Takes(const std::string& text, size_t at, const CodeCall& call)
{
    if (at > 0 && IdentifierChar(text[at - 1]))
        return false;
    size_t i = at + call.name.size();
    if (i >= text.size() || text[i] != '(')
        return false;
    i = text.find_first_not_of(" \t\n", i + 1);
    if (call.firstArgument.empty())
        return true;
    return i != std::string::npos && text.compare(i, call.firstArgument.size(), call.firstArgument) == 0 &&
           !IdentifierChar(text[std::min(text.size() - 1, i + call.firstArgument.size())]);
}

int LineAt(const std::string& text, size_t at) { return int(std::count(text.begin(), text.begin() + at, '\n')); }

}

std::vector<int> LinesOfCalls(const std::string& text, const std::vector<CodeCall>& calls)
{
    std::vector<int> lines;
    for (const CodeCall& call : calls) {
        int seen = 0;
        for (size_t at = text.find(call.name); at != std::string::npos; at = text.find(call.name, at + 1)) {
            if (!Takes(text, at, call) || (call.occurrence >= 0 && seen++ != call.occurrence))
                continue;
            const size_t end = call.throughEnd ? text.find("glEnd(", at) : at;
            for (int l = LineAt(text, at), last = LineAt(text, end == std::string::npos ? at : end); l <= last; ++l)
                lines.push_back(l);
        }
    }
    std::sort(lines.begin(), lines.end());
    lines.erase(std::unique(lines.begin(), lines.end()), lines.end());
    return lines;
}
