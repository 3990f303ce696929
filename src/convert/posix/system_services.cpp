#include "convert/system_services.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

namespace varnetto {

bool renameFile(const Text& from, const Text& to) {
    if (from == to) {
        struct stat status;
        return !from.empty() && lstat(from.c_str(), &status) == 0;
    }
    if (renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0) return true;
    if (errno != EINVAL && errno != ENOSYS) return false;
    // A file system without the no-replace rename: a hard link fails when
    // the target exists, so nothing is replaced either.
    if (link(from.c_str(), to.c_str()) != 0) return false;
    if (unlink(from.c_str()) == 0) return true;
    unlink(to.c_str());
    return false;
}

// Without windows a notice is a line on standard output.
void showNotice(const Text& text, const Text& caption) {
    std::printf("%s %s\n", caption.c_str(), text.c_str());
    std::fflush(stdout);
}

// The native front end hands the run paths in code page 936.
bool systemUsesCodePage936() { return true; }

}  // namespace varnetto
