// What differs between POSIX and Windows for the loader: reading a named file
// into memory, and a hint for the large block a picture is written into.
#pragma once

#include <cstddef>

// A file's bytes in a block from malloc; the owner frees data with free.
struct FileBytes
{
    unsigned char* data = nullptr;
    size_t size = 0;
};

// Reads the whole named file into a new block. False, with nothing left
// allocated, when it cannot be opened, is not a regular file (a pipe would
// make the load wait), or has no bytes. The file is read, not mapped: one
// that another process cuts short meanwhile gives the bytes that were there,
// never a fault. The file is closed on return.
bool ReadWholeFile(const char* name, FileBytes* out);
bool ReadWholeFile(const wchar_t* name, FileBytes* out);

// A block from the C heap (free it with free) that is written once, front to
// back. Where the platform allows, a large one is aligned to and backed by
// 2 MB pages, so that its first touch costs a fault per 2 MB instead of per
// 4 KB, which is most of the time a large load takes. Null when out of memory.
unsigned char* NewWriteOnceBlock(size_t size);
