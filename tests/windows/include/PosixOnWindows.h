// The few POSIX calls the tests use that MinGW's C library lacks. Every test
// file sees these declarations on Windows (forced in by tests/CMakeLists.txt),
// so the tests themselves stay as they are on POSIX.
#pragma once

#include <sys/types.h>

extern "C" {

// Makes a fresh directory from a name ending in XXXXXX; the name or nullptr.
char* mkdtemp(char* name);

// There are no named pipes in the Windows file system: always -1 (ENOSYS).
int mkfifo(const char* name, mode_t mode);

}
