// Any buffer, as the open-file dialog might leave it, read up to its stated
// size: no crash, no read past it, and every path made of its strings.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "ui/selection.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // A block of exactly `size` bytes, so that the sanitizer sees any read past it.
    std::vector<char> buffer(data, data + size);
    const std::vector<varnetto::Text> paths =
        varnetto::parseSelection(buffer.data(), buffer.size());
    if (paths.empty()) return 0;

    const std::size_t folderLength =
        std::strlen(buffer.data());  // a NUL is there: a path came back
    for (const varnetto::Text& path : paths) {
        // Every path starts with the buffer's first string and is no longer
        // than that string, a separator and the rest of the buffer.
        if (path.size() < folderLength || path.size() > size + 1 ||
            std::memcmp(path.data(), buffer.data(), folderLength) != 0) {
            std::abort();
        }
    }
    return 0;
}
