// A whole file mapped read-only, so that the loader converts straight from the
// file's pages instead of reading it into a buffer first. mmap on POSIX,
// CreateFileMapping and MapViewOfFile on Windows.
#pragma once

#include <cstddef>

class MappedFile
{
public:
    MappedFile() = default;
    ~MappedFile();
    MappedFile(const MappedFile&) = delete;
    MappedFile& operator=(const MappedFile&) = delete;

    // Maps the named file. False when it cannot be opened, is not a regular
    // file, is empty (neither platform maps an empty file) or cannot be mapped.
    bool Open(const char* name);
    bool Open(const wchar_t* name);

    const unsigned char* Data() const { return m_data; }
    size_t Size() const { return m_size; }

private:
    void Close();

    const unsigned char* m_data = nullptr;
    size_t m_size = 0;
#ifdef _WIN32
    void* m_file = nullptr;      // HANDLE; null when not open
    void* m_mapping = nullptr;   // HANDLE
    bool MapOpenedFile(void* file);
#else
    bool MapDescriptor(int fd);
#endif
};
