// What the code window says and writes: each page's hints, and the frame
// with its fragment saved side by side. No windows here.
#pragma once

#include "SceneKind.h"

#include <wx/image.h>
#include <wx/string.h>

#include <string>

// A few sentences on what the page shows and what to try, in Russian.
wxString CodeHints(SceneKind kind);

// Writes frame as a PNG at pngPath and fragment beside it, same name with
// ".c". Each goes to a temporary name first and is renamed when complete, so
// a failure leaves neither. Returns "" or what went wrong, in Russian.
wxString SaveFrameAndFragment(const wxImage& frame, const std::string& fragment, const wxString& pngPath);

// pngPath with the extension ".c".
wxString FragmentPathFor(const wxString& pngPath);
