// Where the program finds its data files: the current folder first, then the
// data folder installed beside its own bin folder (share/opengl-samples), so
// that a program started from the desktop menu finds its picture.
#pragma once

#include <string>

// name when it exists in the current folder; else the file of that name in
// the data folder of the program at exePath, when it exists there; else name,
// so that a failure names the file the user knows.
std::string FindDataFile(const std::string& name, const std::string& exePath);
// The same for the running program.
std::string FindDataFile(const std::string& name);
