#pragma once
#include "convert/text.h"

namespace varnetto {

// The same path written with Simplified characters: every character that has
// a Simplified form is replaced by it, everything else (ASCII, separators,
// characters already Simplified or without such a form) is kept. The result
// always has the byte length of `path`.
Text mapToSimplified(const Text& path);

}  // namespace varnetto
