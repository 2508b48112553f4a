#include "PosixOnWindows.h"
#include "sys/mman.h"

#include <windows.h>

#include <cerrno>
#include <cstring>
#include <direct.h>

extern "C" {

char* mkdtemp(char* name)
{
    const size_t length = std::strlen(name);
    if (length < 6 || std::strcmp(name + length - 6, "XXXXXX") != 0) {
        errno = EINVAL;
        return nullptr;
    }
    static const char kLetters[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    unsigned seed = GetCurrentProcessId() * 2654435761u ^ GetTickCount();
    for (int attempt = 0; attempt < 100; ++attempt) {
        for (size_t i = length - 6; i < length; ++i) {
            seed = seed * 1103515245u + 12345u;
            name[i] = kLetters[(seed >> 16) % (sizeof kLetters - 1)];
        }
        if (_mkdir(name) == 0)
            return name;
        if (errno != EEXIST)
            return nullptr;
    }
    return nullptr;
}

int mkfifo(const char*, mode_t)
{
    errno = ENOSYS;
    return -1;
}

void* mmap(void*, size_t size, int, int flags, int, long long)
{
    if (!(flags & MAP_ANONYMOUS)) {
        errno = ENOSYS;
        return MAP_FAILED;
    }
    void* view = VirtualAlloc(nullptr, size, MEM_RESERVE, PAGE_READWRITE);
    if (!view || !VirtualAlloc(view, size < 65536 ? size : 65536, MEM_COMMIT, PAGE_READWRITE)) {
        if (view)
            VirtualFree(view, 0, MEM_RELEASE);
        errno = ENOMEM;
        return MAP_FAILED;
    }
    return view;
}

int munmap(void* address, size_t)
{
    return VirtualFree(address, 0, MEM_RELEASE) ? 0 : -1;
}

}
