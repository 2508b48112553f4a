// DrawScene of the fragment, the cube's vertices, the projection worked out
// from the record, and the fragment as a whole.
#include "CodeFragment.h"
#include "TextureTables.h"

#include "SceneTables.h"
#include "CodeWords.h"
#include "Resources.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace {

const char* PageTitle(SceneKind k)
{
    switch (k) {
    case SceneKind::WireCube: return N_("Линии в пространстве");
    case SceneKind::LitCube: return N_("Освещение");
    case SceneKind::TexCube: return N_("Наложение текстуры");
    case SceneKind::Bare: break;
    }
    return N_("Оси");
}

std::string Floats(std::initializer_list<float> v)
{
    std::string s;
    for (float f : v)
        s += (s.empty() ? "" : ", ") + FloatLiteral(f);
    return s;
}

std::string Axes(bool perspective)
{
    std::string t = "    /* " + Said("Оси: красные, с постоянным наклоном, куб их не вращает.") + " */\n    glPushMatrix();\n";
    const float* shift = kAxesShift[perspective];
    t += "    glTranslatef(" + Floats({shift[0], shift[1], shift[2]}) + ");\n";
    t += "    glRotatef(" + Floats({kAxesTilt[0], 1, 0, 0}) + ");\n    glRotatef(" + Floats({kAxesTilt[1], 0, 1, 0}) + ");\n";
    t += "    glBegin(GL_LINES);\n";
    for (int axis = 0; axis < 3; ++axis)
        t += "    glColor3f(" + Floats({1, 0, 0}) + ");\n    glVertex3f(" + Floats({0, 0, 0}) + ");\n    glVertex3f(" +
             Floats({axis == 0 ? kAxisLength : 0, axis == 1 ? kAxisLength : 0, axis == 2 ? kAxisLength : 0}) + ");\n";
    return t + "    glEnd();\n    glPopMatrix();\n\n";
}

std::string Vertex(double h, const double* v)
{
    char line[120];
    std::snprintf(line, sizeof line, "    glVertex3d(%s, %s, %s);\n", Number(h * v[0]).c_str(),
                  Number(h * v[1]).c_str(), Number(h * v[2]).c_str());
    return line;
}

// One glBegin/glEnd per face, as the window's display list has them.
std::string Faces(const FragmentInputs& in, bool textured)
{
    const bool normals = in.kind != SceneKind::WireCube;
    std::string t;
    for (const CubeFace& face : kCubeFaces) {
        t += "    glBegin(GL_QUADS);\n";
        if (normals)
            t += "    glNormal3d(" + Number(face.normal[0]) + ", " + Number(face.normal[1]) + ", " +
                 Number(face.normal[2]) + ");\n";
        for (int i = 0; i < 4; ++i) {
            if (textured)
                t += "    glTexCoord2f(" + FloatLiteral(TexCoordOf(in.state, i, 0)) + ", " +
                     FloatLiteral(TexCoordOf(in.state, i, 1)) + ");\n";
            t += Vertex(in.halfSize, face.vertex[i]);
        }
        t += "    glEnd();\n";
    }
    return t;
}

std::string Cube(const FragmentInputs& in)
{
    const bool textured = in.kind == SceneKind::TexCube && in.pictureWidth > 0 && in.pictureHeight > 0;
    std::string t = "static void DrawCube(void)\n{\n";
    if (in.kind == SceneKind::Bare)
        return t + "}\n";
    if (textured)
        t += "    glBindTexture(GL_TEXTURE_2D, texture);\n    glEnable(GL_TEXTURE_2D);\n";
    if (in.kind == SceneKind::WireCube)
        t += "    glColor3ub(255, 255, 255);\n";
    else
        t += "    glShadeModel(GL_SMOOTH);\n    glColor3f(1.0f, 1.0f, 1.0f);\n";
    t += "    /* " + Said("Вершины куба: 6 граней по 4 вершины, полуребро %s.", Number(in.halfSize).c_str()) + " */\n";
    t += Faces(in, textured);
    if (textured)
        t += "    glDisable(GL_TEXTURE_2D);\n";
    return t + "}\n";
}

}

std::string CodeFragmentDraw(const FragmentInputs& in, bool scaleBounded)
{
    const ViewState& s = in.state;
    const float k = SizeShare(s.perspective);
    std::string t = "void DrawScene(void)\n{\n    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);\n\n";
    t += Axes(s.perspective);
    t += "    /* " + (s.perspective ? Said("Куб: сдвиг, повороты на текущие углы, размер (в перспективе половина множителей).")
                                : Said("Куб: сдвиг, повороты на текущие углы, размер.")) + " */\n";
    t += "    glPushMatrix();\n    glTranslated(0.0, 0.0, " + Number(-kSceneDistance) + ");\n";
    t += "    glRotated(" + Number(s.angleX) + ", 1.0, 0.0, 0.0);\n";
    t += "    glRotated(" + Number(s.angleY) + ", 0.0, 1.0, 0.0);\n";
    if (scaleBounded)
        t += "    /* " + Said("Множитель размера вышел за то, что берут float и OpenGL: он ограничен пределами %s .. %s.",
                          Number(kScaleBounds[0]).c_str(), Number(kScaleBounds[1]).c_str()) + " */\n";
    t += "    glScalef(" + FloatLiteral(s.scaleX * k) + ", " + FloatLiteral(s.scaleY * k) + ", " + FloatLiteral(s.scaleZ * k) + ");\n";
    t += "    /* " + Said("Матрицы сейчас, glGetFloatv, по строкам:") + "\n";
    t += CodeMatrix("GL_PROJECTION_MATRIX", in.projection);
    t += CodeMatrix(Said("GL_MODELVIEW_MATRIX (для куба)").c_str(), in.modelView);
    t += "     */\n    DrawCube();\n    glPopMatrix();\n}\n";
    return t;
}

FragmentInputs AsDrawn(const FragmentInputs& in, bool& bounded)
{
    FragmentInputs out = in;
    out.state = AnglesAsDrawn(in.state);
    bounded = false;
    for (float* f : {&out.state.scaleX, &out.state.scaleY, &out.state.scaleZ}) {
        const float b = std::isnan(*f) ? 1.0f : std::clamp(*f, kScaleBounds[0], kScaleBounds[1]);
        bounded = bounded || b != *f;
        *f = b;
    }
    if (bounded)
        CubeModelView(out.state, out.modelView);
    return out;
}

std::string CodeFragment(const FragmentInputs& raw)
{
    bool bounded = false;
    const FragmentInputs in = AsDrawn(raw, bounded);
    const bool picture = in.kind == SceneKind::TexCube && in.pictureWidth > 0 && in.pictureHeight > 0;
    std::string t = "/* " + Said("«%s»: этот кадр в вызовах OpenGL 1.1 и GLU.", CodeWords(PageTitle(in.kind)).c_str()) +
                    "\n * " + Said("%s - один раз при текущем контексте, DrawScene() - на каждый кадр.",
                                   picture ? "SetUpScene(picture)" : "SetUpScene()") + " */\n"
                    "#ifdef _WIN32\n#include <windows.h>\n#endif\n"
                    "#include <GL/gl.h>\n#include <GL/glu.h>\n\n"
                    "static void DrawCube(void);\n";
    if (picture)
        t += "static GLuint texture;\n";
    return t + "\n" + CodeFragmentSetUp(in) + "\n" + CodeFragmentDraw(in, bounded) + "\n" + Cube(in);
}
