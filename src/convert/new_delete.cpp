// Every C++ allocation of the program goes through the program's allocator,
// so running out of memory ends in the fatal error report there too, and a
// container never sees a null pointer or an exception.
#include <new>

#include "convert/memory.h"

void* operator new(std::size_t size) { return varnetto::allocateBytes(size != 0 ? size : 1); }
void* operator new[](std::size_t size) { return varnetto::allocateBytes(size != 0 ? size : 1); }
void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
    return varnetto::allocateBytes(size != 0 ? size : 1);
}
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept {
    return varnetto::allocateBytes(size != 0 ? size : 1);
}
void operator delete(void* block) noexcept { varnetto::releaseBytes(block); }
void operator delete[](void* block) noexcept { varnetto::releaseBytes(block); }
void operator delete(void* block, std::size_t) noexcept { varnetto::releaseBytes(block); }
void operator delete[](void* block, std::size_t) noexcept { varnetto::releaseBytes(block); }
