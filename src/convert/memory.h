#pragma once
// The one allocator of the program. On Windows every block comes from the
// process heap. An allocation never hands back null: when it cannot be
// served the program ends through reportFatalError.
#include <cstddef>

namespace varnetto {

void* allocateBytes(std::size_t size);
void* reallocateBytes(void* block, std::size_t size);  // block may be null
void releaseBytes(void* block) noexcept;               // block may be null

// Ends the program with the out-of-memory message for `size` bytes.
[[noreturn]] void reportAllocationFailure(std::size_t size);

}  // namespace varnetto
