// Any bytes through the tool's own table: no crash, no read past the text,
// the byte length kept, and a second mapping changes nothing more.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "convert/cp936.h"
#include "convert/map_to_simplified.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const varnetto::Text input(reinterpret_cast<const char*>(data), size);
    const varnetto::Text mapped = varnetto::mapToSimplified(input);
    if (mapped.size() != size) std::abort();
    // Single-byte characters (ASCII, separators) are never touched.
    const std::string_view text = input.view();
    for (std::size_t i = 0; i < size; i += varnetto::cp936::characterLength(text, i)) {
        if (varnetto::cp936::characterLength(text, i) == 1 && mapped.data()[i] != text[i])
            std::abort();
    }
    if (!(varnetto::mapToSimplified(mapped) == mapped)) std::abort();
    return 0;
}
