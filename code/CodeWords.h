// The code's comments and reasons in the program's language. The code's
// language knows no toolkit: whoever loads the catalogue hands it the
// translation; until then the texts stay Russian, as written.
#pragma once

#include <string>

using CodeTranslation = std::string (*)(const char* russian);

void SetCodeTranslation(CodeTranslation translate);
// russian (a msgid marked N_) in the program's language, UTF-8.
std::string CodeWords(const char* russian);
