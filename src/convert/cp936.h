#pragma once
// Walking code page 936 text by characters. A double-byte character is a lead
// byte 0x81..0xFE and a second byte 0x40..0xFE other than 0x7F, so its second
// byte can be 0x5C, the backslash: never search such text byte by byte.
#include <cstddef>
#include <string_view>

namespace varnetto::cp936 {

constexpr bool isLeadByte(unsigned char byte) { return byte >= 0x81 && byte <= 0xFE; }
constexpr bool isTrailByte(unsigned char byte) {
    return byte >= 0x40 && byte <= 0xFE && byte != 0x7F;
}

// The byte length (1 or 2) of the character starting at `offset`.
constexpr std::size_t characterLength(std::string_view text, std::size_t offset) {
    return offset + 1 < text.size() && isLeadByte(static_cast<unsigned char>(text[offset])) &&
                   isTrailByte(static_cast<unsigned char>(text[offset + 1]))
               ? 2
               : 1;
}

// Offset of the last character that is `ch` (an ASCII byte), or npos.
std::size_t findLastCharacter(std::string_view text, char ch);

}  // namespace varnetto::cp936
