#include "CodeFragment.h"

#include "CodeWords.h"
#include "Resources.h"
#include "TextureTables.h"

namespace {

std::string Setting(const ViewState& s, const TextureSetting& t)
{
    const char* value = NameIn(t, s.*t.field);
    return std::string("    ") + t.call + "(" + t.target.name + ", " + t.key.name + ", " + (value ? value : "GL_LINEAR") +
           ");\n";
}

const TextureSetting& SettingOf(int ViewState::*field)
{
    for (const TextureSetting& t : kTextureSettings)
        if (t.field == field)
            return t;
    return kTextureSettings[0];
}

// The picture into the texture: with mipmap levels when the minification
// filter reads them.
std::string Upload(const FragmentInputs& in)
{
    const std::string size = std::to_string(in.pictureWidth) + ", " + std::to_string(in.pictureHeight);
    if (Mipmapped(in.state.minFilter))
        return "    gluBuild2DMipmaps(GL_TEXTURE_2D, 3, " + size + ", GL_RGB, GL_UNSIGNED_BYTE, picture);\n";
    return "    glTexImage2D(GL_TEXTURE_2D, 0, 3, " + size + ", 0, GL_RGB, GL_UNSIGNED_BYTE, picture);\n";
}

std::string EnvColour(const Rgba& c)
{
    std::string t = "    {\n        const GLfloat colour[4] = {";
    for (int i = 0; i < 4; ++i)
        t += (i ? ", " : "") + FloatLiteral(c[size_t(i)]);
    return t + "};\n        glTexEnvfv(GL_TEXTURE_ENV, GL_TEXTURE_ENV_COLOR, colour);\n    }\n";
}

}

std::string CodeFragmentTexture(const FragmentInputs& in)
{
    const ViewState& s = in.state;
    if (in.pictureWidth <= 0 || in.pictureHeight <= 0)
        return "    /* " + Said("Картинку logo.bmp прочесть не удалось: куб без текстуры.") + " */\n";
    std::string t = "    /* " + Said("Текстура: картинка logo.bmp, %d x %d точек, RGB, нижняя строка первой.",
                                    in.pictureWidth, in.pictureHeight) + " */\n"
                    "    glGenTextures(1, &texture);\n"
                    "    glBindTexture(GL_TEXTURE_2D, texture);\n"
                    "    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);\n";
    t += "    /* " + Said("Фильтры: GL_NEAREST берёт ближайший тексель, GL_LINEAR смешивает четыре,") + "\n     * " +
         Said("..._MIPMAP_... берут уменьшенные копии картинки (gluBuild2DMipmaps).") + " */\n";
    t += Setting(s, SettingOf(&ViewState::minFilter)) + Setting(s, SettingOf(&ViewState::magFilter));
    t += "    /* " + Said("Координаты за 0..1: GL_REPEAT повторяет картинку, GL_CLAMP тянет её край.") + " */\n";
    t += Setting(s, SettingOf(&ViewState::wrapS)) + Setting(s, SettingOf(&ViewState::wrapT));
    t += Upload(in);
    t += "    /* " + Said("С цветом освещения: GL_MODULATE умножает, GL_DECAL и GL_REPLACE заменяют,") + "\n     * " +
         Said("GL_BLEND смешивает цвет ниже с GL_TEXTURE_ENV_COLOR по цвету текселя.") + " */\n";
    t += Setting(s, SettingOf(&ViewState::envMode)) + EnvColour(s.envColour);
    return t;
}
