#include "MappedFile.h"

#ifdef _WIN32

#define WIN32_LEAN_AND_MEAN
#include <windows.h>

bool MappedFile::Open(const char* name)
{
    Close();
    return MapOpenedFile(CreateFileA(name, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                     FILE_ATTRIBUTE_NORMAL, nullptr));
}

bool MappedFile::Open(const wchar_t* name)
{
    Close();
    return MapOpenedFile(CreateFileW(name, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                     FILE_ATTRIBUTE_NORMAL, nullptr));
}

bool MappedFile::MapOpenedFile(void* file)
{
    if (file == INVALID_HANDLE_VALUE)
        return false;
    m_file = file;
    LARGE_INTEGER size;
    // A view cannot be larger than the address space, and an empty file has no mapping.
    if (!GetFileSizeEx(file, &size) || size.QuadPart <= 0 ||
        static_cast<unsigned long long>(size.QuadPart) > static_cast<SIZE_T>(-1)) {
        Close();
        return false;
    }
    m_mapping = CreateFileMappingA(file, nullptr, PAGE_READONLY, 0, 0, nullptr);
    if (!m_mapping) {
        Close();
        return false;
    }
    void* view = MapViewOfFile(m_mapping, FILE_MAP_READ, 0, 0, 0);
    if (!view) {
        Close();
        return false;
    }
    m_data = static_cast<const unsigned char*>(view);
    m_size = static_cast<size_t>(size.QuadPart);
    return true;
}

void MappedFile::Close()
{
    if (m_data)
        UnmapViewOfFile(m_data);
    if (m_mapping)
        CloseHandle(m_mapping);
    if (m_file)
        CloseHandle(m_file);
    m_data = nullptr;
    m_size = 0;
    m_mapping = nullptr;
    m_file = nullptr;
}

#else

#include "WideName.h"

#include <cstdint>
#include <cstdlib>
#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

bool MappedFile::Open(const char* name)
{
    Close();
    // Non-blocking, so that a pipe or device is refused below instead of waited on.
    const int fd = open(name, O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0)
        return false;
    const bool mapped = MapDescriptor(fd);
    // The mapping keeps the file's pages; the descriptor is no longer needed.
    close(fd);
    return mapped;
}

bool MappedFile::Open(const wchar_t* name)
{
    Close();
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

bool MappedFile::MapDescriptor(int fd)
{
    struct stat info;
    if (fstat(fd, &info) != 0)
        return false;
    // Directories and devices open, but only a regular file has a size to map.
    if (!S_ISREG(info.st_mode))
        return false;
    // mmap refuses a length of 0, as CreateFileMapping does for an empty file.
    if (info.st_size <= 0)
        return false;
    // The whole file must fit in the address space.
    if (static_cast<uintmax_t>(info.st_size) > SIZE_MAX)
        return false;
    const size_t size = static_cast<size_t>(info.st_size);
    int flags = MAP_PRIVATE;
#ifdef MAP_POPULATE
    // Every page is read once, in order: fault them in with one call.
    flags |= MAP_POPULATE;
#endif
    void* view = mmap(nullptr, size, PROT_READ, flags, fd, 0);
    if (view == MAP_FAILED)
        return false;
    m_data = static_cast<const unsigned char*>(view);
    m_size = size;
    return true;
}

void MappedFile::Close()
{
    if (m_data)
        munmap(const_cast<unsigned char*>(m_data), m_size);
    m_data = nullptr;
    m_size = 0;
}

#endif

MappedFile::~MappedFile()
{
    Close();
}
