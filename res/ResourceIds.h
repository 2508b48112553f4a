// Identifiers of the program's resources, controls and commands.
#pragma once

// On Windows <winuser.h>, which wx and <GL/gl.h> pull in, defines IDC_SIZE as
// a cursor resource; the control below keeps its name, so the macro goes.
// Taken in here first (through wx's own wrapper), it cannot come back later.
#ifdef __WXMSW__
#include <wx/msw/wrapwin.h>
#endif
#undef IDC_SIZE

enum : int
{
    IDR_MAINFRAME = 128,
    IDD_CUBE_PAGE = 129,
    IDD_LIGHT_PAGE = 130,
    IDD_TEX_PAGE = 131,
    IDR_VIEW_POPUP = 132,

    IDC_GLVIEW = 100,
    IDC_SMOOTH = 1001,
    IDC_FOG_DENSITY = 1002,
    IDC_FOG = 1003,
    IDC_LAMP_RED = 1004,
    IDC_LAMP_GREEN = 1005,
    IDC_LAMP_BLUE = 1006,
    IDC_SIZE = 1007,
    IDC_LABEL_RED = 1008,
    IDC_LABEL_GREEN = 1009,
    IDC_LABEL_BLUE = 1010,
    IDC_CAPTION = 1011,
    IDC_ORTHO = 1013,
    IDC_PERSPECTIVE = 1014,

    ID_VIEW_ROTATE = 32771,
    ID_SIZE_INCREASE = 32772,
    ID_SIZE_DECREASE = 32773,

    IDC_STATIC = -1,
};
