#include "PosixOnWindows.h"
#include "sys/mman.h"

#include <windows.h>

#include <cerrno>
#include <direct.h>

extern "C" {

// _mktemp fills the XXXXXX with the process id and a letter not yet taken.
char* mkdtemp(char* name)
{
    return _mktemp(name) && _mkdir(name) == 0 ? name : nullptr;
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
