// The program's resources as plain data: page templates, the context menu and
// the icon. No GUI dependency; the pages and the OpenGL window build from it.
#pragma once

#include <cstddef>

// Marks a text for the catalogue (po/); it is translated where it is shown.
#ifndef N_
#define N_(text) text
#endif

// Control kinds of the page templates.
enum class ControlKind
{
    StaticCentered,      // static text, centred
    StaticCenteredGroup, // static text, centred, starts a group
    RadioButton,
    GroupBox,
    CheckBox,
    Trackbar,            // horizontal, no ticks
};

struct ControlTemplate
{
    int id;              // IDC_*, or IDC_STATIC
    ControlKind kind;
    int x, y, w, h;      // dialog units
    const char* text;    // UTF-8
};

struct PageTemplate
{
    int id;              // IDD_*
    const char* caption; // the tab's text
    int w, h;            // dialog units
    const ControlTemplate* controls;
    std::size_t count;
};

// The template with identifier id (IDD_CUBE_PAGE, IDD_LIGHT_PAGE, IDD_TEX_PAGE),
// or nullptr.
const PageTemplate* FindPageTemplate(int id);

// Context menu: one level of items; an item with a sub-list is a pop-up.
struct MenuItem
{
    int id;                 // command identifier; 0 for a pop-up
    const char* text;       // UTF-8, with '&' mnemonics and "\t" hints
    const MenuItem* items;  // pop-up contents, or nullptr
    std::size_t count;
};

// The first pop-up of menu IDR_VIEW_POPUP: "&Rotate" and the "&Size" pop-up.
const MenuItem& ViewPopupMenu();

// Icon IDR_MAINFRAME, 16 colours: XPM images of 32x32 and 16x16 pixels.
const char* const* MainIcon32();
const char* const* MainIcon16();
