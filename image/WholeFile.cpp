#include "WholeFile.h"

#include <cstdint>
#include <cstdlib>

namespace {

// Reads are made in pieces of at most this many bytes, which every platform's call can count.
constexpr size_t kMaxPiece = size_t{1} << 30;

// Allocates the block for a file of size bytes; null when it cannot be had.
unsigned char* NewFileBlock(uint64_t size)
{
    // An empty file holds no bitmap; a file larger than memory cannot be read whole.
    if (size == 0 || size > SIZE_MAX)
        return nullptr;
    return NewWriteOnceBlock(static_cast<size_t>(size));
}

// Keeps what was read, or frees the block when nothing was.
bool Finish(unsigned char* block, size_t got, FileBytes* out)
{
    if (got == 0) {
        std::free(block);
        return false;
    }
    out->data = block;
    out->size = got;
    return true;
}

}  // namespace

#ifdef _WIN32

#define WIN32_LEAN_AND_MEAN
#include <windows.h>

namespace {

bool ReadOpenedFile(HANDLE file, FileBytes* out)
{
    if (file == INVALID_HANDLE_VALUE)
        return false;
    LARGE_INTEGER size;
    unsigned char* block = nullptr;
    if (GetFileSizeEx(file, &size) && size.QuadPart > 0)
        block = NewFileBlock(static_cast<uint64_t>(size.QuadPart));
    size_t got = 0;
    if (block) {
        const size_t total = static_cast<size_t>(size.QuadPart);
        // It reads 0 bytes at the file's end, which another process may have moved.
        while (got < total) {
            const size_t left = total - got;
            DWORD n = 0;
            if (!ReadFile(file, block + got, static_cast<DWORD>(left < kMaxPiece ? left : kMaxPiece), &n, nullptr) ||
                n == 0)
                break;
            got += n;
        }
    }
    CloseHandle(file);
    return block && Finish(block, got, out);
}

}  // namespace

bool ReadWholeFile(const char* name, FileBytes* out)
{
    return ReadOpenedFile(CreateFileA(name, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                      FILE_ATTRIBUTE_NORMAL, nullptr), out);
}

bool ReadWholeFile(const wchar_t* name, FileBytes* out)
{
    return ReadOpenedFile(CreateFileW(name, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                      FILE_ATTRIBUTE_NORMAL, nullptr), out);
}

unsigned char* NewWriteOnceBlock(size_t size)
{
    return static_cast<unsigned char*>(std::malloc(size));
}

#else

#include "WideName.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Reads up to total bytes; fewer when the file ends sooner.
size_t ReadUpTo(int fd, unsigned char* block, size_t total)
{
    size_t got = 0;
    while (got < total) {
        const size_t left = total - got;
        const ssize_t n = read(fd, block + got, left < kMaxPiece ? left : kMaxPiece);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        got += static_cast<size_t>(n);
    }
    return got;
}

}  // namespace

bool ReadWholeFile(const char* name, FileBytes* out)
{
    // Non-blocking, so that a pipe or device is refused below instead of waited on.
    const int fd = open(name, O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0)
        return false;
    struct stat info;
    unsigned char* block = nullptr;
    // Directories and devices open, but only a regular file has a size to read.
    if (fstat(fd, &info) == 0 && S_ISREG(info.st_mode) && info.st_size > 0)
        block = NewFileBlock(static_cast<uint64_t>(info.st_size));
    const size_t got = block ? ReadUpTo(fd, block, static_cast<size_t>(info.st_size)) : 0;
    close(fd);
    return block && Finish(block, got, out);
}

bool ReadWholeFile(const wchar_t* name, FileBytes* out)
{
    bool lossy = false;
    const size_t length = WideToUtf8(name, nullptr, 0, &lossy);
    // A name with characters UTF-8 cannot carry names no file here.
    if (lossy)
        return false;
    char* narrow = static_cast<char*>(std::malloc(length + 1));
    if (!narrow)
        return false;
    WideToUtf8(name, narrow, length + 1, nullptr);
    const bool read = ReadWholeFile(narrow, out);
    std::free(narrow);
    return read;
}

unsigned char* NewWriteOnceBlock(size_t size)
{
    constexpr size_t kHugePage = size_t{2} << 20;
    // Small blocks gain nothing from large pages.
    if (size < 4 * kHugePage)
        return static_cast<unsigned char*>(std::malloc(size));
    void* block = nullptr;
    if (posix_memalign(&block, kHugePage, size) != 0)
        return nullptr;
#ifdef MADV_HUGEPAGE
    // Only a hint; the block serves the same without it.
    madvise(block, size / kHugePage * kHugePage, MADV_HUGEPAGE);
#endif
    return static_cast<unsigned char*>(block);
}

#endif
