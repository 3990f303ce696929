#include "convert/memory.h"

#include "winapi.h"

namespace varnetto {

void* allocateBytes(std::size_t size) {
    void* block = HeapAlloc(GetProcessHeap(), 0, size);
    if (block == nullptr) reportAllocationFailure(size);
    return block;
}

void* reallocateBytes(void* block, std::size_t size) {
    if (block == nullptr) return allocateBytes(size);
    void* moved = HeapReAlloc(GetProcessHeap(), 0, block, size);
    if (moved == nullptr) reportAllocationFailure(size);
    return moved;
}

void releaseBytes(void* block) noexcept {
    if (block != nullptr) HeapFree(GetProcessHeap(), 0, block);
}

}  // namespace varnetto
