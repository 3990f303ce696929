#pragma once
// What the batch run needs from the system: renaming a file, showing a notice,
// and knowing which code page the system's paths are written in.
#include "convert/text.h"

namespace varnetto {

// Gives the file at `from` the path `to`, never replacing an existing file.
// True when the file has the path `to` afterwards; renaming a path onto
// itself is true exactly when the file exists.
bool renameFile(const Text& from, const Text& to);

// A notice with one OK button; returns once the user has dismissed it.
void showNotice(const Text& text, const Text& caption);

// True when the paths the system hands out are code page 936 text.
bool systemUsesCodePage936();

}  // namespace varnetto
