// Icon IDR_MAINFRAME: the cube of IconArt.h as XPM images, made once on first use.
#include "IconArt.h"
#include "Resources.h"

#include <cstdio>
#include <string>
#include <vector>

namespace {

class XpmImage
{
public:
    explicit XpmImage(int side)
    {
        m_rows.push_back(std::to_string(side) + " " + std::to_string(side) + " " +
                         std::to_string(kIconColours) + " 1");
        for (int i = 0; i < kIconColours; ++i) {
            char colour[8] = "None";
            if (i != 0)
                std::snprintf(colour, sizeof colour, "#%06X", static_cast<unsigned>(kIconPalette[i]));
            m_rows.push_back(std::string(1, kIconPaletteKeys[i]) + " c " + colour);
        }
        const std::vector<std::uint8_t> pixels = DrawIconIndexed(side);
        for (int y = 0; y < side; ++y) {
            std::string row;
            for (int x = 0; x < side; ++x)
                row += kIconPaletteKeys[pixels[static_cast<size_t>(y) * side + x]];
            m_rows.push_back(row);
        }
        for (const std::string& row : m_rows)
            m_lines.push_back(row.c_str());
    }

    const char* const* Lines() const { return m_lines.data(); }

private:
    std::vector<std::string> m_rows;
    std::vector<const char*> m_lines;
};

}

const char* const* MainIcon32()
{
    static const XpmImage image(32);
    return image.Lines();
}

const char* const* MainIcon16()
{
    static const XpmImage image(16);
    return image.Lines();
}
