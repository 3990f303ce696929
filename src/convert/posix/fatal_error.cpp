#include <unistd.h>

#include <cstring>

namespace varnetto {

// Without windows the report is one line on standard error.
void showFatalErrorReport(const char* message) {
    static const char kPrefix[] = "varnetto: run-time error: ";
    [[maybe_unused]] ssize_t ignored = write(STDERR_FILENO, kPrefix, sizeof kPrefix - 1);
    ignored = write(STDERR_FILENO, message, std::strlen(message));
    ignored = write(STDERR_FILENO, "\n", 1);
}

[[noreturn]] void exitAfterFatalError() { _exit(-1); }

}  // namespace varnetto
