#pragma once
// Reading the answer of the multiple-selection open-file dialog. Portable: no
// Windows headers, so it builds and is tested natively too.
#include <cstddef>
#include <vector>

#include "convert/text.h"

namespace varnetto {

// The full paths in `buffer` (at most `size` bytes are read), which holds
// NUL-terminated strings ending with an empty one: either one full path, or
// a folder followed by names. A name becomes folder + '\' + name, without a
// second backslash after a folder that already ends in one (a drive's root).
// Strings not terminated within `size` bytes are not taken.
std::vector<Text> parseSelection(const char* buffer, std::size_t size);

}  // namespace varnetto
