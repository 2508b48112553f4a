// Wide file names as UTF-8: the form open() takes on POSIX and the form notices
// are written in.
#pragma once

#include <cstddef>

// Writes the UTF-8 form of the NUL-terminated name into out when it fits in
// outSize bytes with its NUL (out may be null with outSize 0), and returns its
// length without the NUL either way. wchar_t is UTF-32 on POSIX and UTF-16 on
// Windows. A code unit that UTF-8 cannot carry (a lone surrogate, a value past
// U+10FFFF) is written as U+FFFD and sets *lossy when lossy is not null.
size_t WideToUtf8(const wchar_t* name, char* out, size_t outSize, bool* lossy);

// The shortest tail of name (a pointer into it, at a whole character) whose
// UTF-8 form takes at most maxBytes bytes.
const wchar_t* WideTailWithin(const wchar_t* name, size_t maxBytes);
