// The program's texts are Russian, in UTF-8, and are the catalogue's msgids:
// every text a user sees goes through Tr, which gives it in the language the
// program runs in (app/Language.h) and as it is when there is no catalogue.
#pragma once

#include "Resources.h"   // N_, for texts in data

#include <wx/translation.h>

#include <string>

// The program's catalogue: wx's own would turn "Error" into "Ошибка".
inline constexpr char kTextDomain[] = "opengl-samples";

inline wxString Tr(const char* text)
{
    return wxGetTranslation(wxString::FromUTF8(text), kTextDomain);
}

// The same in UTF-8, for the code the program writes as plain text.
inline std::string TrUtf8(const char* text)
{
    return std::string(Tr(text).utf8_str());
}
