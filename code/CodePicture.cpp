#include "CodePicture.h"

#include "TextureSize.h"

namespace {

TextureSize Upload(const FragmentInputs& in)
{
    return UploadSize(in.pictureWidth, in.pictureHeight, in.maxTextureSide);
}

bool Scaled(const FragmentInputs& in)
{
    return NeedsScaling(in.pictureWidth, in.pictureHeight, in.maxTextureSide);
}

std::string Sides(int width, int height) { return std::to_string(width) + ", " + std::to_string(height); }

}

std::string PictureNameShown(const std::string& name)
{
    std::string shown;
    for (char c : name) {
        if (c == '/' && !shown.empty() && shown.back() == '*')
            shown += ' ';   // "*/" would end the comment
        shown += static_cast<unsigned char>(c) < 0x20 || c == 0x7f ? '?' : c;
    }
    return shown;
}

std::string ScaledPictureBuffer(const FragmentInputs& in)
{
    if (!Scaled(in))
        return {};
    const TextureSize size = Upload(in);
    return "static GLubyte scaled[" + std::to_string(3LL * size.width * size.height) + "];\n";
}

std::string PictureScaling(const FragmentInputs& in)
{
    if (!Scaled(in))
        return {};
    const TextureSize size = Upload(in);
    return "    /* " +
           (in.maxTextureSide > 0
                ? Said("OpenGL 1.1 берет стороны текстуры степенями двойки, не больше %d:", in.maxTextureSide)
                : Said("OpenGL 1.1 берет стороны текстуры только степенями двойки:")) +
           "\n     * " + Said("картинка приведена к %d x %d точек.", size.width, size.height) + " */\n" +
           "    gluScaleImage(GL_RGB, " + Sides(in.pictureWidth, in.pictureHeight) + ", GL_UNSIGNED_BYTE, picture, " +
           Sides(size.width, size.height) + ", GL_UNSIGNED_BYTE, scaled);\n";
}

std::string UploadSides(const FragmentInputs& in)
{
    const TextureSize size = Upload(in);
    return Sides(size.width, size.height);
}

const char* UploadPixels(const FragmentInputs& in)
{
    return Scaled(in) ? "scaled" : "picture";
}
