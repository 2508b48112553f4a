#include "FileSource.h"

#include <cstdint>
#include <cstdlib>

namespace {

// Each read asks for at most this many bytes: a piece small enough to be
// still in the cache when it is converted, large enough that the calls cost
// nothing beside the copying.
constexpr size_t kReadBytes = size_t{128} << 10;

}  // namespace

bool FileSource::Begin(unsigned long long size)
{
    // An empty file holds no bitmap; its size must be one memory can count.
    if (size == 0 || size > SIZE_MAX || !Start(static_cast<size_t>(size)))
        return false;
    size_t got = 0;
    Get(0, 1, &got);
    // A file emptied since its size was taken has nothing to read either.
    return got > 0;
}

#ifdef _WIN32

#define WIN32_LEAN_AND_MEAN
#include <windows.h>

namespace {

// The flag tells the cache that the file is read once, front to back.
constexpr DWORD kOpenFlags = FILE_ATTRIBUTE_NORMAL | FILE_FLAG_SEQUENTIAL_SCAN;

}  // namespace

bool FileSource::Open(const char* name)
{
    handle_ = CreateFileA(name, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, kOpenFlags, nullptr);
    return OpenedHandle();
}

bool FileSource::Open(const wchar_t* name)
{
    handle_ = CreateFileW(name, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, kOpenFlags, nullptr);
    return OpenedHandle();
}

bool FileSource::OpenedHandle()
{
    LARGE_INTEGER size;
    return handle_ != INVALID_HANDLE_VALUE && GetFileSizeEx(handle_, &size) && size.QuadPart > 0 &&
           Begin(static_cast<unsigned long long>(size.QuadPart));
}

FileSource::~FileSource()
{
    if (handle_ && handle_ != INVALID_HANDLE_VALUE)
        CloseHandle(handle_);
}

size_t FileSource::ReadSome(unsigned char* out, size_t n)
{
    DWORD got = 0;
    // n is at most the buffer's size, which a DWORD counts.
    if (!ReadFile(handle_, out, static_cast<DWORD>(n < kReadBytes ? n : kReadBytes), &got, nullptr))
        return 0;
    return got;
}

bool FileSource::SkipTo(size_t offset)
{
    LARGE_INTEGER to;
    to.QuadPart = static_cast<LONGLONG>(offset);
    return SetFilePointerEx(handle_, to, nullptr, FILE_BEGIN) != 0;
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

bool FileSource::Open(const char* name)
{
    // Non-blocking, so that a pipe or device is refused below instead of waited on.
    fd_ = open(name, O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd_ < 0)
        return false;
    struct stat info;
    // Directories and devices open, but only a regular file has a size to read.
    if (fstat(fd_, &info) != 0 || !S_ISREG(info.st_mode) || info.st_size <= 0)
        return false;
#ifdef POSIX_FADV_SEQUENTIAL
    // Only a hint: the file is read once, front to back, so read ahead.
    posix_fadvise(fd_, 0, 0, POSIX_FADV_SEQUENTIAL);
#endif
    return Begin(static_cast<unsigned long long>(info.st_size));
}

bool FileSource::Open(const wchar_t* name)
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
    const bool opened = Open(narrow);
    std::free(narrow);
    return opened;
}

FileSource::~FileSource()
{
    if (fd_ >= 0)
        close(fd_);
}

size_t FileSource::ReadSome(unsigned char* out, size_t n)
{
    for (;;) {
        const ssize_t got = read(fd_, out, n < kReadBytes ? n : kReadBytes);
        if (got < 0 && errno == EINTR)
            continue;
        return got > 0 ? static_cast<size_t>(got) : 0;
    }
}

bool FileSource::SkipTo(size_t offset)
{
    return lseek(fd_, static_cast<off_t>(offset), SEEK_SET) == static_cast<off_t>(offset);
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
