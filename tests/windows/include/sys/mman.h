// Anonymous mappings for the tests on Windows: address space reserved in one
// piece, its first 64 KiB usable, the rest faulting when touched (as a
// never-touched mapping would be on POSIX).
#pragma once

#include <cstddef>

#define PROT_READ 0x1
#define PROT_WRITE 0x2
#define MAP_PRIVATE 0x02
#define MAP_ANONYMOUS 0x20
#define MAP_NORESERVE 0x4000
#define MAP_FAILED (reinterpret_cast<void*>(-1))

extern "C" {

void* mmap(void* address, size_t size, int protection, int flags, int fd, long long offset);
int munmap(void* address, size_t size);

}
