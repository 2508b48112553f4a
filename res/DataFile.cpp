#include "DataFile.h"

#include <fstream>

#if defined(__linux__)
#include <unistd.h>
#endif

namespace {

bool Readable(const std::string& path)
{
    return std::ifstream(path).good();
}

std::string RunningProgram()
{
#if defined(__linux__)
    char path[4096];
    const ssize_t n = readlink("/proc/self/exe", path, sizeof path);
    if (n > 0 && static_cast<size_t>(n) < sizeof path)
        return std::string(path, static_cast<size_t>(n));
#endif
    return {};
}

}

std::string FindDataFile(const std::string& name, const std::string& exePath)
{
    if (Readable(name))
        return name;
    const size_t slash = exePath.rfind('/');
    if (slash == std::string::npos)
        return name;
    // SAMPLES_DATA_FROM_BIN: the data folder relative to the bin folder.
    const std::string installed = exePath.substr(0, slash + 1) + SAMPLES_DATA_FROM_BIN "/" + name;
    return Readable(installed) ? installed : name;
}

std::string FindDataFile(const std::string& name)
{
    return FindDataFile(name, RunningProgram());
}
