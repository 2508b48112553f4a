// Draws the desktop icons, the cube of the window icon at the hicolor sizes:
// OUTDIR/<n>x<n>/apps/NAME.png. Sizes up to 32 keep the window icon's crisp
// pixels; larger ones are smoothed.
//
// Usage: make-icons OUTDIR NAME
#include "IconArt.h"

#include <wx/filename.h>
#include <wx/image.h>
#include <wx/init.h>

#include <cstdio>

namespace {

wxImage IconImage(int side)
{
    wxImage image(side, side);
    image.SetAlpha();
    const std::vector<std::uint8_t> indexed = DrawIconIndexed(side);
    const std::vector<std::uint32_t> smooth = DrawIconSmooth(side);
    for (int y = 0; y < side; ++y) {
        for (int x = 0; x < side; ++x) {
            const size_t i = static_cast<size_t>(y) * side + x;
            const std::uint32_t argb =
                side <= 32 ? (indexed[i] ? 0xFF000000u | kIconPalette[indexed[i]] : 0u) : smooth[i];
            image.SetRGB(x, y, argb >> 16 & 0xFF, argb >> 8 & 0xFF, argb & 0xFF);
            image.SetAlpha(x, y, argb >> 24);
        }
    }
    return image;
}

}

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s OUTDIR NAME\n", argv[0]);
        return 2;
    }
    wxInitializer init;
    wxImage::AddHandler(new wxPNGHandler);
    for (int side : {16, 22, 24, 32, 48, 64, 128, 256}) {
        const wxString dir = wxString::Format("%s/%dx%d/apps", argv[1], side, side);
        if (!wxFileName::Mkdir(dir, wxS_DIR_DEFAULT, wxPATH_MKDIR_FULL) ||
            !IconImage(side).SaveFile(dir + "/" + argv[2] + ".png", wxBITMAP_TYPE_PNG)) {
            std::fprintf(stderr, "%s: cannot write the %d-pixel icon\n", argv[0], side);
            return 1;
        }
    }
    return 0;
}
