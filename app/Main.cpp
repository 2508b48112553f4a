#include "CSamplesApp.h"
#include "Toolkit.h"

wxIMPLEMENT_APP_NO_MAIN(CSamplesApp);

int main(int argc, char** argv)
{
    const int status = HandleCommandLine(argc, argv);
    if (status >= 0)
        return status;
    PrepareToolkit();
    return wxEntry(argc, argv);
}
