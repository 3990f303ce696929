#pragma once
// The tool's own Traditional-to-Simplified table, generated from OpenCC's
// character table. Every pair is two double-byte characters of code page 936,
// so mapping with it keeps a path's byte length.
#include "convert/text.h"

namespace varnetto {

// The Simplified character for one double-byte character (lead byte in the
// high 8 bits), or the character itself when it has none.
unsigned short simplifiedCharacter(unsigned short character);

// Maps every character of `text` with the table, byte length kept.
Text mapWithOwnTable(const Text& text);

}  // namespace varnetto
