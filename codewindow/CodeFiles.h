// What the code window says and writes: each page's hints, and the frame
// with its fragment saved side by side. No windows here.
#pragma once

#include "SceneKind.h"

#include <wx/image.h>
#include <wx/string.h>

#include <string>

// A few sentences on what the page shows and what to try, in Russian.
wxString CodeHints(SceneKind kind);

// The two files a save writes for the name the user chose: the picture
// always ends in ".png" (added unless the name ends so, in any case), the
// code is the same stem with ".c", so that "frame.c" or "frame" cannot
// make one file of the two.
struct SavedNames
{
    wxString png, code;
};
SavedNames SavedNamesFor(const wxString& chosen);

// Writes frame as a PNG and fragment beside it, at SavedNamesFor(chosen).
// Each goes to a temporary name first and is renamed when complete, so a
// failure leaves neither; two names that are one file are refused. Returns
// "" or what went wrong, in Russian.
wxString SaveFrameAndFragment(const wxImage& frame, const std::string& fragment, const wxString& chosen);
