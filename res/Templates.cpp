#include "Resources.h"
#include "ResourceIds.h"

namespace {

constexpr ControlKind Sc = ControlKind::StaticCentered;
constexpr ControlKind Sg = ControlKind::StaticCenteredGroup;
constexpr ControlKind Rb = ControlKind::RadioButton;
constexpr ControlKind Gb = ControlKind::GroupBox;
constexpr ControlKind Cb = ControlKind::CheckBox;
constexpr ControlKind Tb = ControlKind::Trackbar;

// In template order, which is also the tab order. Everything lies at x >= 185
// or y >= 163: the top-left corner belongs to the OpenGL window.
const ControlTemplate kCubeControls[] = {
    {IDC_CAPTION, Sc, 189, 18, 63, 38, N_("ПОСТРОЕНИЕ ФИГУРЫ ИЗ ЛИНИЙ, АНИМАЦИЯ")},
    {IDC_ORTHO, Rb, 19, 174, 74, 13, N_("ортографическая")},
    {IDC_PERSPECTIVE, Rb, 19, 189, 74, 14, N_("перспективная")},
    {IDC_STATIC, Gb, 15, 164, 79, 43, N_("проекция")},
    {IDC_SIZE, Tb, 192, 178, 59, 11, "Slider1"},
    {IDC_STATIC, Sg, 191, 194, 21, 9, N_("min")},
    {IDC_STATIC, Sg, 235, 194, 18, 9, N_("max")},
    {IDC_STATIC, Gb, 187, 164, 69, 44, N_("размер")},
    {IDC_STATIC, Gb, 102, 164, 77, 44, N_("сглаживание")},
    {IDC_SMOOTH, Cb, 108, 191, 70, 10, N_("сглаживание")},
};

// The lamp check boxes are 10 units wide: only the box shows, never "CheckN";
// the coloured label beside each names the lamp.
const ControlTemplate kLightControls[] = {
    {IDC_CAPTION, Sc, 189, 18, 63, 26, N_("ОСВЕЩЕНИЕ ТРЕМЯ ЛАМПАМИ")},
    {IDC_STATIC, Gb, 192, 51, 64, 90, N_("лампы")},
    {IDC_LAMP_RED, Cb, 195, 65, 10, 8, "Check1"},
    {IDC_LAMP_GREEN, Cb, 195, 95, 10, 8, "Check2"},
    {IDC_LAMP_BLUE, Cb, 195, 121, 10, 8, "Check3"},
    {IDC_LABEL_RED, Sg, 211, 65, 34, 11, N_("красная")},
    {IDC_LABEL_GREEN, Sg, 211, 94, 34, 11, N_("зеленая")},
    {IDC_LABEL_BLUE, Sg, 211, 121, 34, 11, N_("синяя")},
    {IDC_ORTHO, Rb, 19, 174, 74, 13, N_("ортографическая")},
    {IDC_PERSPECTIVE, Rb, 19, 189, 74, 14, N_("перспективная")},
    {IDC_STATIC, Gb, 15, 164, 79, 43, N_("проекция")},
    {IDC_SIZE, Tb, 190, 171, 59, 11, "Slider1"},
    {IDC_STATIC, Sg, 189, 187, 21, 9, N_("min")},
    {IDC_STATIC, Sg, 233, 187, 18, 9, N_("max")},
    {IDC_FOG_DENSITY, Tb, 111, 174, 57, 11, "Slider2"},
    {IDC_STATIC, Gb, 100, 164, 77, 44, N_("туман")},
    {IDC_FOG, Cb, 106, 185, 70, 10, N_("туман вкл/выкл")},
    {IDC_STATIC, Gb, 185, 163, 69, 44, N_("размер")},
};

const ControlTemplate kTexControls[] = {
    {IDC_CAPTION, Sg, 189, 18, 63, 26, N_("НАЛОЖЕНИЕ ТЕКСТУРЫ")},
    {IDC_STATIC, Gb, 192, 51, 64, 90, N_("лампы")},
    {IDC_LAMP_RED, Cb, 195, 65, 10, 8, "Check1"},
    {IDC_LAMP_GREEN, Cb, 195, 95, 10, 8, "Check2"},
    {IDC_LAMP_BLUE, Cb, 195, 121, 10, 8, "Check3"},
    {IDC_LABEL_RED, Sg, 211, 65, 34, 11, N_("красная")},
    {IDC_LABEL_GREEN, Sg, 211, 94, 34, 11, N_("зеленая")},
    {IDC_LABEL_BLUE, Sg, 211, 121, 34, 11, N_("синяя")},
    {IDC_SIZE, Tb, 192, 178, 59, 11, "Slider1"},
    {IDC_STATIC, Sg, 191, 194, 21, 9, N_("min")},
    {IDC_STATIC, Sg, 235, 194, 18, 9, N_("max")},
    {IDC_FOG_DENSITY, Tb, 113, 179, 57, 11, "Slider2"},
    {IDC_STATIC, Gb, 102, 164, 77, 44, N_("туман")},
    {IDC_FOG, Cb, 108, 191, 70, 10, N_("туман вкл/выкл")},
    {IDC_ORTHO, Rb, 19, 174, 74, 13, N_("ортографическая")},
    {IDC_PERSPECTIVE, Rb, 19, 189, 74, 14, N_("перспективная")},
    {IDC_STATIC, Gb, 15, 164, 79, 43, N_("проекция")},
    {IDC_STATIC, Gb, 187, 164, 69, 44, N_("размер")},
};

template <std::size_t N>
constexpr PageTemplate Page(int id, const char* caption, const ControlTemplate (&controls)[N])
{
    return PageTemplate{id, caption, 267, 221, controls, N};
}

const PageTemplate kPages[] = {
    Page(IDD_CUBE_PAGE, N_("Линии в пространстве"), kCubeControls),
    Page(IDD_LIGHT_PAGE, N_("Освещение"), kLightControls),
    Page(IDD_TEX_PAGE, N_("Наложение текстуры"), kTexControls),
};

}

const PageTemplate* FindPageTemplate(int id)
{
    for (const PageTemplate& page : kPages)
        if (page.id == id)
            return &page;
    return nullptr;
}
