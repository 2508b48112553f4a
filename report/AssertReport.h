// How a wx assertion is reported, by the program and by the tests alike: one
// line on standard error, never a dialog that waits for a click.
#pragma once

#include <wx/string.h>

void PrintAssert(const wxString& file, int line, const wxString& func, const wxString& cond,
                 const wxString& msg);
