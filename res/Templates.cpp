#include "Resources.h"

const PageTemplate* FindPageTemplate(int) { return nullptr; }
