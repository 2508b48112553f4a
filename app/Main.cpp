#include "CSamplesApp.h"

wxIMPLEMENT_APP(CSamplesApp);
