#include "convert/memory.h"

#include <cstdlib>

namespace varnetto {

void* allocateBytes(std::size_t size) {
    void* block = std::malloc(size);
    if (block == nullptr) reportAllocationFailure(size);
    return block;
}

void* reallocateBytes(void* block, std::size_t size) {
    void* moved = std::realloc(block, size);
    if (moved == nullptr) reportAllocationFailure(size);
    return moved;
}

void releaseBytes(void* block) noexcept { std::free(block); }

}  // namespace varnetto
