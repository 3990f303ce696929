#include "convert/cp936.h"

namespace varnetto::cp936 {

std::size_t findLastCharacter(std::string_view text, char ch) {
    std::size_t found = std::string_view::npos;
    for (std::size_t offset = 0; offset < text.size(); offset += characterLength(text, offset)) {
        if (text[offset] == ch) found = offset;
    }
    return found;
}

}  // namespace varnetto::cp936
