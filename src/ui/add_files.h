#pragma once
#include <vector>

#include "convert/text.h"
#include "ui/file_list.h"

namespace varnetto {

// Lets the user choose files and appends their full paths to `list`, in the
// order the dialog reports them.
void addFiles(FileList& list);

// Shows the multiple-selection open-file dialog titled `title` over the
// active window; the chosen full paths, none when the user cancelled.
std::vector<Text> chooseFiles(const Text& title);

}  // namespace varnetto
