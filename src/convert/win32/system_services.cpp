#include "convert/system_services.h"

#include "winapi.h"

namespace varnetto {

// MoveFileA never replaces an existing file, and renaming a path onto itself
// succeeds exactly when the file exists.
bool renameFile(const Text& from, const Text& to) {
    return MoveFileA(from.c_str(), to.c_str()) != 0;
}

void showNotice(const Text& text, const Text& caption) {
    MessageBoxA(nullptr, text.c_str(), caption.c_str(), MB_OK | MB_TASKMODAL);
}

bool systemUsesCodePage936() { return GetACP() == 936; }

}  // namespace varnetto
