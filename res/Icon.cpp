#include "Resources.h"

const char* const* MainIcon32() { return nullptr; }
const char* const* MainIcon16() { return nullptr; }
