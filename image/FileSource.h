// What differs between POSIX and Windows for the loader: reading a named file
// in pieces, and a hint for the large block a picture is written into.
#pragma once

#include "ByteSource.h"

#include <cstddef>

// A named file's bytes, read in pieces through one reused buffer. The file is
// read, not mapped: one that another process cuts short meanwhile gives the
// bytes that were there, never a fault.
class FileSource : public PieceSource
{
public:
    FileSource() = default;
    ~FileSource() override;   // closes the file

    // Opens the file and reads its first piece. False when it cannot be
    // opened, is not a regular file (a pipe would make the load wait), has no
    // bytes, or the buffer cannot be had; the file is then closed.
    bool Open(const char* name);
    bool Open(const wchar_t* name);

private:
#ifdef _WIN32
    void* handle_ = nullptr;
    bool OpenedHandle();
#else
    int fd_ = -1;
#endif

    // What follows the platform's open: the size, the buffer, the first piece.
    bool Begin(unsigned long long size);
    size_t ReadSome(unsigned char* out, size_t n) override;
    bool SkipTo(size_t offset) override;
};

// A block from the C heap (free it with free) that is written once, front to
// back. Where the platform allows, a large one is aligned to and backed by
// 2 MB pages, so that its first touch costs a fault per 2 MB instead of per
// 4 KB, which is most of the time a large load takes. Null when out of memory.
unsigned char* NewWriteOnceBlock(size_t size);
