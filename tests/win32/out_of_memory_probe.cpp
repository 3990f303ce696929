// Asks the program's allocator for more than a 32-bit process can have, so
// that it has to end in the out-of-memory report.
#include "convert/memory.h"
#include "winapi.h"

int main() {
    // Within 64 KiB of the whole address space: no heap has that in one block.
    varnetto::allocateBytes(static_cast<std::size_t>(-1) - 0xFFFF);
    return 0;  // not reached: the allocator never hands back null
}
