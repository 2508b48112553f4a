#include "AssertReport.h"

#include <cstdio>

void PrintAssert(const wxString& file, int line, const wxString& func, const wxString& cond,
                 const wxString& msg)
{
    std::fprintf(stderr, "%s:%d: wx assertion failed in %s: %s %s\n",
                 static_cast<const char*>(file.utf8_str()), line,
                 static_cast<const char*>(func.utf8_str()),
                 static_cast<const char*>(cond.utf8_str()),
                 static_cast<const char*>(msg.utf8_str()));
    std::fflush(stderr);
}
