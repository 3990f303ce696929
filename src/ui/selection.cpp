#include "ui/selection.h"

#include <cstring>
#include <string_view>

#include "convert/cp936.h"

namespace varnetto {
namespace {

// The string at `offset`, or nothing when it is not terminated in the buffer.
bool nextString(const char* buffer, std::size_t size, std::size_t& offset, std::string_view& text) {
    if (offset >= size) return false;
    const void* end = std::memchr(buffer + offset, '\0', size - offset);
    if (end == nullptr) return false;
    text = std::string_view(buffer + offset, static_cast<const char*>(end) - (buffer + offset));
    offset += text.size() + 1;
    return true;
}

// A folder ending in its separator (a drive's root) needs no second one. By
// characters: the second byte of a double-byte character is never a separator.
bool needsSeparator(std::string_view folder) {
    std::size_t last = cp936::findLastCharacter(folder, '\\');
    if (last == std::string_view::npos) last = cp936::findLastCharacter(folder, '/');
    return last == std::string_view::npos || last + 1 != folder.size();
}

}  // namespace

std::vector<Text> parseSelection(const char* buffer, std::size_t size) {
    std::vector<Text> paths;
    std::size_t offset = 0;
    std::string_view first;
    if (buffer == nullptr || !nextString(buffer, size, offset, first) || first.empty())
        return paths;

    std::string_view name;
    if (!nextString(buffer, size, offset, name) || name.empty()) {
        paths.emplace_back(first);  // one file: its full path
        return paths;
    }
    const Text folder = needsSeparator(first) ? Text(first) + "\\" : Text(first);
    do {
        paths.push_back(folder + Text(name));
    } while (nextString(buffer, size, offset, name) && !name.empty());
    return paths;
}

}  // namespace varnetto
