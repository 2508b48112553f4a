// The code window's text read back into the record: the edits it refuses,
// each with its reason and place, leave the record as it was; the edits it
// takes change what they say and nothing else.
#include "CodeEditSupport.h"
#include "Resources.h"

#include <cstring>
#include <functional>
#include <vector>

namespace {

// The lighting page with the red and blue lamps and fog, in perspective.
ViewState Lighting()
{
    ViewState s = LitState(false);
    s.lamp = {true, false, true};
    s.fog = true;
    s.fogDensity = 0.3f;
    s.perspective = true;
    s.width = s.height = 255;
    s.angleX = 30;
    s.angleY = 400;   // past 360: printed as 40
    return s;
}

struct Refused
{
    const char* what;
    std::string from, to, after;   // the edit: the first `from` after `after`
    const char* reason;            // msgid, with detail for its %s
    std::string detail;
    std::string underlined;        // found first at the edit, or nth after it
    int nth = 0;
};

const std::vector<Refused> kRefused = {
    {"negative density", "0.3f", "-0.1f", "GL_FOG_DENSITY", "Плотность тумана не может быть отрицательной", "", "-0.1f"},
    {"shininess over 128", "128.0f", "129.0f", "GL_SHININESS", "Блеск должен быть от 0 до 128", "", "129.0f"},
    {"zNear 0", "1.0, 100.0", "0.0, 100.0", "gluPerspective", "zNear должен быть больше нуля", "", "0.0"},
    {"zFar at zNear", "100.0)", "1.0)", "gluPerspective", "zFar должен быть больше zNear", "", "1.0"},
    {"fovy 180", "45.0", "180", "gluPerspective", "Угол обзора должен быть больше 0 и меньше 180", "", "180"},
    {"line width 0", "1.0f", "0.0f", "glLineWidth(", "Толщина линии должна быть больше нуля", "", "0.0f"},
    {"scale 0", "0.5f", "0.0f", "glScalef(", "Множитель размера должен быть в пределах %s",
     Number(kScaleBounds[0] / 2) + " .. " + Number(kScaleBounds[1] / 2), "0.0f"},
    {"float overflow", "0.3f", "1e39", "GL_FOG_DENSITY", "Число слишком велико для float", "", "1e39"},
    {"polygon mode", "GL_FILL", "GL_POINT", "glPolygonMode", "Здесь можно только GL_FILL или GL_LINE", "", "GL_POINT"},
    {"missing ;", "glLoadIdentity();", "glLoadIdentity()", "", "Синтаксическая ошибка: ожидалось «%s»", ";",
     "gluPerspective"},
    {"missing )", "GL_DEPTH_BUFFER_BIT)", "GL_DEPTH_BUFFER_BIT", "glClear(", "Синтаксическая ошибка: ожидалось «%s»", ")", ";"},
    {"1.2.3", "0.3f", "1.2.3", "GL_FOG_DENSITY", "Неверное число", "", "1.2.3"},
    {"open comment", "}\n", "} /* ", "DrawCube(void)\n{", "Комментарий не закрыт", "", "/*"},
    {"stray @", "glEnd();", "glEnd();@", "", "Недопустимый знак", "", "@"},
    {"a Cyrillic letter", "glEnd();", "glEnd();ж", "", "Недопустимый знак", "", "ж"},
    {"deleted line", "    glMatrixMode(GL_MODELVIEW);\n", "", "", "Здесь не хватает вызова %s",
     "glMatrixMode(GL_MODELVIEW);", "glLoadIdentity();"},
    {"duplicated line", "glPushMatrix();\n", "glPushMatrix();\n    glPushMatrix();\n", "", "Лишний вызов: %s",
     "glPushMatrix", "glPushMatrix();", 1},
    {"unknown call", "    glPushMatrix();\n", "    glFoo(1);\n    glPushMatrix();\n", "", "Неизвестный вызов: %s", "glFoo",
     "glFoo(1);"},
    {"fixed number", "-8.0", "-9.0", "glTranslated", "Это число здесь не меняется", "", "-9.0"},
    {"fixed constant", "GL_SRC_ALPHA", "GL_ONE", "glBlendFunc", "Это значение здесь не меняется", "", "GL_ONE"},
    {"fixed array", "{0.0f, 0.0f, 0.0f}", "{0.0f, 1.0f, 0.0f}", "direction", "Это число здесь не меняется", "", "1.0f"},
    {"undeclared array", "diffuse);", "diffuze);", "GL_LIGHT0, GL_DIFFUSE", "Массив %s здесь не объявлен", "diffuze",
     "diffuze"},
    {"short array", "{1.0f, 0.0f, 0.0f, 1.0f}", "{1.0f, 0.0f, 0.0f}", "GL_LIGHT4, GL_SPECULAR",
     "Длина массива не равна числу его элементов", "", "{1.0f, 0.0f, 0.0f}"},
    {"short call", "glFogf(GL_FOG_DENSITY, 0.3f)", "glFogf(GL_FOG_DENSITY)", "", "Неверное число аргументов у %s", "glFogf",
     "glFogf(GL_FOG_DENSITY);"},
    {"fixed switch", "glDisable(GL_LIGHT1)", "glEnable(GL_LIGHT2)", "", "Это значение здесь не меняется", "", "GL_LIGHT2"},
    {"switch not the student's", "glEnable(GL_TEXTURE_2D)", "glDisable(GL_TEXTURE_2D)", "", "Здесь должен быть вызов %s",
     "glEnable(GL_TEXTURE_2D);", "glDisable(GL_TEXTURE_2D);"},
    {"blocks nested deep", "glEnd();", "glEnd();" + std::string(40, '{'), "", "Слишком много вложенных блоков", "",
     "{", 31},
    {"array length as a float", "specular[4]", "specular[4.0]", "", "Синтаксическая ошибка: ожидалась длина массива", "",
     "4.0"},
    {"function renamed", "void DrawScene(void)", "void DrawScenes(void)", "", "Здесь должно быть: %s",
     "void DrawScene(void)", "void DrawScenes(void)"},
};

TEST(CodeEditTest, RefusedEditsSayWhyWhereAndLeaveTheRecordAsItWas)
{
    const FragmentInputs now = InputsOf(SceneKind::TexCube, Lighting());
    const std::string printed = CodeFragment(now);
    ViewState untouched;
    std::memset(static_cast<void*>(&untouched), 0x5A, sizeof untouched);   // no record reads as this
    for (const Refused& c : kRefused) {
        const std::string text = Edited(printed, c.from, c.to, c.after);
        ViewState out;
        std::memcpy(&out, &untouched, sizeof out);
        CodeEditError error;
        EXPECT_FALSE(ReadFragment(text, now, out, error)) << c.what;
        EXPECT_EQ(std::memcmp(&out, &untouched, sizeof out), 0) << c.what;
        EXPECT_EQ(error.reason, Said(c.reason, c.detail.c_str())) << c.what;
        size_t at = printed.find(c.from, printed.find(c.after));
        for (int n = 0; n <= c.nth; ++n)
            at = text.find(c.underlined, at + (n ? 1 : 0));
        EXPECT_EQ(error.offset, int(at))
            << c.what << ": " << text.substr(std::min(size_t(error.offset), text.size()), 40);
        EXPECT_EQ(error.length, int(c.underlined.size())) << c.what;
    }
}

struct Taken
{
    const char* what;
    std::string from, to, after;
    std::function<void(ViewState&)> change;   // what the edit does to the record
};

TEST(CodeEditTest, TakenEditsChangeWhatTheySayAndNothingElse)
{
    const FragmentInputs now = InputsOf(SceneKind::LitCube, Lighting());
    const std::string printed = CodeFragment(now);
    const std::vector<Taken> taken = {
        {"density typed", "0.3f", "0.5f", "GL_FOG_DENSITY", [](ViewState& s) { s.fogDensity = 0.5f; }},
        {"density without f", "0.3f", "0.1", "GL_FOG_DENSITY", [](ViewState& s) { s.fogDensity = 0.1f; }},
        {"lamp 2 on", "glDisable(GL_LIGHT1)", "glEnable(GL_LIGHT1)", "", [](ViewState& s) { s.lamp[1] = true; }},
        {"lamp 1 off", "glEnable(GL_LIGHT0)", "glDisable(GL_LIGHT0)", "", [](ViewState& s) { s.lamp[0] = false; }},
        {"fog off", "glEnable(GL_FOG)", "glDisable(GL_FOG)", "", [](ViewState& s) { s.fog = false; }},
        {"lamp x", "{50.0f", "{-20.5f", "position[4]", [](ViewState& s) { s.lampPosition[0][0] = -20.5f; }},
        {"wire frame", "GL_FILL", "GL_LINE", "glPolygonMode", [](ViewState& s) { s.filled = false; }},
        {"angle", "30.0", "-12.25", "glRotated(", [](ViewState& s) { s.angleX = -12.25; }},
        {"scale", "0.5f, 0.5f, 0.5f", "1.0f, 0.5f, 0.25f", "glScalef(",
         [](ViewState& s) { s.scaleX = 2, s.scaleZ = 0.5f; }},
        {"orthographic", "gluPerspective(45.0, 1.0, 1.0, 100.0)", "glOrtho(-3, 3, -2, 2, 1, 30)", "",
         [](ViewState& s) { s.perspective = false, s.ortho = {-3, 3, -2, 2, 1, 30}; }},
        {"clear colour", "0.24f", "1", "glClearColor(", [](ViewState& s) { s.clearColour[0] = 1; }},
        {"comments and spaces", "glClear(", "// cleared\n  /* всё */ glClear  (  ", "", [](ViewState&) {}},
    };
    for (const Taken& c : taken) {
        ViewState out, expected = now.state;
        c.change(expected);
        CodeEditError error;
        EXPECT_TRUE(ReadFragment(Edited(printed, c.from, c.to, c.after), now, out, error))
            << c.what << ": " << error.reason;
        EXPECT_TRUE(out == expected) << c.what;
    }
}

}
