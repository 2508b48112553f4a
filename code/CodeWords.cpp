#include "CodeWords.h"

namespace {

CodeTranslation s_translate = nullptr;

}

void SetCodeTranslation(CodeTranslation translate) { s_translate = translate; }

std::string CodeWords(const char* russian) { return s_translate ? s_translate(russian) : std::string(russian); }
