// Keys that work wherever the focus is in the sheet: F1 opens the code
// window, F2 the outside view, Ctrl and plus or minus size the visible page's cube as the menu does.
#pragma once

class wxKeyEvent;

enum class SheetKey { None, Help, Increase, Decrease, WorldView };

// What a key press means to the sheet.
SheetKey SheetKeyOf(const wxKeyEvent& event);
